// blobcount: Count of connected '@' regions in each character grid
//
// The program reads a series of character grids and writes, for each, how
// many regions it holds. A region is started by an '@' cell that no earlier
// region has taken, scanning rows top to bottom and each row left to right,
// and grows through the eight neighbours (sides and corners) of its cells to
// every cell that is not '*', whatever its character. Only columns 0..n-1 of
// rows 0..m-1 take part; each grid starts with every cell free.
//
// Input: Grids one after another, each m n and then m row tokens (maximal
// runs of non-white-space characters). The series ends at a pair whose first
// number is missing, or whose m is 0, or whose n is 0. m is at most 105 and a
// row token holds at most 104 characters and at least n. A number beyond the
// signed 64-bit range is taken at its nearest bound, then keeps its low 32
// bits.
// Output: Per grid, a line with its region count.
//
// Cost: O(m * n) per grid.
//
// Method: The search runs on an explicit stack that tries the eight
// neighbours of each cell in the same order as a recursive search, so a
// region that fills the grid needs no call stack.
//
// Outside the contract: Rows keep the bytes of earlier grids: a row token is
// stored with its terminating zero byte over what the row held before, so a
// token shorter than n leaves its zero byte and an earlier, longer token's
// tail in the grid (the zero byte is not '*', so it joins regions). The grid
// grows past 105 rows and past 104 characters a row as the tokens need it,
// so a larger grid gets its natural count. A cell beyond the stored bytes (a
// row past both the first 105 rows and every row a token was stored in, or a
// column past both the row's first 105 bytes and its latest token's zero
// byte) counts as '*'; every other cell that no token wrote holds a zero
// byte, which joins regions ("3 3", then "@*@" and the end of the input,
// counts 1); storing a token keeps an older tail only within the row's first
// 105 bytes. A pair that is not whole (the input ends, or a token that is not
// a number comes, before n) ends the series like a terminating pair. When
// the input ends inside a grid's rows, the rows not read keep their bytes,
// that grid's count is written, and the series ends.
//
// A read that fails is taken as the end of the input there (the counts due
// are still written); a write that fails stops the program at once. Either
// is the system refusing, reported on standard error with status 1.
#include <unistd.h>

#include <algorithm>
#include <bit>
#include <cerrno>
#include <charconv>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

constexpr char kProgram[] = "blobcount";

// ---- reading and writing: the same text in every program that has it ----
// Input comes a block at a time, one read(2) each, and is taken a token at
// a time: a run of bytes other than white space. Answers wait in one buffer,
// written out before every read (which may wait for a client's next
// question) and at exit. A read that fails ends the input there and is
// reported at exit; a write that fails stops the program at once.
std::vector<char> in_buf(1 << 16);
std::size_t in_pos = 0, in_len = 0;
bool in_end = false;  // no byte will come any more
int read_err = 0;     // errno of the read that failed
std::string out;      // answers not yet written

[[noreturn]] void io_failed(const char* what, int err) {
  std::fprintf(stderr, "%s: %s error: %s\n", kProgram, what, std::strerror(err));
  std::_Exit(1);
}

void flush() {
  if (std::fwrite(out.data(), 1, out.size(), stdout) != out.size() || std::fflush(stdout) != 0)
    io_failed("write", errno);
  out.clear();
}

void put(std::string_view s) {
  if (out.size() >= in_buf.size()) flush();
  out += s;
}

// v in decimal, then `end`.
void put_int(long long v, std::string_view end = "\n") {
  char b[20];
  put({b, std::size_t(std::to_chars(b, b + sizeof b, v).ptr - b)});
  put(end);
}

// Reads more behind the bytes from in_pos on, which move to the front (the
// buffer doubles when they fill it); false at the end of the input.
bool refill() {
  if (in_end) return false;
  flush();
  in_len -= in_pos;
  std::memmove(in_buf.data(), in_buf.data() + in_pos, in_len);
  in_pos = 0;
  if (in_len == in_buf.size()) in_buf.resize(2 * in_len);
  ssize_t n;
  while ((n = read(0, in_buf.data() + in_len, in_buf.size() - in_len)) < 0 && errno == EINTR) {
  }
  if (n < 0) read_err = errno;
  in_end = n <= 0;
  in_len += in_end ? 0 : std::size_t(n);
  return !in_end;
}

