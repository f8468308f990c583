// letterblock: per case, a block of 3n lines, each n copies of "JVQ".
//
// Input: T, then T sizes n, all extracted from the standard input stream as
// 32-bit integers.
// Output: per case, 3n lines (3n a 32-bit product, wrapping) of n copies of
// the token with nothing between them, each line ended with std::endl.
// Nothing separates the blocks. n of 0 or less writes no copy on a line, so
// a product 3n that wraps to a positive count (n = -1431655765 gives 1)
// writes that many empty lines.
// Cost: 9n^2 bytes and 3n flushes per case. The copies of a line are written
// in runs of up to kRun copies at once rather than one insertion per copy.
//
// Outside the contract: a negative T handles no case; the first size that
// cannot be read (the input ends, or the next token is not a 32-bit integer)
// ends the run, as no later read could succeed. Enormous sizes are written as
// the format defines them, streamed a run at a time; nothing is held in
// memory in proportion to n.
#include <cstdint>
#include <iostream>
#include <string>

std::string s = "JVQ";

constexpr int kRun = 1024;

// n copies of s, written as runs of at most kRun copies.
void write_copies(const std::string& run, int n) {
  for (; n >= kRun; n -= kRun) std::cout.write(run.data(), std::streamsize(run.size()));
  if (n > 0) std::cout.write(run.data(), std::streamsize(s.size()) * n);
}

int main() {
  std::string run;
  for (int j = 0; j < kRun; ++j) run += s;

  int T = 0;
  std::cin >> T;
  // A negative T would count down through the whole 32-bit range: no case.
  for (; T > 0; --T) {
    int n = 0;
    if (!(std::cin >> n)) break;  // no size left to read
    int lines = int(3u * uint32_t(n));
    for (int i = 0; i < lines; ++i) {
      write_copies(run, n);
      std::cout << std::endl;
    }
  }
  return 0;
}
