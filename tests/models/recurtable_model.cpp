// Literal model of recurtable: the 31-entry table, then one extraction and
// one look-up per query, each line ended with std::endl. Stops where an
// extraction fails. Expects indices from 0 to 30;
// T's countdown must stay above the 32-bit minimum.
#include <cstdint>
#include <iostream>

int64_t ans[31];

int main() {
  ans[1] = 1;
  ans[2] = 3;
  for (int i = 3; i <= 30; i++) ans[i] = 2 * ans[i - 2] + ans[i - 1];
  int T, n;
  std::cin >> T;
  while (T--) {
    if (!(std::cin >> n)) break;
    std::cout << ans[n] << std::endl;
  }
  return 0;
}
