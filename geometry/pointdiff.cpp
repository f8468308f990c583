// pointdiff: Difference of two fixed points, as "(1,2)"
//
// The program subtracts the point (3, 0) from the point (4, 2) with a small
// point record of its own and writes the result through the record's stream
// output.
//
// Input: None; standard input is never read.
// Output: (4, 2) minus (3, 0), written as "(1,2)\n".
// Cost: Constant.
//
// Outside the contract: No input is outside it; whatever standard input
// holds is left unread and changes nothing. A write that fails is the
// system refusing, reported on standard error with status 1.
//
// Notes: The line goes through stdio's buffer and reaches the output only
// with the flush at exit, so both the stream and that flush are checked for a
// write that failed.
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <ostream>

// The system's refusal to write is reported.
[[noreturn]] void write_failed(int err) {
  std::fprintf(stderr, "pointdiff: write error: %s\n", std::strerror(err));
  std::_Exit(1);
}

struct Point {
  int x, y;
  Point(int x_, int y_) : x(x_), y(y_) {}
};

// Field-wise difference, first operand's fields first; wraps at 32 bits.
Point operator-(const Point& a, const Point& b) {
  return Point(int(uint32_t(a.x) - uint32_t(b.x)), int(uint32_t(a.y) - uint32_t(b.y)));
}

std::ostream& operator<<(std::ostream& out, const Point& p) {
  out << "(" << p.x << "," << p.y << ")";
  return out;
}

int main() {
  Point p(0, 0);
  Point q(4, 2);
  p.x = 3;
  std::cout << q - p << "\n";
  // std::cout writes through stdio's buffer, which reaches the output only
  // with the flush at exit: test both.
  if (!std::cout || std::fflush(stdout) != 0) write_failed(errno);
  return 0;
}
