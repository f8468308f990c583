// blobcount: the number of connected regions in each of a series of
// character grids.
//
// Input: grids one after another, each m n and then m row tokens (maximal
// runs of non-white-space characters). The series ends at a pair whose first
// read converts nothing, or whose m is 0, or whose n is 0. m and n are read
// as scanf's "%d" takes them (a value beyond the 64-bit range clamped to it,
// then cut to its low 32 bits); the reader takes the bytes through the C++
// stream's buffer (not synchronised with stdio; nothing else reads them), a
// block of what is ready at a time.
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
// Method: a search from each untaken '@' takes exactly the 8-connected group
// of non-'*' cells around it, so the count is the number of such groups
// that hold an '@'. The groups are found row by row: each row splits into
// runs of non-'*' cells, a run joins every run of the row above that it
// touches at a side or corner (the runs [a, b] and [c, d] touch when
// c <= b + 1 and a <= d + 1), and a union-find over the runs gives the
// groups. No search, and no call stack, whatever a region's size.
// Cost: O(m * n) per grid, one pass over its bytes. On 300 full grids this
// is about 7 times the time of merely reading the bytes: the union of the
// runs (about one run per four cells of a random grid) costs that.
//
// Outside the contract: the grid grows past maxn rows and past maxn - 1
// characters a row as the tokens need it, so a larger grid gets its natural
// count; a cell beyond the stored bytes (a row past both the first maxn
// rows and every row a token was stored in, or a column past both the row's
// first maxn bytes and its latest token's zero byte) counts as '*'; every
// other cell that no token wrote holds a zero byte, which joins regions
// ("3 3", then "@*@" and the end of the input, counts 1); storing a token keeps an older tail only within the row's first
// maxn bytes. A pair that is not whole (the
// input ends, or a token that is not a number comes, before n) ends the
// series like a terminating pair. When the input ends inside a grid's rows,
// the rows not read keep their bytes, that grid's count is written, and the
// series ends.
#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <string>
#include <vector>
#include <cerrno>
#include <cstdlib>

// The system's refusal to read or write is reported; input content never is.
[[noreturn]] void io_failed(const char* what, int err) {
  std::fprintf(stderr, "blobcount: %s error: %s\n", what, std::strerror(err));
  std::_Exit(1);
}

constexpr int maxn = 105;

std::vector<std::string> a(maxn, std::string(maxn, '\0'));  // a[x][y]: cell bytes
int m, n;

// The input, a block at a time: a block is what the stream can hand over
// without waiting (what it holds, or else what the pipe or file has ready),
// so a read waits only when no byte is there, as scanf does. The byte after
// a block is 0, neither a digit nor white space, so a scan stops there
// without testing for the end; 8 bytes from any place up to it may be loaded.
constexpr std::streamsize kBlock = 1 << 16;
char buf[kBlock + 8];
char* p = buf;
char* e = buf;

// A read that fails ends the input there, as though it had been cut: the
// stream's buffer throws where the read failed, no read is tried after it,
// and the failure is reported at exit.
int read_err;  // errno of the failed read

bool refill() {
  if (read_err != 0) return false;
  std::streambuf* in = std::cin.rdbuf();
  try {  // one read at most: sgetc refills, sgetn copies what it brought
    if (in->sgetc() == std::char_traits<char>::eof()) return false;
    e = buf + in->sgetn(buf, std::min(in->in_avail(), kBlock));
  } catch (const std::ios_base::failure&) {
    read_err = errno;  // still that of the failed read
    return false;
  }
  *e = 0;
  p = buf;
  return true;
}

// Eight bytes as one word, the first byte the lowest whatever the host's
// byte order (a swap on big-endian machines, chosen at compile time).
inline uint64_t load8(const char* q) {
  uint64_t w;
  std::memcpy(&w, q, 8);
  if constexpr (std::endian::native == std::endian::big) w = __builtin_bswap64(w);
  return w;
}

