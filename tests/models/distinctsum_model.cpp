// Literal model of distinctsum: after every value the whole set is summed
// anew in ascending order. Fixed table of 30,005 entries, never cleared.
#include <cstdint>
#include <cstdio>
#include <set>

long long ans[30005];
std::set<long long> s;

int main() {
  int T = 0, n = 0, q = 0;
  scanf("%d", &T);
  while (T--) {
    s.clear();
    scanf("%d", &n);
    for (int i = 1; i <= n; ++i) {
      long long v = 0;
      scanf("%lld", &v);
      s.insert(v);
      uint64_t sum = 0;
      for (long long e : s) sum += uint64_t(e);
      ans[i] = (long long)sum;
    }
    scanf("%d", &q);
    while (q--) {
      long long l = 0, r = 0;
      scanf("%lld%lld", &l, &r);
      printf("%lld\n", (long long)(uint64_t(ans[int32_t(r)]) - uint64_t(ans[int32_t(l)]) + 1));
    }
  }
  return 0;
}
