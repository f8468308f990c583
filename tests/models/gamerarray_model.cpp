// Literal model of gamerarray: the values in a zero-filled array of
// 100,005, and a check that sums x - v over all n of them in 64-bit wrapping
// arithmetic. Expects n of at most 100,005 and n values after it.
#include <cstdint>
#include <cstring>
#include <iostream>

int64_t gamers[100005];
int64_t n, temp;

bool check(int64_t x) {
  uint64_t sum = 0;
  for (int64_t i = 0; i < n; ++i) sum += uint64_t(x) - uint64_t(gamers[i]);
  return int64_t(sum) >= x;
}

int main() {
  memset(gamers, 0, sizeof gamers);
  std::ios::sync_with_stdio(false);
  std::cin >> n;
  for (int64_t i = 0; i < n; ++i) {
    std::cin >> gamers[i];
    if (gamers[i] > temp) temp = gamers[i];
  }
  int64_t lo = temp, hi = 1000000000;
  while (lo <= hi) {
    int64_t mid = (lo + hi) >> 1;
    if (check(mid))
      hi = mid - 1;
    else
      lo = mid + 1;
  }
  std::cout << lo << std::endl;
  return 0;
}
