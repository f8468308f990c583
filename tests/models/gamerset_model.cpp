// Literal model of gamerset: a counter per value, the distinct values in an
// ordered set walked by a global iterator on every check. Expects n values,
// each from 0 to 9,999,999.
#include <cstdint>
#include <iostream>
#include <set>

int32_t gamers[10000000];
int64_t temp = 0;
std::set<int64_t> s;
std::set<int64_t>::iterator itsetIntTest;

bool check(int64_t x) {
  uint64_t sum = 0;
  for (itsetIntTest = s.begin(); itsetIntTest != s.end(); ++itsetIntTest)
    sum += uint64_t(int64_t(gamers[*itsetIntTest])) * (uint64_t(x) - uint64_t(*itsetIntTest));
  return int64_t(sum) >= x;
}

int main() {
  std::ios::sync_with_stdio(false);
  int64_t n = 0, v = 0;
  std::cin >> n;
  for (int64_t i = 0; i < n; ++i) {
    std::cin >> v;
    ++gamers[v];
    s.insert(v);
    if (v > temp) temp = v;
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
