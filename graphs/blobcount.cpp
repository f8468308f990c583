// blobcount: the number of connected regions in each of a series of
// character grids.
//
// Input: grids one after another, each m n and then m row tokens (maximal
// runs of non-white-space characters). The series ends at a pair whose first
// read converts nothing, or whose m is 0, or whose n is 0.
// Output: "%d\n" per grid, its region count. A region is started by an '@'
// cell that no earlier region has taken, scanning rows top to bottom and each
// row left to right, and grows through the eight neighbours (sides and
// corners) of its cells to every cell that is not '*', whatever its
// character. Only columns 0..n-1 of rows 0..m-1 take part.
//
// Rows keep the bytes of earlier grids: a row token is stored with its
// terminating zero byte over what the row held before, so a token shorter
// than n leaves its zero byte and an earlier, longer token's tail in the
// grid (the zero byte is not '*', so it joins regions). Each grid starts with
// every cell unlabelled.
//
// Method: `dfs` labels a region on an explicit stack, taking the neighbours
// of each cell in the order (-1,-1), (-1,0), (-1,1), (0,-1), (0,1), (1,-1),
// (1,0), (1,1) as a recursive search would, so a region of any size needs no
// call stack.
// Cost: O(m * n) per grid.
//
// Outside the contract: the grid grows past maxn rows and past maxn - 1
// characters a row as the tokens need it, so a larger grid gets its natural
// count; a cell that no token of any grid has stored (past the end of the
// rows read, or more than maxn bytes along a row and past its token) counts
// as '*'; storing a token keeps an older tail only within the row's first
// maxn bytes. A pair that is not whole (the
// input ends, or a token that is not a number comes, before n) ends the
// series like a terminating pair. When the input ends inside a grid's rows,
// the rows not read keep their bytes, that grid's count is written, and the
// series ends.
#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

constexpr int maxn = 105;

std::vector<std::string> a(maxn, std::string(maxn, '\0'));  // a[x][y]: cell bytes
std::vector<std::vector<int>> b;  // b[x][y]: region label of the cell, 0 if none
int m, n;

bool is_space(int ch) {
  return ch == ' ' || ch == '\t' || ch == '\n' || ch == '\v' || ch == '\f' || ch == '\r';
}

// Reads one token into row x as "%s" would: its bytes, then a zero byte.
bool read_row(int x) {
  int ch;
  do ch = getchar();
  while (is_space(ch));
  if (ch == EOF) return false;
  std::string token;
  do {
    token += char(ch);
    ch = getchar();
  } while (ch != EOF && !is_space(ch));
  if (ch != EOF) ungetc(ch, stdin);
  if (std::size_t(x) >= a.size()) a.resize(std::size_t(x) + 1, std::string(maxn, '\0'));
  std::string& row = a[x];
  row.resize(std::max<std::size_t>(maxn, token.size() + 1), '\0');
  std::copy(token.begin(), token.end(), row.begin());
  row[token.size()] = '\0';
  return true;
}

// A cell takes part when it lies in the grid and its bytes are stored; b
// holds a label slot for exactly those cells.
bool open_cell(int x, int y) {
  if (x < 0 || x >= m || y < 0 || y >= n) return false;
  if (std::size_t(x) >= b.size() || std::size_t(y) >= b[x].size()) return false;
  if (b[x][y] > 0) return false;
  return a[x][y] != '*';
}

void dfs(int x, int y, int c) {
  struct frame {
    int x, y, dir;  // dir: the next of the eight neighbours to try
  };
  if (!open_cell(x, y)) return;
  b[x][y] = c;
  std::vector<frame> stack{{x, y, 0}};
  while (!stack.empty()) {
    frame& f = stack.back();
    if (f.dir == 8) {
      stack.pop_back();
      continue;
    }
    int d = f.dir < 4 ? f.dir : f.dir + 1;  // 0..8 without the centre, 4
    ++f.dir;
    int nx = f.x + d / 3 - 1, ny = f.y + d % 3 - 1;
    if (open_cell(nx, ny)) {
      b[nx][ny] = c;
      stack.push_back({nx, ny, 0});
    }
  }
}

int main() {
  for (;;) {
    if (scanf("%d%d", &m, &n) != 2) break;
    if (m == 0 || n == 0) break;
    int count = 0;
    int read = 0;
    while (read < m && read_row(read)) ++read;
    int rows = std::min<long long>(std::max(m, 0), (long long)a.size());
    b.assign(std::size_t(rows), {});
    for (int i = 0; i < rows; ++i)
      b[i].assign(std::size_t(std::clamp<long long>(n, 0, (long long)a[i].size())), 0);
    for (int i = 0; i < rows; ++i)
      for (int j = 0; j < int(b[i].size()); ++j)
        if (b[i][j] == 0 && a[i][j] == '@') {
          ++count;
          dfs(i, j, count);
        }
    printf("%d\n", count);
    if (read < m) break;  // the input ended inside this grid's rows
  }
  return 0;
}
