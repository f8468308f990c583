// rankpair: pairs two sequences by opposite rank and writes a trace of it.
//
// Input: n, then n signed 64-bit values of the first sequence, then n of the
// second, read as "%d" and "%lld" read them (white space skipped, an optional
// sign, then decimal digits; a value beyond the 64-bit range is taken as the
// nearest 64-bit bound, and n is the low 32 bits of that value).
// Output, in this order:
//   for each record k of the sorted first sequence: "a\n", then "k:value"
//   and a newline;
//   for each input position j of the second sequence but the last: the value
//   of its partner and a space (no newline follows the last one);
//   for each input position q of the second sequence: "ans\n", then
//   "q:rank" and a newline, where rank is the partner's position in the
//   sorted first sequence.
// The l-th smallest of the second sequence is partnered with position
// n - 1 - l of the sorted first one. Both sequences are sorted with
// std::sort and `cmp` (value alone, no tie-break), so tied values of the
// second sequence get their partners in the order that sort leaves them.
// Every piece goes through one output buffer, in program order; it is
// written when full and at exit, never per line. All input is read before
// the first byte is written, so no flush is due before a read.
//
// Method: input comes in blocks from one read of file descriptor 0 each,
// which returns what is there, so a client that sends the 2n values and
// waits gets its trace without closing its end.
// Cost: two O(n log n) sorts, the rest linear. At 200,005 values a run takes
// about 5x the time of merely copying its bytes, in roughly equal shares
// for the sorts (std::sort with cmp, which the ties need), the parsing and
// the formatting.
//
// Outside the contract: storage grows with n, so n above 200,005 gets its
// natural trace when the input holds all 2n values. When a read fails (the
// input ends, or a token is not a number), reading stops and the values not
// read are 0, as the zero-filled storage leaves them; the sequences then hold
// n records, but never more than the larger of 200,005 and the number of
// values read, so that a huge n with little input writes a bounded trace.
// n of 0 or less writes nothing.
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <vector>
#include <cstdlib>

// The system's refusal to read or write is reported; input content never is.
[[noreturn]] void io_failed(const char* what, int err) {
  std::fprintf(stderr, "rankpair: %s error: %s\n", what, std::strerror(err));
  std::_Exit(1);
}

struct node {
  long long value, index;
};

constexpr int kCapacity = 200005;

std::vector<node> a, b;
std::vector<long long> ans;

bool cmp(node x, node y) { return x.value < y.value; }

char in[1 << 16];
std::size_t in_pos = 0, in_len = 0;
bool in_end = false;
int read_err = 0;  // errno of a failed read, which ends the input there

// The next input byte, not taken, or -1 at the end of the input.
int peek() {
  if (in_pos == in_len) {
    if (in_end) return -1;
    ssize_t n;
    do n = read(0, in, sizeof in);
    while (n < 0 && errno == EINTR);
    if (n <= 0) {
      if (n < 0) read_err = errno;  // reported at exit, after the output
      in_end = true;
      return -1;
    }
    in_pos = 0;
    in_len = std::size_t(n);
  }
  return static_cast<unsigned char>(in[in_pos]);
}

// A 64-bit integer as "%lld" takes it, saturating beyond the range; false
// where the conversion fails.
bool scan(long long& v) {
  int c;
  while ((c = peek()) == ' ' || (c >= '\t' && c <= '\r')) ++in_pos;
  bool neg = c == '-';
  if (c == '-' || c == '+') ++in_pos, c = peek();
  if (c < '0' || c > '9') return false;
  const uint64_t limit = neg ? uint64_t(1) << 63 : (uint64_t(1) << 63) - 1;
  uint64_t mag = 0;
  for (; c >= '0' && c <= '9'; ++in_pos, c = peek()) {
    uint64_t d = uint64_t(c - '0');
    mag = mag > (limit - d) / 10 ? limit : mag * 10 + d;
  }
  v = (long long)(neg ? 0 - mag : mag);
  return true;
}

char out[1 << 16];
std::size_t out_len = 0;

// A block that cannot be written stops the run: nothing after it would arrive.
void flush() {
  if (std::fwrite(out, 1, out_len, stdout) != out_len || std::fflush(stdout) != 0)
    io_failed("write", errno);
  out_len = 0;
}

// Room for the longest piece: "ans\n", two 64-bit numbers, ':' and '\n'.
void reserve() {
  if (out_len + 64 > sizeof out) flush();
}

void put(const char* text, std::size_t size) {
  std::memcpy(out + out_len, text, size);
  out_len += size;
}

void put(long long v) {
  out_len = std::size_t(std::to_chars(out + out_len, out + sizeof out, v).ptr - out);
}

// Record k of a trace: "<word>\nk:v\n".
void trace(const char* word, std::size_t size, int k, long long v) {
  reserve();
  put(word, size);
  put(k);
  put(":", 1);
  put(v);
  put("\n", 1);
}

// Reads up to n values into seq; returns false when a read fails.
bool read_values(std::vector<node>& seq, int n) {
  for (int i = 0; i < n; ++i) {
    long long value = 0;
    if (!scan(value)) return false;
    seq.push_back({value, i});
  }
  return true;
}

int main() {
  long long count = 0;
  scan(count);  // as "%d": the long value converted to int, its low 32 bits
  int n = int(count);
  if (n <= 0) {
    if (read_err != 0) io_failed("read", read_err);
    return 0;
  }
  a.reserve(std::size_t(std::min(n, kCapacity)));
  b.reserve(std::size_t(std::min(n, kCapacity)));
  if (!read_values(a, n) || !read_values(b, n)) {
    // Values not read are 0; the record count is bounded by what was read.
    long long bound = std::max<long long>(kCapacity, (long long)(a.size() + b.size()));
    n = int(std::min<long long>(n, bound));
    for (std::vector<node>* seq : {&a, &b})
      for (int i = int(seq->size()); i < n; ++i) seq->push_back({0, i});
  }
  ans.assign(std::size_t(n), 0);

  // cmp through a lambda, which the compiler can inline: the same comparisons
  // in the same order, so the same arrangement of ties.
  auto by_cmp = [](node x, node y) { return cmp(x, y); };
  std::sort(a.begin(), a.end(), by_cmp);
  std::sort(b.begin(), b.end(), by_cmp);
  for (int k = 0; k < n; ++k) trace("a\n", 2, k, a[k].value);
  for (int l = 0; l < n; ++l) ans[int32_t(b[l].index)] = n - 1 - l;
  for (int j = 0; j < n - 1; ++j) {
    reserve();
    put(a[int32_t(ans[j])].value);
    put(" ", 1);
  }
  for (int q = 0; q < n; ++q) trace("ans\n", 4, q, ans[q]);
  flush();
  if (read_err != 0) io_failed("read", read_err);
  return 0;
}
