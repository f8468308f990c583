// groupminzero: Sum of the cheapest reachable cost per search
//
// The program reads a graph of vertices with costs and runs a depth-first
// search from every vertex, in increasing order, that no earlier search has
// entered. Each search takes the smallest cost among all the vertices it can
// reach, vertices shared between searches counting in each, and the program
// writes the sum of these minima.
//
// Input: The sizes n and m, then n signed 64-bit costs (the k-th is held at
// index k-1), then m links x y of vertex numbers 1..n, read as scanf's "%d"
// and "%lld" read them. A link is stored once, at 0-based indices, from its
// smaller index to its larger one, and searches follow links only in that
// direction.
// Output: One line "%lld\n", the total, which wraps in two's complement.
//
// Cost: O(n + m) time; storage grows with the costs and links actually read.
//
// Method: The result of a search from an index depends only on the costs and
// the links, so `slove` remembers it the first time it is found and every
// later path into that index takes the remembered result instead of walking
// the index's links again. The search runs on an explicit stack, so a chain
// of any length needs no call stack. It enters (and flags) the same indices
// as a search that walks every path.
//
// Outside the contract: A link from a vertex to itself adds no vertex to what
// can be reached, so it is dropped (walked literally it would never end); a
// link with an endpoint outside 1..n is read and dropped; n of any size is
// accepted, storage covering only the vertices whose cost was read or that a
// link names, because every other vertex is alone with cost 0 and adds 0.
// When a read fails (the input ends, or a token is not a number), every later
// read would fail too, so reading stops there: costs not read stay 0, and a
// link whose second number is missing keeps the second number of the link
// before it (0 if there is none), as the failed conversion leaves it.
//
// A read that fails is taken as the end of the input there (the total is
// still written); a write that fails stops the program. Either is the system
// refusing, reported on standard error with status 1.
//
// Notes: The numbers are read by a block reader of its own in place of
// scanf, converting as scanf does; the links are kept in one flat array
// grouped by their smaller index, not a list per index.
#include <cstdint>
#include <cstdio>
#include <utility>
#include <vector>
#include <cerrno>
#include <cstdlib>
#include <cstring>

// The system's refusal to read or write is reported; input content never is.
[[noreturn]] void io_failed(const char* what, int err) {
  std::fprintf(stderr, "groupminzero: %s error: %s\n", what, std::strerror(err));
  std::_Exit(1);
}

// A block reader in place of scanf, whose per-number cost was a large share
// of the run: `scan_ll` converts as glibc's "%lld" does (white space skipped, an
// optional sign, decimal digits, a value beyond 64 bits saturated) and
// returns 1, 0 for a token that is not a number (a sign before it is taken),
// or EOF at the end of the input; `scan_int` as "%d" does, keeping the low 32
// bits of that value.
static char buf[1 << 16];
static size_t pos, len;
static int read_err;  // errno of a failed read; no read is tried after it

static int refill() {
  pos = 0;
  len = read_err != 0 ? 0 : fread(buf, 1, sizeof buf, stdin);
  if (ferror(stdin) && read_err == 0) read_err = errno;  // what came before it is used
  return len == 0 ? EOF : (unsigned char)buf[0];
}

static inline int peek() { return pos < len ? (unsigned char)buf[pos] : refill(); }

static int scan_ll(long long& out) {
  int c = peek();
  while (c == ' ' || (c >= '\t' && c <= '\r')) ++pos, c = peek();
  if (c == EOF) return EOF;
  bool neg = c == '-';
  if (c == '-' || c == '+') ++pos, c = peek();
  if (c < '0' || c > '9') return 0;
  uint64_t v = 0, lim = uint64_t(1) << 63;
  do {  // the digits in the buffer, then again after a refill
    size_t i = pos;
    for (unsigned d; i < len && (d = unsigned(buf[i] - '0')) < 10; ++i)
      v = v > (UINT64_MAX - 9) / 10 ? UINT64_MAX : v * 10 + d;
    pos = i;
  } while (pos == len && (c = refill()) >= '0' && c <= '9');
  out = neg ? (v > lim ? INT64_MIN : int64_t(0 - v)) : (v >= lim ? INT64_MAX : int64_t(v));
  return 1;
}

