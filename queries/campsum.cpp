// campsum: a ledger of camp counts answering point updates and range sums.
//
// Input: T, then T cases. A case is N, N counts, then commands until a word
// beginning with 'E'. Every other word is followed by two integers x y and
// acts by its first character alone (case-sensitive): 'A' adds y at position
// x, 'S' subtracts y there, 'Q' writes the sum of positions x..y (0-based),
// anything else consumes x y and does nothing.
// Output: "Case c:\n" per case once its counts are read, then "%d\n" per 'Q'.
// All counts and sums are 32-bit and wrap, the negation of an 'S' amount too.
// When the input ends, the case ends as at an 'E' word, and every case still
// to come writes its header alone.
//
// Cost: O(N) per case to build, O(log N) per command. Storage is sized to
// each case's N, so a case pays only for its own positions.
//
// Method: a segment tree of range sums; node k covers l..r and its children
// 2k and 2k+1 cover l..m and m+1..r with m = (l + r) >> 1, so the left child
// takes the larger half. An update descends to a leaf without comparing the
// leaf with the position, so positions below 0 land on position 0 and
// positions above N-1 on position N-1.
//
// Outside the contract: N of 0 or less keeps no positions (updates change
// nothing, queries write 0); a query range is cut to 0..N-1 first and an
// empty result writes 0; N above kMaxCamps keeps only the first kMaxCamps
// positions (the remaining counts are read and dropped).
// A number beyond the 32-bit range is taken as its value saturated at
// the 64-bit bounds, of which the low 32 bits are kept (4294967301 reads as
// 5, forty 1s as -1), on every machine.
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>
#include <cerrno>
#include <cstdlib>
#include <cstring>

// The system's refusal to read or write is reported; input content never is.
[[noreturn]] void io_failed(const char* what, int err) {
  std::fprintf(stderr, "campsum: %s error: %s\n", what, std::strerror(err));
  std::_Exit(1);
}

// A read that fails ends the input there, as though it had been cut: the
// cases left write their headers alone, as at the end of the input, no read
// is tried after it, and the failure is reported at exit.
int read_err;  // errno of the first failed read
bool input_over() {
  if (ferror(stdin) && read_err == 0) read_err = errno;
  return feof(stdin) || ferror(stdin);
}

// One line of output; a line that cannot be written stops the run.
void put_line(const char* format, int value) {
  if (printf(format, value) < 0) io_failed("write", errno);
}

struct node {
  int l, r, sum;
};

// Twenty times the ledger's intended 50,005 camps; a tree over it takes 48 MiB.
constexpr int kMaxCamps = 1 << 20;

std::vector<int> a;
std::vector<node> camps;
std::string s;

int wrap_add(int x, int y) { return int(uint32_t(x) + uint32_t(y)); }

void build(int k, int l, int r) {
  camps[k].l = l;
  camps[k].r = r;
  if (l == r) {
    camps[k].sum = a[l];
    return;
  }
  int m = (l + r) >> 1;
  build(2 * k, l, m);
  build(2 * k + 1, m + 1, r);
  camps[k].sum = wrap_add(camps[2 * k].sum, camps[2 * k + 1].sum);
}

void add(int k, int p, int v) {
  if (camps[k].l == camps[k].r) {
    camps[k].sum = wrap_add(camps[k].sum, v);
    return;
  }
  int m = (camps[k].l + camps[k].r) >> 1;
  if (p <= m)
    add(2 * k, p, v);
  else
    add(2 * k + 1, p, v);
  camps[k].sum = wrap_add(camps[2 * k].sum, camps[2 * k + 1].sum);
}

int que(int k, int ql, int qr) {
  if (camps[k].l >= ql && camps[k].r <= qr) return camps[k].sum;
  int m = (camps[k].l + camps[k].r) >> 1;
  int res = 0;
  if (ql <= m) res = wrap_add(res, que(2 * k, ql, qr));
  if (qr > m) res = wrap_add(res, que(2 * k + 1, ql, qr));
  return res;
}

// Reads one white-space-delimited word of any length into s, as "%s" would.
bool read_word() {
  if (read_err != 0) return false;  // no read after a failed one
  int ch;
  do ch = getchar();
  while (ch == ' ' || ch == '\t' || ch == '\n' || ch == '\v' || ch == '\f' || ch == '\r');
  if (ch == EOF) return input_over(), false;
  s.clear();
  do {
    s += char(ch);
    ch = getchar();
  } while (ch != EOF && ch != ' ' && ch != '\t' && ch != '\n' && ch != '\v' && ch != '\f' &&
           ch != '\r');
  if (ch != EOF) ungetc(ch, stdin);
  else input_over();
  return true;
}

// "%d" as a 64-bit C library converts it, on every machine: the token is
// taken as a 64-bit value (saturated at the 64-bit bounds) and its low 32
// bits are kept; a 32-bit library would saturate at the 32-bit bounds.
int scan_int(int& v) {
  long long w = 0;
  int got = read_err != 0 ? EOF : scanf("%lld", &w);
  input_over();  // a read can fail after a number, which then still converts
  if (got == 1) v = int(w);
  return got;
}

// "%d%d" converted in the same way.
int scan_ints(int& a, int& b) {
  long long u = 0, w = 0;
  int got = read_err != 0 ? EOF : scanf("%lld%lld", &u, &w);
  input_over();
  if (got >= 1) a = int(u);
  if (got == 2) b = int(w);
  return got;
}

int main() {
  int T = 0, N = 0, x = 0, y = 0;
  scan_int(T);
  for (int64_t c = 1; c <= T; ++c) {
    if (input_over()) {
      // Every read from here on fails: each remaining case is its header alone.
      for (; c <= T; ++c) put_line("Case %d:\n", int(c));
      break;
    }
    scan_int(N);
    int kept = N < 0 ? 0 : N > kMaxCamps ? kMaxCamps : N;
    a.assign(kept, 0);
    for (int i = 0; i < N; ++i) {
      int v = 0;
      if (scan_int(v) != 1) break;  // the counts not read stay zero
      if (i < kept) a[i] = v;
    }
    if (kept > 0) {
      camps.resize(4 * std::size_t(kept));
      build(1, 0, kept - 1);
    }
    put_line("Case %d:\n", int(c));
    while (read_word() && s[0] != 'E') {
      scan_ints(x, y);
      if (kept == 0) {
        if (s[0] == 'Q') put_line("%d\n", 0);
      } else if (s[0] == 'A') {
        add(1, x, y);
      } else if (s[0] == 'S') {
        add(1, x, int(0u - uint32_t(y)));
      } else if (s[0] == 'Q') {
        int lo = x < 0 ? 0 : x, hi = y > kept - 1 ? kept - 1 : y;
        put_line("%d\n", lo <= hi ? que(1, lo, hi) : 0);
      }
    }
  }
  if (fflush(stdout) != 0) io_failed("write", errno);
  if (read_err != 0) io_failed("read", read_err);
  return 0;
}
