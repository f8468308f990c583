// Literal model of halfrepeat: both halves copied out with substr for every
// candidate from n / 2 downward. A candidate whose second half would begin
// past the end of the string counts as no match, as in the program.
#include <cstdint>
#include <iostream>
#include <string>

int main() {
  std::ios::sync_with_stdio(false);
  int n = 0;
  std::string str;
  std::cin >> n >> str;
  int64_t ans = 0;
  int k = n / 2;
  while (k > 0) {
    if (std::size_t(k) <= str.size()) {
      std::string a = str.substr(0, k);
      std::string b = str.substr(k, k);
      if (a == b) {
        ans = k;
        break;
      }
    }
    k--;
  }
  ans += int64_t(n - 2 * k);
  if (k != 0) ans += 1;
  std::cout << ans << std::endl;
  return 0;
}
