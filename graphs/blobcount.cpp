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
// number converts nothing, or whose m is 0, or whose n is 0. m and n are
// read as scanf's "%d" takes them (a value beyond the 64-bit range clamped
// to it, then cut to its low 32 bits). At most 105 rows of at most 104
// characters.
// Output: Per grid, its region count and a newline ("%d\n").
//
// Cost: O(m * n) per grid, one pass over its bytes. On 300 full grids, half
// their cells '*', a profile puts about 42% of a run in joining the rows'
// runs and 6% in turning rows into bits, about 5% in reading the input, and
// the rest in starting the process and in the system's reads.
//
// Method: A search from each free '@' takes exactly the 8-connected group of
// non-'*' cells around it, so the count is the number of such groups that
// hold an '@'. The groups are found row by row, with no search and no call
// stack whatever a region's size. With eight neighbours, every cell of a
// column touches every cell of the next column in the same two rows, so the
// groups that two neighbouring rows form between them are the runs of the
// columns where either row has a cell that is not '*'. Each such run is a
// node of a union-find; a run of the upper row lies in one such run of its
// pair with the row above it and in one of its pair with the row below, and
// joining those two nodes joins the groups. The groups that hold an '@' are
// counted as they are made and joined.
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
//
// Notes: The bytes come through the C++ stream's own 8 KB buffer (not
// synchronised with stdio; nothing else reads them), one read at most per
// refill, so a read that fails part way loses nothing read before it.
// Numbers and row tokens are scanned eight bytes at a time, and rows become
// bit masks (not '*', '@') eight cells at a time, words loaded lowest byte
// first on every host. A grid's memory is its rows' bytes, one union-find
// entry per run of two rows' union, and two node tables as wide as the
// widest row (8 bytes a column each). On the benchmark input the joining
// went from about 75% of a run (a union-find over each row's runs, merged
// with the row above) to the 42% above; what remains there is mostly the
// latency of the union-find's lookups.
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

// The end of the token at q within the block: its first white space, or e.
char* token_end(char* q) {
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
  return q;
}

// Reads one token into row x as "%s" would: its bytes, then a zero byte.
std::string token;  // the start of a token that runs past the block
bool read_row(int x) {
  do
    while (is_space(*p)) ++p;
  while (p == e && refill());
  if (p == e) return false;
  token.clear();
  char* q = token_end(p);
  while (q == e) {  // keep the bytes, and read on while the token does
    token.append(p, q);
    p = q;
    if (!refill()) break;
    q = token_end(p);
  }
  std::size_t length = token.size() + std::size_t(q - p);
  if (std::size_t(x) >= a.size()) a.resize(std::size_t(x) + 1, std::string(maxn, '\0'));
  std::string& row = a[x];
  row.resize(std::max<std::size_t>(maxn, length + 1), '\0');
  std::copy(p, q, std::copy(token.begin(), token.end(), row.begin()));
  row[length] = '\0';
  p = q;
  return true;
}

// Rows become bits, one per column (column j at bit j % 64 of word j / 64),
// and the grid is joined a row at a time. With eight neighbours, every cell
// of a column touches every cell of the next column in the same two rows, so
// the groups that two rows make among themselves are the runs of the union
// of their bits ("pair runs"). Each pair run is a node of a union-find; a
// run of the row above lies in one pair run of the rows above it and in one
// of this pair, and joining those two nodes, run by run, joins the groups.
struct row_bits {
  std::vector<uint64_t> open;         // the cells that are not '*'
  std::vector<uint64_t> ends;         // the column just past each pair run
  std::vector<std::size_t> next_end;  // per word, the first end at or after its start
  std::vector<std::size_t> node;      // per end column, its pair run's node
  std::size_t used = 0;               // the words of `open` that may not be 0
};
row_bits bits[2];                   // this row and the row above, by parity
std::vector<uint64_t> at_bits;      // the '@' cells of this row
std::vector<std::size_t> parent;    // the nodes of the grid
std::vector<unsigned char> has_at;  // whether a root's group holds an '@'

// The root of node x. A node's parent is mostly itself or a root, so two
// steps are taken without a test before the loop that halves the path.
inline std::size_t find(std::size_t* up, std::size_t x) {
  std::size_t r = up[up[x]];
  while (up[r] != r) r = up[r] = up[up[r]];
  return r;
}

// One bit per byte of the word w: set where the byte is c (the first byte is the lowest bit).
unsigned bytes_equal(uint64_t w, char c) {
  uint64_t x = w ^ (0x0101010101010101 * (unsigned char)c);  // 0 where the byte is c
  uint64_t zero = ~(((x & 0x7F7F7F7F7F7F7F7F) + 0x7F7F7F7F7F7F7F7F) | x) & 0x8080808080808080;
  return unsigned(((zero >> 7) * 0x0102040810204080) >> 56);
}

