// Literal model of inversions: compares every pair of positions.
#include <cstdio>
#include <cstring>

long long s[1005];
long long cnt = 1;

int main() {
  int T, n;
  scanf("%d", &T);
  while (T--) {
    long long count = 0;
    memset(s, 0, sizeof s);
    scanf("%d", &n);
    for (int i = 0; i < n; ++i) scanf("%lld", &s[i]);
    for (int i = 0; i < n; ++i)
      for (int j = i + 1; j < n; ++j)
        if (s[j] < s[i]) ++count;
    printf("Scenario #%lld:\n%lld\n", cnt, count);
    ++cnt;
  }
  return 0;
}
