// Literal model of trianglepath: the fixed 105 by 105 table cleared for every
// case and folded in place. Expects 0 <= n <= 104 and every number present.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstring>

int64_t tower[105][105];

int main() {
  int T = 0, n = 0;
  scanf("%d", &T);
  while (T--) {
    memset(tower, 0, sizeof tower);
    scanf("%d", &n);
    for (int i = 1; i <= n; ++i)
      for (int j = 1; j <= i; ++j) scanf("%lld", (long long*)&tower[i][j]);
    for (int r = n; r > 1; --r)
      for (int k = 1; k < r; ++k)
        tower[r - 1][k] = int64_t(uint64_t(std::max(tower[r][k], tower[r][k + 1])) +
                                  uint64_t(tower[r - 1][k]));
    printf("%lld\n", (long long)tower[1][1]);
  }
  return 0;
}
