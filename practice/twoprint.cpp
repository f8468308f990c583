// twoprint: 1 and 9 passed through an identity function
//
// The program passes the fixed numbers 1 and 9 through a function that
// returns its argument unchanged and writes each result on a line of its own.
//
// Input: None; standard input is never read.
// Output: The two lines 1 and 9, each written out as it is made.
// Cost: Constant.
//
// Outside the contract: No input is outside it; whatever standard input
// holds is left unread and changes nothing. A write that fails is the
// system refusing, reported on standard error with status 1.
//
// Notes: Each line is flushed as it is written (std::endl), so a write that
// fails is noticed at once.
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iostream>

// The system's refusal to write is reported.
[[noreturn]] void write_failed(int err) {
  std::fprintf(stderr, "twoprint: write error: %s\n", std::strerror(err));
  std::_Exit(1);
}

int fun(int a) { return a; }

// std::endl flushes each line, so a refused write shows at once.
int main() {
  std::cout << fun(1) << std::endl;
  if (!std::cout) write_failed(errno);
  std::cout << fun(9) << std::endl;
  if (!std::cout) write_failed(errno);
  return 0;
}
