// Literal model of letterblock: T read by extraction, then per case 3n lines
// of n insertions of the token, each line ended with std::endl.
#include <iostream>
#include <string>

std::string s = "JVQ";

int main() {
  int T = 0, n = 0;
  std::cin >> T;
  while (T--) {
    if (!(std::cin >> n)) break;
    for (int i = 0; i < int(3u * unsigned(n)); i++) {
      for (int j = 0; j < n; j++) std::cout << s;
      std::cout << std::endl;
    }
  }
  return 0;
}
