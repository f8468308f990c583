// Literal model of pie: the fixed array cleared per case, areas sorted, the
// largest taken from the end, and a full count over every area per step.
// Expects T >= 0 complete cases with N <= 10005, answers below 2^30 and
// slice counts within 32 bits; F + 1 wraps, and N <= 0 is taken as no
// circles, with 0.0 as the largest area, as the program takes it.
#include <algorithm>
#include <cstdio>
#include <cstring>

double cake[10005];
int N, F;
const double pie = 3.141592653589793;
const double eps = 1e-7;

double cal(double r) { return r * r * pie; }

bool check(double x) {
  int count = 0;
  for (int i = 0; i < N; ++i) count += int(cake[i] / x);
  return count >= F;
}

int main() {
  int T;
  scanf("%d", &T);
  while (T--) {
    memset(cake, 0, sizeof cake);
    scanf("%d%d", &N, &F);
    if (N < 0) N = 0;
    F = int(unsigned(F) + 1u);
    for (int i = 0; i < N; ++i) {
      scanf("%lf", &cake[i]);
      cake[i] = cal(cake[i]);
    }
    std::sort(cake, cake + N);
    double lo = 0.0, hi = N > 0 ? cake[N - 1] : 0.0;
    while (lo + eps < hi) {
      double mid = (lo + hi) / 2.0;
      if (check(mid))
        lo = mid;
      else
        hi = mid;
    }
    printf("%.4lf\n", hi);
  }
  return 0;
}
