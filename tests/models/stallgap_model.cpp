// Literal model of stallgap: N and C with "%d%d", N positions with "%lld"
// into a zero-filled array of 100,005, std::sort, and a bisection whose every
// check walks all positions. Gaps and the midpoint are exact (the midpoint
// halves each bound when their sum would overflow), and the loop ends where
// a bound would step past a 64-bit end. N of 0 or less leaves the one
// position 0. Expects N of at most 100,005.
#include <algorithm>
#include <climits>
#include <cstdio>

long long stall[100005];
int N, C;

bool check(long long d) {
  long long placed = 1, last = stall[0];
  for (int i = 1; i < N; ++i)
    if (d <= 0 || (unsigned long long)stall[i] - (unsigned long long)last >= (unsigned long long)d) {
      ++placed;
      last = stall[i];
    }
  return placed >= (long long)C;
}

int main() {
  scanf("%d%d", &N, &C);
  for (int i = 0; i < N; ++i) scanf("%lld", &stall[i]);
  std::sort(stall, stall + std::max(N, 0));
  long long lo = stall[0], hi = stall[std::max(N, 1) - 1];
  while (lo <= hi) {
    long long mid;
    if (__builtin_add_overflow(lo, hi, &mid)) mid = lo / 2 + hi / 2 + (lo % 2 + hi % 2) / 2;
    else mid /= 2;
    if (check(mid)) {
      if (mid == LLONG_MAX) break;
      lo = mid + 1;
    } else {
      if (mid == LLONG_MIN) {
        hi = LLONG_MAX;
        break;
      }
      hi = mid - 1;
    }
  }
  printf("%lld\n", hi);
  return 0;
}
