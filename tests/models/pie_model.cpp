// Literal model of pie: the fixed array cleared per case, areas sorted, the
// largest taken from the end, and a full count over every area per step.
// Expects T >= 0 complete cases with 1 <= N <= 10005, answers below 2^30 and
// slice counts within 32 bits.
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
    F++;
    for (int i = 0; i < N; ++i) {
      scanf("%lf", &cake[i]);
      cake[i] = cal(cake[i]);
    }
    std::sort(cake, cake + N);
    double lo = 0.0, hi = cake[N - 1];
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