bool is_digit(char c) { return c >= '0' && c <= '9'; }
bool is_space(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

// The run of digits at q, up to 8 of them: how many, and their value, taken
// eight bytes at once (the first byte is the lowest).
inline int digits8(const char* q, uint64_t& value) {
  uint64_t w = load8(q);
  uint64_t other = ((w + 0x4646464646464646) | (w - 0x3030303030303030) | w) & 0x8080808080808080;
  int len = std::countr_zero(other) >> 3;  // bytes before the first one that is not a digit
  if (len == 0) return value = 0;
  uint64_t v = (w - 0x3030303030303030) << (64 - 8 * len);  // the digits, behind leading zeros
  v = (v * 10 + (v >> 8)) & 0x00FF00FF00FF00FF;
  v = (v * 100 + (v >> 16)) & 0x0000FFFF0000FFFF;
  value = (v * 10000 + (v >> 32)) & 0xFFFFFFFF;
  return len;
}

constexpr uint64_t kPow10[] = {1,       10,       100,       1000,       10000,       100000,      1000000,
                               10000000, 100000000, 1000000000, 10000000000, 100000000000, 1000000000000,
                               10000000000000, 100000000000000, 1000000000000000, 10000000000000000,
                               100000000000000000, 1000000000000000000, 10000000000000000000u};

// One number as "%lld" takes it; false when no digit follows the white space
// and the optional sign (the sign stays taken, the byte after it does not).
bool read_ll(long long& v) {
  do
    while (is_space(*p)) ++p;
  while (p == e && refill());
  if (p == e) return false;
  bool negative = *p == '-';
  if ((*p == '-' || *p == '+') && ++p == e && !refill()) return false;
  if (!is_digit(*p)) return false;
  uint64_t mag = 0;
  bool over = false;
  for (;;) {
    uint64_t chunk;
    int len = digits8(p, chunk);
    if (mag < kPow10[19 - len]) {  // below 10^19 after the step: no overflow
      mag = mag * kPow10[len] + chunk;
    } else {
      for (int k = 0; k < len; ++k) {
        uint64_t d = uint64_t(p[k] - '0');
        if (mag > (UINT64_MAX - d) / 10) over = true;
        else mag = mag * 10 + d;
      }
    }
    p += len;
    if (len < 8 && !(p == e && refill())) break;
  }
  if (over || mag > uint64_t(INT64_MAX) + negative)
    v = negative ? INT64_MIN : INT64_MAX;
  else
    v = negative ? (long long)(0 - mag) : (long long)mag;
  return true;
}

// One number as "%d" takes it: the "%lld" value cut to its low 32 bits.
bool read_int(int& v) {
  long long wide;
  if (!read_ll(wide)) return false;
  v = int(wide);
  return true;
}

// Reads one token into row x as "%s" would: its bytes, then a zero byte.
std::string token;
bool read_row(int x) {
  do
    while (is_space(*p)) ++p;
  while (p == e && refill());
  if (p == e) return false;
  token.clear();
  do {  // the token's bytes in this block, then in the next while they run on
    char* q = p;
    while (q != e) {
      if (e - q >= 8) {  // 8 bytes at once, to the first below '!'
        uint64_t w = load8(q);
        uint64_t low = (w - 0x2121212121212121) & ~w & 0x8080808080808080;
        if (!low) {
          q += 8;
          continue;
        }
        q += std::countr_zero(low) >> 3;
      }
      if (is_space(*q)) break;
      ++q;
    }
    token.append(p, q);
    p = q;
  } while (p == e && refill());
  if (std::size_t(x) >= a.size()) a.resize(std::size_t(x) + 1, std::string(maxn, '\0'));
  std::string& row = a[x];
  row.resize(std::max<std::size_t>(maxn, token.size() + 1), '\0');
  std::copy(token.begin(), token.end(), row.begin());
  row[token.size()] = '\0';
  return true;
}

// A run of non-'*' cells in one row, columns lo..hi, and whether one is '@'.
struct run {
  int lo, hi;
  bool at;
};
std::vector<run> runs;
std::vector<int> parent;  // union-find over the runs of the grid

int find(int r) {
  while (parent[r] != r) r = parent[r] = parent[parent[r]];
  return r;
}

// One bit per byte of the 8 at q: set where the byte is c (the first byte is the lowest bit).
unsigned bytes_equal(const char* q, char c) {
  uint64_t w = load8(q);
  uint64_t x = w ^ (0x0101010101010101 * (unsigned char)c);  // 0 where the byte is c
  uint64_t zero = ~(((x & 0x7F7F7F7F7F7F7F7F) + 0x7F7F7F7F7F7F7F7F) | x) & 0x8080808080808080;
  return unsigned(((zero >> 7) * 0x0102040810204080) >> 56);
}

std::vector<uint64_t> open_bits, at_bits;  // one row: bit j for column j

// Whether any bit lo..hi of `bits` is set.
bool any_bit(const std::vector<uint64_t>& bits, int lo, int hi) {
  for (int k = lo >> 6; k <= hi >> 6; ++k) {
    uint64_t m = bits[std::size_t(k)];
    if (k == lo >> 6) m &= ~uint64_t(0) << (lo & 63);
    if (k == hi >> 6) m &= ~uint64_t(0) >> (63 - (hi & 63));
    if (m) return true;
  }
  return false;
}

// The runs of row x (columns 0..width-1), appended to `runs`. The row's cells
// become bits, 8 at a time; its runs start and end where the bits change.
void add_runs(int x, int width) {
  const char* row = a[x].data();
  std::size_t words = std::size_t(width) / 64 + 1;  // a spare bit past the last column
  open_bits.assign(words, 0);
  at_bits.assign(words, 0);
  int j = 0;
  for (; j + 8 <= width; j += 8) {
    open_bits[std::size_t(j) >> 6] |= uint64_t(~bytes_equal(row + j, '*') & 0xFF) << (j & 63);
    at_bits[std::size_t(j) >> 6] |= uint64_t(bytes_equal(row + j, '@')) << (j & 63);
  }
  for (; j < width; ++j) {
    open_bits[std::size_t(j) >> 6] |= uint64_t(row[j] != '*') << (j & 63);
    at_bits[std::size_t(j) >> 6] |= uint64_t(row[j] == '@') << (j & 63);
  }
  int lo = -1;  // the start of the run being walked, or -1 between runs
  uint64_t carry = 0;
  for (std::size_t k = 0; k < words; ++k) {
    uint64_t change = open_bits[k] ^ ((open_bits[k] << 1) | carry);
    carry = open_bits[k] >> 63;
    for (; change; change &= change - 1) {
      int at = int(k * 64) + std::countr_zero(change);
      if (lo < 0) {
        lo = at;
      } else {
        runs.push_back({lo, at - 1, any_bit(at_bits, lo, at - 1)});
        lo = -1;
      }
    }
  }
}

// The number of groups that hold an '@' among the cells of rows 0..rows-1,
// row i holding the cells 0..width(i)-1 of a[i].
int regions(int rows) {
  runs.clear();
  std::size_t above = 0, here = 0;  // where the runs of the row above and of this row start
  for (int i = 0; i < rows; ++i) {
    here = runs.size();
    add_runs(i, int(std::clamp<long long>(n, 0, (long long)a[i].size())));
    parent.resize(runs.size());
    for (std::size_t k = here; k < runs.size(); ++k) parent[k] = int(k);
    for (std::size_t u = above, v = here; u < here && v < runs.size();) {
      if (runs[u].hi + 1 < runs[v].lo) {
        ++u;
      } else if (runs[v].hi + 1 < runs[u].lo) {
        ++v;
      } else {  // they touch: one group; the run that ends first touches nothing further
        parent[find(int(v))] = find(int(u));
        if (runs[u].hi < runs[v].hi) ++u;
        else ++v;
      }
    }
    above = here;
  }
  int count = 0;
  for (std::size_t k = 0; k < runs.size(); ++k) runs[find(int(k))].at |= runs[k].at;
  for (std::size_t k = 0; k < runs.size(); ++k) count += parent[k] == int(k) && runs[k].at;
  return count;
}

int main() {
  std::ios::sync_with_stdio(false);
  for (;;) {
    if (!read_int(m) || !read_int(n)) break;
    if (m == 0 || n == 0) break;
    int read = 0;
    while (read < m && read_row(read)) ++read;
    if (printf("%d\n", regions(int(std::min<long long>(std::max(m, 0), (long long)a.size())))) < 0)
      io_failed("write", errno);  // nothing after a lost line would arrive
    if (read < m) break;  // the input ended inside this grid's rows
  }
  if (fflush(stdout) != 0) io_failed("write", errno);
  if (read_err != 0) io_failed("read", read_err);
  return 0;
}
