// Literal model of powersum: per query two calls of pow and the truncated
// sum, each line ended with std::endl. Stops where an extraction fails.
// Expects n from -2147483646 to 59;
// T's countdown must stay above the 32-bit minimum.
#include <cmath>
#include <iostream>

int main() {
  int T, n;
  std::cin >> T;
  while (T--) {
    if (!(std::cin >> n)) break;
    double p = pow(2, n - 1);
    double q = pow(2, n - 2);
    double v = p + q * (n - 1);
    std::cout << (long long)v << std::endl;
  }
  return 0;
}
