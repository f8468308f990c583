// divpair: the first pair (i, j), 1 <= i, j <= x, tried row by row (i
// ascending, then j ascending), with i % j > 0, i * j > x and i / j < x.
//
// Input: one integer x, read with "%d" (x stays 0 when nothing converts).
// Output: "%d %d\n" with i and j, or "-1\n" when no pair qualifies.
//
// Cost: O(1) for any x; the search itself costs time proportional to x.
//
// Method: a closed form in place of the search. No i of 1 qualifies (1 * j
// never exceeds x), so the first hit, if any, is in row 2, where j must not
// divide 2 (j >= 3) and 2 * j must exceed x: j = 3 for x = 3, and
// j = x / 2 + 1 for x >= 4 (at most x, so the pair is in range). The quotient
// 2 / j is then 0, below x. For x <= 2 no j >= 3 is in range: "-1".
//
// Outside the contract: for x of 2147483646 and 2147483647 a search in 32-bit
// products would wrap before its hit (and for the larger never end); the
// closed form gives the pair that exact arithmetic finds, 2 and 1073741824.
#include <cstdio>

int main() {
  int x = 0;
  scanf("%d", &x);
  if (x <= 2)
    printf("-1\n");
  else if (x == 3)
    printf("%d %d\n", 2, 3);
  else
    printf("%d %d\n", 2, x / 2 + 1);
  return 0;
}
