// Literal model of balancefloor: every raise walks the first n entries.
#include <cstdint>
#include <cstdio>
#include <cstring>

long long arr[200005];

int main() {
  int n = 0, q = 0, t = 0;
  long long p = 0, x = 0;
  memset(arr, 0, sizeof arr);
  scanf("%d", &n);
  for (int i = 0; i < n; ++i) scanf("%lld", &arr[i]);
  scanf("%d", &q);
  while (q--) {
    scanf("%d", &t);
    if (t == 1) {
      scanf("%lld%lld", &p, &x);
      arr[int32_t(uint64_t(p) - 1)] = x;
    } else {
      scanf("%lld", &x);
      for (int j = 0; j < n; ++j)
        if (arr[j] < x) arr[j] = x;
    }
  }
  for (int i = 0; i < n - 1; ++i) printf("%lld ", arr[i]);
  printf("%lld\n", arr[n - 1]);
  return 0;
}