static int scan_int(int& out) {
  long long wide = 0;
  int got = scan_ll(wide);
  if (got == 1) out = int(wide);
  return got;
}

std::vector<long long> num;          // num[i]: cost of vertex i+1
std::vector<int> v;                  // v[first[i]..first[i+1]): larger indices of links from i,
std::vector<std::size_t> first;      // in input order (one flat array: no list per vertex)
std::vector<unsigned char> visit;    // visit[i]: index i has been entered
std::vector<long long> best_from;    // best_from[i]: result of slove(i) once known
std::vector<unsigned char> known;    // known[i]: best_from[i] holds it

long long wrap_add(long long x, long long y) { return (long long)(uint64_t(x) + uint64_t(y)); }

// The smallest cost among u and every index reachable from u.
long long slove(int u) {
  struct frame {
    int u;
    std::size_t next;  // the next entry of v to examine, up to first[u + 1]
    long long best;
  };
  static std::vector<frame> stack;  // empty between calls; kept to reuse its storage
  visit[u] = 1;
  stack.push_back({u, first[std::size_t(u)], num[u]});
  for (;;) {
    frame& f = stack.back();
    if (f.next < first[std::size_t(f.u) + 1]) {
      int w = v[f.next++];
      if (known[w]) {
        if (best_from[w] < f.best) f.best = best_from[w];
      } else {
        visit[w] = 1;
        stack.push_back({w, first[std::size_t(w)], num[w]});
      }
      continue;
    }
    int done = f.u;
    long long result = f.best;
    stack.pop_back();
    best_from[done] = result;
    known[done] = 1;
    if (stack.empty()) return result;
    if (result < stack.back().best) stack.back().best = result;
  }
}

int main() {
  int n = 0, m = 0, x = 0, y = 0;
  if (scan_int(n) == 1) scan_int(m);  // "%d%d": a failed first number leaves m unread
  bool input_left = true;
  for (int64_t i = 0; i < n; ++i) {
    long long c = 0;
    if (scan_ll(c) != 1) {
      input_left = false;
      break;
    }
    num.push_back(c);
  }
  std::vector<std::pair<int, int>> links;
  int size = int(num.size());  // indices 0..size-1 are stored
  for (int i = 0; i < m && input_left; ++i) {
    int got = scan_int(x);  // as "%d%d" counts: a failed first number leaves y unread
    if (got == 1 && scan_int(y) == 1) ++got;
    if (got < 1) break;
    if (got < 2) input_left = false;
    int lo = x, hi = y;
    if (hi < lo) std::swap(lo, hi);
    if (lo < 1 || hi > n) continue;  // not a vertex: the link is dropped
    if (lo == hi) continue;          // a self-link reaches nothing new
    links.emplace_back(lo - 1, hi - 1);
    if (hi > size) size = hi;
  }

  num.resize(std::size_t(size), 0);
  visit.assign(std::size_t(size), 0);
  best_from.assign(std::size_t(size), 0);
  known.assign(std::size_t(size), 0);
  first.assign(std::size_t(size) + 1, 0);
  for (const auto& link : links) ++first[std::size_t(link.first) + 1];
  for (std::size_t i = 0; i < std::size_t(size); ++i) first[i + 1] += first[i];
  v.resize(links.size());
  std::vector<std::size_t> fill(first.begin(), first.end() - 1);
  for (const auto& [lo, hi] : links) v[fill[std::size_t(lo)]++] = hi;

  long long total = 0;
  for (int k = 0; k < size; ++k)
    if (visit[k] != 1) total = wrap_add(total, slove(k));
  // The line reaches the output only with the flush at exit: test both.
  if (printf("%lld\n", total) < 0 || fflush(stdout) != 0) io_failed("write", errno);
  if (read_err != 0) io_failed("read", read_err);
  return 0;
}
