// twoprint: two fixed numbers passed through the identity function `fun`.
//
// Input: none; standard input is never read.
// Output: "1\n9\n", each line ended with std::endl.
// Cost: constant.
//
// Outside the contract: no input is outside it; whatever standard input
// holds is left unread and changes nothing.
#include <iostream>

int fun(int a) { return a; }

int main() {
  std::cout << fun(1) << std::endl;
  std::cout << fun(9) << std::endl;
  return 0;
}
