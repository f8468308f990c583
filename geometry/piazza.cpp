// piazza: how many circles lie wholly inside the ring between the circles of
// radius r - d and r about the origin.
//
// Input: r d, then n, then n circles x y c (centre and radius), all read with
// "%d".
// Output: the count, "%d\n".
// A circle counts when c + dist <= r and dist - c >= r - d, both compared in
// double, where dist comes from `cal` in single precision: x*x + y*y as a
// wrapping 32-bit sum, converted to float, its sqrtf widened to double. r - d
// is a wrapping 32-bit difference. A radius is used as read, negative too.
// Cost: O(n).
//
// Outside the contract: a wrapped negative sum in `cal` gives a NaN distance,
// which fails both comparisons; a negative n reads no circle; the first
// circle whose three numbers cannot all be read ends the list (the input has
// ended or holds a token that is not a number, so no later read succeeds),
// and the count so far is written.
#include <cmath>
#include <cstdint>
#include <cstdio>

double cal(int x, int y) {
  int sum = int(uint32_t(x) * uint32_t(x) + uint32_t(y) * uint32_t(y));
  return double(sqrtf(float(sum)));
}

int main() {
  int r = 0, d = 0, n = 0, x = 0, y = 0, c = 0, count = 0;
  scanf("%d%d", &r, &d);
  scanf("%d", &n);
  double inner = double(int(uint32_t(r) - uint32_t(d)));
  for (; n > 0; --n) {
    if (scanf("%d%d%d", &x, &y, &c) != 3) break;
    double dist = cal(x, y);
    if (double(c) + dist <= double(r) && dist - double(c) >= inner) ++count;
  }
  printf("%d\n", count);
  return 0;
}
