// abchains: ways to pick a non-empty set of letters 'a' from one line, at most
// one from each stretch between runs of 'b', modulo 1000000007.
//
// Input: one line, read byte by byte with getchar up to its first '\n' or
// '\r' (a "\r\n" line ends at the '\r'); nothing after that is read.
// Output: one line "%lld\n": the product over the stretches of (1 + the number
// of 'a' in the stretch), reduced modulo 1000000007, minus 1. A product that
// reduces to 0 prints -1.
// Runs of 'b' cut the line into stretches (a run counts once, wherever it
// stands). Every other byte, upper-case letters, spaces, a zero byte and 0xFF
// included, is passed over: it neither ends a stretch nor the line.
//
// Cost: O(length of the line), one multiplication per stretch.
//
// Outside the contract: input that ends before any line end finishes as at a
// line end. The getchar result stays an int until it is compared with EOF, so
// a byte 0xFF is an ordinary byte and not the end of the input.
#include <cstdint>
#include <cstdio>

constexpr int64_t kMod = 1000000007;

int main() {
  int64_t product = 1, factor = 1;
  int c = getchar();
  while (true) {
    if (c == '\n' || c == '\r' || c == EOF) {
      product = product * factor % kMod;
      printf("%lld\n", (long long)(product - 1));
      return 0;
    }
    if (c == 'a') {
      // Kept below the modulus, so product * factor stays within 64 bits on
      // any line length; the reduced product is the same.
      if (++factor == kMod) factor = 0;
      c = getchar();
    } else if (c == 'b') {
      product = product * factor % kMod;
      do c = getchar();
      while (c == 'b');
      factor = 1;
    } else {
      c = getchar();
    }
  }
}