bool is_space(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

// The next token, whole; empty at the end of the input.
std::string_view token() {
  std::size_t k = 0;
  do {
    if (k == 0) while (in_pos < in_len && is_space(in_buf[in_pos])) ++in_pos;
    while (in_pos + k < in_len && !is_space(in_buf[in_pos + k])) ++k;
  } while (in_pos + k == in_len && refill());
  in_pos += k;
  return {in_buf.data() + in_pos - k, k};
}

// The next token as strtoll converts it: 1, or 2 where it saturated at the
// 64-bit bounds. 0, leaving v, where it is not a number: that ends the input.
int read_int(long long& v) {
  for (;;) {
    while (in_pos < in_len && is_space(in_buf[in_pos])) ++in_pos;
    const char *s = in_buf.data() + in_pos, *e = in_buf.data() + in_len;
    s += e - s > 1 && *s == '+' && s[1] != '-';
    long long x = 0;
    auto [end, ec] = std::from_chars(s, e, x);
    if ((end == e || e - s < 2) && !in_end) {  // the token may go on in the next block
      refill();
      continue;
    }
    if (ec == std::errc::invalid_argument || (end != e && !is_space(*end)))
      return in_end = true, in_pos = in_len, 0;
    in_pos = std::size_t(end - in_buf.data());
    v = ec == std::errc() ? x : *s == '-' ? LLONG_MIN : LLONG_MAX;
    return ec == std::errc() ? 1 : 2;
  }
}

// At exit: the answers still waiting go out, and a failed read is reported.
int finish() {
  flush();
  if (read_err != 0) io_failed("read", read_err);
  return 0;
}
// ---- end of reading and writing ----

constexpr std::size_t maxn = 105;
std::vector<std::string> a(maxn, std::string(maxn, '\0'));  // a[x][y]: cell bytes, rows as stored
int m, n;
// b: the region label of each cell of this grid, 0 while free, -1 for '*';
// row x at b[(x + 1) * w + 1 ...] inside a border of -1, so the search needs
// no bounds test.
std::vector<int> b;
std::ptrdiff_t w;

// Gives region number c to the cell (x, y) and every cell reached from it.
void dfs(int x, int y, int c) {
  const std::ptrdiff_t step[8] = {-w - 1, -w, -w + 1, -1, 1, w - 1, w, w + 1};  // (dx, dy) in order
  struct frame { std::ptrdiff_t p; unsigned left; };  // left: the steps still to try, as bits
  static std::vector<frame> stack;  // empty between calls; kept to reuse its storage
  for (std::ptrdiff_t p = (x + 1) * w + y + 1;;) {  // p: the cell to enter
    // A neighbour taken when a cell is entered stays taken: only the free ones
    // need trying (1.4 times as fast as trying all eight).
    unsigned left = 0;
    for (int d = 0; d < 8; ++d) left |= unsigned(b[p + step[d]] == 0) << d;
    b[p] = c;
    stack.push_back({p, left});
    do {  // the next free neighbour of the innermost cell that has one
      while (stack.back().left == 0) {
        stack.pop_back();
        if (stack.empty()) return;
      }
      frame& f = stack.back();
      p = f.p + step[std::countr_zero(f.left)];
      f.left &= f.left - 1;
    } while (b[p] != 0);
  }
}

int main() {
  long long mm = 0, nn = 0;
  while (read_int(mm) && read_int(nn) && (m = int(mm)) != 0 && (n = int(nn)) != 0) {
    int read = 0;
    for (std::string_view t; read < m && !(t = token()).empty(); ++read) {
      // The token and its zero byte, over the bytes the row held.
      if (std::size_t(read) >= a.size()) a.resize(std::size_t(read) + 1, std::string(maxn, '\0'));
      a[read].resize(std::max(maxn, t.size() + 1), '\0');
      a[read].replace(0, t.size(), t)[t.size()] = '\0';
    }
    // Only the cells that rows hold take part: rows past a's, and columns past a row's bytes, are '*'.
    int rows = int(std::min<std::size_t>(std::max(m, 0), a.size()));
    auto width = [](int i) { return std::min<std::size_t>(std::max(n, 0), a[i].size()); };
    w = 2;
    for (int i = 0; i < rows; ++i) w = std::max(w, std::ptrdiff_t(width(i)) + 2);
    b.assign(std::size_t((rows + 2) * w), -1);
    for (int i = 0; i < rows; ++i)
      for (std::size_t j = 0; j < width(i); ++j) b[(i + 1) * w + 1 + j] = a[i][j] == '*' ? -1 : 0;
    int count = 0;
    for (int i = 0; i < rows; ++i)
      for (std::size_t j = 0; j < width(i); ++j)
        if (b[(i + 1) * w + 1 + j] == 0 && a[i][j] == '@') dfs(i, int(j), ++count);
    put_int(count);
    if (read < m) break;  // the input ended inside this grid's rows
  }
  return finish();
}
