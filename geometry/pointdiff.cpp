// pointdiff: a small point record with subtraction and stream output.
//
// Input: none; standard input is never read.
// Output: (4, 2) minus (3, 0), written as "(1,2)\n".
// Cost: constant.
//
// Outside the contract: no input is outside it; whatever standard input
// holds is left unread and changes nothing.
#include <cstdint>
#include <iostream>
#include <ostream>

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
  return 0;
}
