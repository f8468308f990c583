// Literal model of stonegap: A and B with "%lld%lld", A positions with
// "%lld" into a zero-filled (static) array of 1,000,005, std::sort, and a bisection
// over 0 to the span whose every check walks all positions. Gaps are exact,
// a span beyond 2^63 - 1 is cut to it, and the loop ends where the lower
// bound would step past it. A of 0 or less leaves the one position 0.
// Expects A of at most 1,000,005.
#include <algorithm>
#include <climits>
#include <cstdio>

long long stones[1000005];
long long A, B;

bool check(long long d) {
  long long kept = 1, last = stones[0];
  for (int i = 1; i < A; ++i)
    if ((unsigned long long)stones[i] - (unsigned long long)last >= (unsigned long long)d) {
      ++kept;
      last = stones[i];
    }
  return kept >= B;
}

int main() {
  scanf("%lld%lld", &A, &B);
  for (int i = 0; i < A; ++i) scanf("%lld", &stones[i]);
  std::sort(stones, stones + std::max(A, 0LL));
  unsigned long long span = (unsigned long long)stones[std::max(A, 1LL) - 1] - (unsigned long long)stones[0];
  long long lo = 0, hi = (long long)std::min(span, (unsigned long long)LLONG_MAX);
  while (lo <= hi) {
    long long mid = (long long)(((unsigned long long)lo + (unsigned long long)hi) >> 1);
    if (check(mid)) {
      if (mid == LLONG_MAX) break;
      lo = mid + 1;
    } else {
      hi = mid - 1;
    }
  }
  printf("%lld\n", hi);
  return 0;
}
