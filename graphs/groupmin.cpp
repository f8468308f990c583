// groupmin: Sum of the cheapest first-reached cost per search
//
// The program reads a graph of vertices with costs and runs a depth-first
// search from every vertex, in increasing order, that no earlier search has
// reached. Each search takes the smallest cost among its start and the
// vertices it reaches for the first time, and the program writes the sum of
// these minima.
//
// Input: The sizes n and m, then n costs for vertices 1..n, then m links x y.
// n is at most 100,004 and every link endpoint lies between 1 and n; a cost
// is a signed 64-bit integer. A number beyond the signed 64-bit range is
// taken at its nearest bound, and n, m and the endpoints keep the low 32 bits
// of that value. A link is stored once, from its smaller vertex to its larger
// one, and searches follow links only in that direction.
// Output: One line: the total, which wraps in two's complement.
//
// Cost: O(n + m) time; storage grows with the costs and links actually read.
//
// Method: Each search runs on an explicit stack that enters the links of each
// vertex in list order, as a recursive search would, so a chain of any length
// needs no call stack.
//
// Outside the contract: A link with an endpoint outside 1..n is read and
// dropped; n of any size is accepted, storage covering only the vertices
// whose cost was read or that a link names, because every other vertex is
// alone with cost 0 and adds 0. The input ends where it ends or at a token
// that is not a number: costs not read are 0, and a link whose second number
// is missing keeps the second number of the link before it (0 if there is
// none) and is the last link.
//
// A read that fails is taken as the end of the input there (the total is
// still written); a write that fails stops the program at once. Either is the
// system refusing, reported on standard error with status 1.
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string_view>
#include <utility>
#include <vector>

constexpr char kProgram[] = "groupmin";

// ---- reading and writing: the same text in every program that has it ----
// Input comes a block at a time, one read(2) each, and is taken a token at
// a time: a run of bytes other than white space. Answers wait in one buffer,
// written out before every read (which may wait for a client's next
// question) and at exit. A read that fails ends the input there and is
// reported at exit; a write that fails stops the program at once.
char* in_buf = nullptr;  // grows for a token longer than it
std::size_t in_size = 0, in_pos = 0, in_len = 0;
bool in_end = false;  // no byte will come any more
int read_err = 0;     // errno of the read that failed
char out[1 << 16];    // answers not yet written
std::size_t out_len = 0;

[[noreturn]] void io_failed(const char* what, int err) {
  std::fprintf(stderr, "%s: %s error: %s\n", kProgram, what, std::strerror(err));
  std::_Exit(1);
}

// Writes out the answers waiting, then `more`.
void flush(std::string_view more = {}) {
  if (std::fwrite(out, 1, out_len, stdout) != out_len || std::fflush(stdout) != 0 ||
      (!more.empty() && std::fwrite(more.data(), 1, more.size(), stdout) != more.size()))
    io_failed("write", errno);
  out_len = 0;
}

void put(std::string_view s) {
  if (s.size() > sizeof out - out_len) return flush(s);
  std::memcpy(out + out_len, s.data(), s.size());
  out_len += s.size();
}

// v in decimal, then `end`.
void put_int(long long v, std::string_view end = "\n") {
  if (sizeof out - out_len < 20) flush();
  out_len = std::size_t(std::to_chars(out + out_len, out + sizeof out, v).ptr - out);
  put(end);
}

// Reads more behind the bytes from in_pos on, which move to the front;
// false at the end of the input.
bool refill() {
  if (in_end) return false;
  flush();
  in_len -= in_pos;
  if (in_len == in_size && !(in_buf = static_cast<char*>(std::realloc(in_buf, in_size += in_size + (1 << 16)))))
    io_failed("read", ENOMEM);  // full: more room (64 KiB at the first read)
  std::memmove(in_buf, in_buf + in_pos, in_len);
  in_pos = 0;
  ssize_t n;
  while ((n = read(0, in_buf + in_len, in_size - in_len)) < 0 && errno == EINTR) continue;
  if (n < 0) read_err = errno;
  in_end = n <= 0;
  in_len += in_end ? 0 : std::size_t(n);
  return !in_end;
}

bool is_space(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

// The next token as strtoll converts it: 1, or 2 where it saturated at the
// 64-bit bounds. 0, leaving v, where it is not a number: that ends the input.
int read_int(long long& v) {
  for (;;) {
    const char *s = in_buf + in_pos, *e = in_buf + in_len;
    while (s < e && is_space(*s)) ++s;
    in_pos = std::size_t(s - in_buf);
    s += e - s > 1 && *s == '+' && s[1] != '-';
    long long x = 0;
    auto [end, ec] = std::from_chars(s, e, x);
    if ((end == e || e - s < 2) && !in_end) {  // the token may go on in the next block
      refill();
      continue;
    }
    if (ec == std::errc::invalid_argument || (end != e && !is_space(*end)))
      return in_end = true, in_pos = in_len, 0;
    in_pos = std::size_t(end - in_buf);
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

std::vector<long long> num{0};       // num[i]: cost of vertex i; index 0 unused
std::vector<int> v;                  // v[first[i]..first[i+1]): larger endpoints of the links
std::vector<int> first;              // from i, in input order (a flat array: 4x faster than a list each)
std::vector<unsigned char> visit;    // visit[i]: vertex i has been reached

// The smallest cost among u and the vertices first reached from u.
long long slove(int u) {
  struct frame { int u, next; long long best; };  // next: the entry of v to examine
  static std::vector<frame> stack;  // empty between calls; kept to reuse its storage
  visit[u] = 1;
  stack.push_back({u, first[u], num[u]});
  for (;;) {
    frame& f = stack.back();
    if (f.next < first[f.u + 1]) {
      int w = v[f.next++];
      if (visit[w] != 1) visit[w] = 1, stack.push_back({w, first[w], num[w]});
    } else {
      long long result = f.best;
      stack.pop_back();
      if (stack.empty()) return result;
      stack.back().best = std::min(stack.back().best, result);
    }
  }
}

int main() {
  long long n = 0, m = 0, x = 0, y = 0, c = 0;
  read_int(n), read_int(m);
  for (long long i = 1; i <= int(n) && read_int(c); ++i) num.push_back(c);
  std::vector<std::pair<int, int>> links;
  std::size_t size = num.size();  // vertices 0..size-1 are stored
  for (int i = 0; i < int(m) && read_int(x); ++i) {
    bool whole = read_int(y);  // if not, y keeps the last link's second number
    int lo = std::min(int(x), int(y)), hi = std::max(int(x), int(y));
    if (lo >= 1 && hi <= int(n))  // else not a vertex: the link is dropped
      links.emplace_back(lo, hi), size = std::max(size, std::size_t(hi) + 1);
    if (!whole) break;
  }
  // Counts per vertex at first[lo + 2], summed into starts; placing the
  // links moves each start on to the next vertex's.
  first.assign(size + 2, 0);
  for (auto [lo, hi] : links) ++first[lo + 2];
  for (std::size_t i = 2; i < first.size(); ++i) first[i] += first[i - 1];
  v.resize(links.size());
  for (auto [lo, hi] : links) v[first[lo + 1]++] = hi;
  num.resize(size, 0);
  visit.assign(size, 0);
  unsigned long long total = 0;  // wraps
  for (int k = 1; k < int(size); ++k)
    if (visit[k] != 1) total += (unsigned long long)slove(k);
  put_int((long long)total);
  return finish();
}