// The cells 0..width-1 of a row as the first `words` words of `open` and
// `at_bits`; the columns past width are '*'.
void row_to_bits(const char* row, std::size_t width, std::size_t words, uint64_t* open) {
  for (std::size_t k = 0; k < words; ++k) {
    std::size_t j = k * 64, stop = std::min(j + 64, std::max(width, j));
    uint64_t o = 0, at = 0;
    for (; j + 8 <= stop; j += 8) {
      uint64_t w = load8(row + j);
      o |= uint64_t(~bytes_equal(w, '*') & 0xFF) << (j & 63);
      at |= uint64_t(bytes_equal(w, '@')) << (j & 63);
    }
    for (; j < stop; ++j) {
      o |= uint64_t(row[j] != '*') << (j & 63);
      at |= uint64_t(row[j] == '@') << (j & 63);
    }
    open[k] = o;
    at_bits[k] = at;
  }
}

// The node of the pair run that holds column p (the first end past p).
inline std::size_t node_of(const row_bits& r, std::size_t p) {
  std::size_t k = p >> 6;
  uint64_t mask = r.ends[k] & (~uint64_t(0) << (p & 63));
  std::size_t here = (k << 6) + std::size_t(std::countr_zero(mask)), later = r.next_end[k + 1];
  return r.node[mask ? here : later];
}

// The number of groups that hold an '@' among the cells of rows 0..rows-1,
// row i holding the cells 0..width(i)-1 of a[i].
int regions(int rows) {
  auto width = [](int i) { return std::size_t(std::clamp<long long>(n, 0, (long long)a[i].size())); };
  std::size_t widest = 0;
  for (int i = 0; i < rows; ++i) widest = std::max(widest, width(i));
  for (row_bits& r : bits) {  // words past `used` are 0; a row above the first has none
    std::fill_n(r.open.begin(), r.used, 0);
    r.used = 0;
    r.open.resize(widest / 64 + 1);
    r.ends.resize(widest / 64 + 1);
    r.next_end.resize(widest / 64 + 2);
    r.node.resize(widest / 64 * 64 + 64);
  }
  at_bits.resize(widest / 64 + 1);
  std::size_t nodes = 0, words_above = 0;
  long long count = 0;  // the roots whose group holds an '@'
  for (int i = 0; i < rows; ++i) {
    const row_bits& above = bits[(i + 1) & 1];
    row_bits& here = bits[i & 1];
    // The words that hold this row and the row above, and a spare column
    // past both, so that every run ends inside them.
    std::size_t w = width(i), words = std::max(w / 64 + 1, words_above);
    row_to_bits(a[i].data(), w, words, here.open.data());
    for (std::size_t k = words; k < here.used; ++k) here.open[k] = 0;  // two rows up, wider
    here.used = words;
    words_above = w / 64 + 1;
    if (parent.size() < nodes + words * 32 + 1) {  // room for this row's nodes
      parent.resize(2 * (nodes + words * 32 + 1));
      has_at.resize(parent.size());
    }
    std::size_t* up = parent.data();
    unsigned char* at = has_at.data();
    // The pair runs, each a new node, which holds an '@' of this row when
    // adding the '@' bits carries out of the run (into the column past it).
    uint64_t shift_in = 0, carry = 0;
    for (std::size_t k = 0; k < words; ++k) {
      uint64_t u = above.open[k] | here.open[k];
      uint64_t e = ~u & ((u << 1) | shift_in);
      shift_in = u >> 63;
      uint64_t sum = u + at_bits[k];
      uint64_t c = sum < u;
      sum += carry;
      carry = c | (sum < carry);
      uint64_t at_ends = sum & ~u;
      here.ends[k] = e;
      for (; e; e &= e - 1) {
        int j = std::countr_zero(e);
        here.node[k * 64 + std::size_t(j)] = nodes;
        up[nodes] = nodes;
        at[nodes] = (at_ends >> j) & 1;
        count += at[nodes++];
      }
    }
    for (std::size_t k = words; k-- > 0;)
      here.next_end[k] = here.ends[k] ? k * 64 + std::size_t(std::countr_zero(here.ends[k])) : here.next_end[k + 1];
    // Each run of the row above joins its group to the pair run that holds
    // it. Both kinds of run come in column order, so a pair run met before
    // is the last one met, and its root is the root of the last union.
    shift_in = 0;
    std::size_t last = SIZE_MAX, last_root = 0;
    for (std::size_t k = 0; k < words; ++k) {
      uint64_t o = above.open[k];
      uint64_t starts = o & ~((o << 1) | shift_in);
      shift_in = o >> 63;
      for (; starts; starts &= starts - 1) {
        std::size_t p = k * 64 + std::size_t(std::countr_zero(starts));
        std::size_t r = find(up, node_of(above, p)), u = node_of(here, p);
        std::size_t t = u == last ? last_root : u;  // a new node is still a root
        std::size_t older = std::min(r, t), newer = std::max(r, t);
        count -= at[older] & at[newer] & (r != t);
        at[older] |= at[newer];
        up[newer] = older;  // the older root is mostly the larger group: paths stay short
        last = u, last_root = older;
      }
    }
  }
  return int(count);
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
