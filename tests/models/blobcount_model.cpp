// Literal model of blobcount: a recursive search labels each region.
#include <cstdio>
#include <cstring>

const int maxn = 105;
char a[maxn][maxn];
int b[maxn][maxn];
int m, n;

void dfs(int x, int y, int c) {
  if (x < 0 || x >= m || y < 0 || y >= n) return;
  if (b[x][y] > 0 || a[x][y] == '*') return;
  b[x][y] = c;
  for (int dx = -1; dx <= 1; ++dx)
    for (int dy = -1; dy <= 1; ++dy)
      if (dx != 0 || dy != 0) dfs(x + dx, y + dy, c);
}

int main() {
  while (scanf("%d%d", &m, &n) == 2 && m != 0 && n != 0) {
    int count = 0;
    memset(b, 0, sizeof b);
    for (int i = 0; i < m; ++i) scanf("%s", a[i]);
    for (int i = 0; i < m; ++i)
      for (int j = 0; j < n; ++j)
        if (b[i][j] == 0 && a[i][j] == '@') dfs(i, j, ++count);
    printf("%d\n", count);
  }
  return 0;
}
