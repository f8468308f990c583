// recipemax: Most copies of a recipe that stock and money can make
//
// The program reads a recipe line, the units of each ingredient in stock,
// their unit prices and the money available, and writes the largest number
// of copies of the recipe, from 1 to 10^13 + 2, that can be made when
// missing units are bought at their prices; 0 when not even one copy can be
// made.
//
// Input: The recipe line, up to the first line feed, carriage return or
// zero byte: each 'B', 'S' and 'C' is one unit of that ingredient, every
// other byte (spaces, tabs, lower case, 0xFF) is skipped. Then seven decimal
// integers with an optional sign, each a signed 64-bit value: the stock of
// B, S and C, their unit prices, and the money. A number missing at the end,
// or a token that is not a number, leaves 0 there and in every number after
// it; a number beyond the 64-bit range is taken as the nearest limit, and
// the numbers after it are 0.
// Output: One line with the number of copies: the upper bound of a
// bisection over 1 to 10^13 + 2 whose midpoint is the sum of the bounds
// halved, the lower bound moving above a midpoint that can be made and the
// upper bound below one that cannot.
//
// Cost: The length of the recipe line, then at most 44 constant-time steps.
//
// Method: For a number of copies the ingredients are settled in the order
// B, S, C: an ingredient that the recipe uses and whose stock falls short
// (the stock minus the copies times the letter count, below 0) adds the
// shortfall times its price to the money, and the money is tested after
// each purchase. Arithmetic is signed 64-bit and wraps in two's complement,
// since the copies times a letter count can exceed the 64-bit range for long
// recipes.
//
// Outside the contract: Input that ends before the recipe line has ended
// ends the line there; the seven numbers are then 0. The letter counts wrap
// at 32 bits, like every sum, on a line of 2^31 or more equal letters.
//
// A read that fails is taken as the end of the input there, so the numbers
// after it are not read and stay 0. A write that fails stops the program at
// once. Either is the system refusing, reported on standard error with
// status 1.
//
// Notes: The recipe line is read with getchar, whose result stays an int
// until it is compared with EOF, so a 0xFF byte is not taken for the end;
// the numbers are extracted with >> from std::cin, which stays synchronised
// with the C input, so extraction starts at the byte after the recipe line.
// The wrapping arithmetic is done in unsigned 64-bit and converted back.
#include <cstdint>
#include <cstdio>
#include <iostream>
#include <cerrno>
#include <cstdlib>
#include <cstring>

// The system's refusal to read or write is reported; input content never is.
[[noreturn]] void io_failed(const char* what, int err) {
  std::fprintf(stderr, "recipemax: %s error: %s\n", what, std::strerror(err));
  std::_Exit(1);
}

int B, S, C;
int s;  // the character read last from the recipe line
int64_t O_B1, O_S1, O_C1, P_B, P_S, P_C, money1;

int64_t wrap_mul(int64_t a, int64_t b) { return int64_t(uint64_t(a) * uint64_t(b)); }
int64_t wrap_add(int64_t a, int64_t b) { return int64_t(uint64_t(a) + uint64_t(b)); }
int64_t wrap_sub(int64_t a, int64_t b) { return int64_t(uint64_t(a) - uint64_t(b)); }
void count(int& letter) { letter = int(uint32_t(letter) + 1u); }

void read_recipe() {
  while ((s = getchar()) != EOF && s != '\n' && s != '\r' && s != 0) {
    if (s == 'B')
      count(B);
    else if (s == 'S')
      count(S);
    else if (s == 'C')
      count(C);
  }
}

// Pays for `need` units short of `stock` when the recipe uses the ingredient;
// false when that leaves the money negative.
bool buy(int64_t& m, int letters, int64_t stock, int64_t price, int64_t x) {
  int64_t rest = wrap_sub(stock, wrap_mul(x, letters));
  if (letters == 0 || rest >= 0) return true;
  m = wrap_add(m, wrap_mul(rest, price));
  return m >= 0;
}

bool check(int64_t x) {
  int64_t m = money1;
  return buy(m, B, O_B1, P_B, x) && buy(m, S, O_S1, P_S, x) && buy(m, C, O_C1, P_C, x);
}

int main() {
  read_recipe();
  // A read that fails ends the input there: the numbers after it are not
  // read (they stay 0, as at the end of the input), and it is reported at exit.
  int read_err = ferror(stdin) ? errno : 0;
  if (read_err == 0) std::cin >> O_B1 >> O_S1 >> O_C1 >> P_B >> P_S >> P_C >> money1;
  if (read_err == 0 && ferror(stdin)) read_err = errno;
  int64_t lo = 1, hi = 10000000000002;
  while (lo <= hi) {
    int64_t mid = (lo + hi) / 2;
    if (check(mid))
      lo = mid + 1;
    else
      hi = mid - 1;
  }
  // The line reaches the output only with the flush at exit: test both.
  if (printf("%lld\n", (long long)hi) < 0 || fflush(stdout) != 0) io_failed("write", errno);
  if (read_err != 0) io_failed("read", read_err);
  return 0;
}
