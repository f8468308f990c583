// rankpair: Pairs two sequences by opposite rank, with a trace
//
// The program reads two sequences of n numbers, sorts each one and pairs
// them by opposite rank: the smallest value of the second sequence goes with
// the largest of the first, the second smallest with the second largest, and
// so on. It writes the sorted first sequence, then the partners' values and
// the partners' ranks for the second sequence in input order.
//
// Input: A count n (0 to 200,005), then n signed 64-bit values of the first
// sequence, then n of the second, all whitespace-separated decimal integers
// with an optional sign. A value beyond the 64-bit range is taken as the
// nearest 64-bit bound, and n is the low 32 bits of that value.
// Output, in this order:
// - For each record k of the sorted first sequence: "a\n", then "k:value"
//   and a newline.
// - For each input position j of the second sequence but the last: the value
//   of its partner and a space (no newline follows the last one).
// - For each input position q of the second sequence: "ans\n", then "q:rank"
//   and a newline, where rank is the partner's position in the sorted first
//   sequence.
// The l-th smallest of the second sequence is partnered with position
// n - 1 - l of the sorted first one. Tied values of the second sequence get
// their partners in the order that the C++ library's unstable sort leaves
// them when it compares the values alone on records of value and input
// position (up to 16 values, their input order). Nothing is written before
// all 2n values are read; a client that sends them and waits gets its trace
// without closing its end.
//
// Cost: Two sorts of O(n log n); the rest is linear in n.
//
// Outside the contract: Storage grows with n, so n above 200,005 gets its
// natural trace when the input holds all 2n values. The input ends where it
// ends or at a token that is not a number; the values not read are then 0;
// the sequences hold n records, but never more than the larger of 200,005
// and the number of values read, so that a huge n with little input writes a
// bounded trace. n of 0 or less writes nothing.
//
// A read that fails is taken as the end of the input there (the trace of
// what was read is still written); a write that fails stops the program at
// once. Either is the system refusing, reported on standard error with
// status 1.
//
// Notes: The numbers come through the reading block below; both sequences
// are sorted with std::sort and cmp on node records, so that ties of the
// second one come out as that sort leaves them. The partners' values are
// set from the sorted side (partner), so that the output reads them in
// order: without that a run takes 1.3 times as long.
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <climits>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string_view>
#include <vector>

constexpr char kProgram[] = "rankpair";

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

struct node {
  long long value, index;
};

constexpr long long kCapacity = 200005;
std::vector<node> a, b;
std::vector<long long> ans, partner;

bool cmp(node x, node y) { return x.value < y.value; }

// Reads up to n values into seq; false when a read fails.
bool read_values(std::vector<node>& seq, int n) {
  long long v = 0;
  for (int i = 0; i < n; ++i) {
    if (!read_int(v)) return false;
    seq.push_back({v, i});
  }
  return true;
}

int main() {
  long long count = 0;
  read_int(count);
  int n = int(count);  // as "%d": the low 32 bits
  a.reserve(std::size_t(std::clamp<long long>(n, 0, kCapacity)));
  b.reserve(a.capacity());
  if (!read_values(a, n) || !read_values(b, n)) {
    // Values not read are 0; the record count is bounded by what was read.
    n = int(std::min<long long>(n, std::max<long long>(kCapacity, (long long)(a.size() + b.size()))));
    for (int i = int(a.size()); i < n; ++i) a.push_back({0, i});
    for (int i = int(b.size()); i < n; ++i) b.push_back({0, i});
  }
  // cmp through a lambda, which the compiler inlines: the same comparisons in
  // the same order, so the same arrangement of ties.
  auto by_value = [](node x, node y) { return cmp(x, y); };
  std::sort(a.begin(), a.end(), by_value);
  std::sort(b.begin(), b.end(), by_value);
  // Position j of the second sequence gets the partner of opposite rank: its
  // position in the sorted first sequence, and its value, both set from the
  // sorted side so that the reads run in order (reading the values by rank
  // while writing made the whole run take 1.3 times as long).
  ans.resize(a.size());
  partner.resize(a.size());
  for (int l = 0; l < n; ++l) {
    ans[int32_t(b[l].index)] = n - 1 - l;
    partner[int32_t(b[l].index)] = a[n - 1 - l].value;
  }

  for (int k = 0; k < n; ++k) {
    put("a\n");
    put_int(k, ":");
    put_int(a[k].value);
  }
  for (int m = 0; m + 1 < n; ++m) put_int(partner[m], " ");
  for (int q = 0; q < n; ++q) {
    put("ans\n");
    put_int(q, ":");
    put_int(ans[q]);
  }
  return finish();
}
