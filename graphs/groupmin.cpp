// groupmin: Sum of the cheapest first-reached cost per search
//
// The program reads a graph of vertices with costs and runs a depth-first
// search from every vertex, in increasing order, that no earlier search has
// reached. Each search takes the smallest cost among its start and the
// vertices it reaches for the first time, and the program writes the sum of
// these minima.
//
// Input: The sizes n and m, then n signed 64-bit costs for vertices 1..n,
// then m links x y, read as scanf's "%d" and "%lld" read them. A link is
// stored once, from its smaller vertex to its larger one, and searches
// follow links only in that direction.
// Output: One line "%lld\n", the total, which wraps in two's complement.
//
// Cost: O(n + m) time; storage grows with the costs and links actually read.
//
// Method: The search (`slove`) runs on an explicit stack that enters the
// links of each vertex in list order, as the recursive search would, so a
// chain of any length needs no call stack.
//
// Outside the contract: A link with an endpoint outside 1..n is read and
// dropped; n of any size is accepted, storage covering only the vertices
// whose cost was read or that a link names, because every other vertex is
// alone with cost 0 and adds 0. When a read fails (the input ends, or a token
// is not a number), every later read would fail too, so reading stops there:
// costs not read stay 0, and a link whose second number is missing keeps the
// second number of the link before it (0 if there is none), as the failed
// conversion leaves it.
//
// A read that fails is taken as the end of the input there (the total is
// still written); a write that fails stops the program. Either is the system
// refusing, reported on standard error with status 1.
//
// Notes: The numbers are read by a block reader of its own in place of
// scanf, converting as scanf does; the links are kept in one flat array
// grouped by their smaller vertex, not a list per vertex.
#include <cstdint>
#include <cstdio>
#include <utility>
#include <vector>
#include <cerrno>
#include <cstdlib>
#include <cstring>

// The system's refusal to read or write is reported; input content never is.
[[noreturn]] void io_failed(const char* what, int err) {
  std::fprintf(stderr, "groupmin: %s error: %s\n", what, std::strerror(err));
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

std::vector<long long> num;          // num[i]: cost of vertex i; index 0 unused
std::vector<int> v;                  // v[first[i]..first[i+1]): larger endpoints of links from i,
std::vector<std::size_t> first;      // in input order (one flat array: no list per vertex)
std::vector<unsigned char> visit;    // visit[i]: vertex i has been reached

long long wrap_add(long long x, long long y) { return (long long)(uint64_t(x) + uint64_t(y)); }

// The smallest cost among u and the vertices first reached from u.
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
      if (visit[w] != 1) {
        visit[w] = 1;
        stack.push_back({w, first[std::size_t(w)], num[w]});
      }
      continue;
    }
    long long result = f.best;
    stack.pop_back();
    if (stack.empty()) return result;
    if (result < stack.back().best) stack.back().best = result;
  }
}

int main() {
  int n = 0, m = 0, x = 0, y = 0;
  if (scan_int(n) == 1) scan_int(m);  // "%d%d": a failed first number leaves m unread
  num.push_back(0);
  bool input_left = true;
  for (int64_t i = 1; i <= n; ++i) {
    long long c = 0;
    if (scan_ll(c) != 1) {
      input_left = false;
      break;
    }
    num.push_back(c);
  }
  std::vector<std::pair<int, int>> links;
  int last = int(num.size()) - 1;  // the highest vertex that storage must cover
  for (int i = 0; i < m && input_left; ++i) {
    int got = scan_int(x);  // as "%d%d" counts: a failed first number leaves y unread
    if (got == 1 && scan_int(y) == 1) ++got;
    if (got < 1) break;
    if (got < 2) input_left = false;
    int lo = x, hi = y;
    if (hi < lo) std::swap(lo, hi);
    if (lo < 1 || hi > n) continue;  // not a vertex: the link is dropped
    links.emplace_back(lo, hi);
    if (hi > last) last = hi;
  }

  num.resize(std::size_t(last) + 1, 0);
  visit.assign(std::size_t(last) + 1, 0);
  first.assign(std::size_t(last) + 2, 0);
  for (const auto& link : links) ++first[std::size_t(link.first) + 1];
  for (std::size_t i = 0; i <= std::size_t(last); ++i) first[i + 1] += first[i];
  v.resize(links.size());
  std::vector<std::size_t> fill(first.begin(), first.end() - 1);
  for (const auto& [lo, hi] : links) v[fill[std::size_t(lo)]++] = hi;

  long long total = 0;
  for (int k = 1; k <= last; ++k)
    if (visit[k] != 1) total = wrap_add(total, slove(k));
  // The line reaches the output only with the flush at exit: test both.
  if (printf("%lld\n", total) < 0 || fflush(stdout) != 0) io_failed("write", errno);
  if (read_err != 0) io_failed("read", read_err);
  return 0;
}
