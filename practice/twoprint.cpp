// twoprint: two fixed numbers passed through the identity function `fun`.
//
// Input: none; standard input is never read.
// Output: "1\n9\n", each line ended with std::endl.
// Cost: constant.
//
// Outside the contract: no input is outside it; whatever standard input
// holds is left unread and changes nothing. A write that fails is the
// system refusing, reported on standard error with status 1.
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
