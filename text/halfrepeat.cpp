// halfrepeat: Longest prefix repeated at once, as n - k + 1
//
// Given a string of n characters, the program looks for the largest k with
// 2k <= n whose prefix of length k is followed at once by a second copy of
// itself, and writes n - k + 1; when no k fits it writes n.
//
// Input: A number n (a 32-bit integer: white space skipped, an optional
// sign, then decimal digits), then the string as one white-space-delimited
// token; the string is expected to be n characters long.
// Output: The answer as a 64-bit integer, then std::endl (a newline, with the
// output flushed).
//
// Cost: O(n) time; memory for the first 2 * (n / 2) characters of the
// string, and 4 bytes more for each candidate when candidates keep failing
// late. On a string of 600,000 characters with no repeat, a run takes about
// 1.5 to 2 times as long as merely reading the input (it took 5 to 9 times
// when every half was built as a string of its own).
//
// Method: The candidates run from n / 2 (truncated toward zero) downward and
// the first match wins. Each is first compared directly, byte by byte, as
// most differ within their first few bytes. Once the bytes compared exceed
// the string's length, the candidates left are settled by the Z-array of the
// string's first 2c characters, c the largest left: z[i] is the length of
// the longest common prefix of the string and its suffix at i, so the halves
// at i are equal exactly when z[i] >= i. Either way the search is linear.
//
// Outside the contract: A candidate half that reaches past the end of the
// string read (n / 2 more than half its length, a missing string included)
// does not match, so the search goes on below it; a negative n, or one that
// is not a number (read as 0), runs no search and the closing arithmetic is
// applied as for any n: k = n / 2 and the answer n - 2k, plus 1 when k != 0.
// A number beyond 32 bits is taken as the nearer 32-bit limit, and the
// string after it is then not read. A read that fails is taken as the end of
// the input there, so the answer for what was read is written; a write that
// fails stops the program. Either is the system refusing, reported on
// standard error with status 1.
//
// Notes: Standard input reaches std::cin through a buffer of its own, read
// from descriptor 0 as the library's own buffer reads it, except that a
// failed read ends the input there and is kept for the report (the library's
// buffer throws from inside an extraction, which drops the part of a token
// already read). The streams are not synchronised with stdio. The number is
// extracted by std::cin; the string is taken straight from that buffer
// (white space as the classic locale has it), and only its first
// 2 * (n / 2) bytes are kept, in storage reserved to that size up to 16 MiB:
// fresh memory pages were most of the run's cost, ahead of the search.
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <streambuf>
#include <string>
#include <vector>

// The system's refusal to read or write is reported; input content never is.
[[noreturn]] void io_failed(const char* what, int err) {
  std::fprintf(stderr, "halfrepeat: %s error: %s\n", what, std::strerror(err));
  std::_Exit(1);
}

// Standard input for std::cin, read from descriptor 0 as the library's own
// buffer reads it, except that a failed read ends the input there and is
// kept in `error` (the library's buffer throws from inside an extraction,
// which drops the part of a token already read).
class InputBuffer : public std::streambuf {
 public:
  int error = 0;

  // Takes the next white-space-delimited token as extraction into a string
  // takes it (white space as the classic locale has it, the reads the same)
  // and keeps its first `keep` bytes in `out`: the rest takes no part.
  void token(std::string& out, std::size_t keep) {
    auto is_space = [](char c) { return c == ' ' || (c >= '\t' && c <= '\r'); };
    while (gptr() < egptr() || underflow() != traits_type::eof()) {
      char* p = gptr();
      while (p < egptr() && is_space(*p)) ++p;
      setg(eback(), p, egptr());
      if (p < egptr()) break;
    }
    out.reserve(std::min<std::size_t>(keep, 1 << 24));  // the length given
    while (gptr() < egptr() || underflow() != traits_type::eof()) {
      char* p = gptr();
      while (p < egptr() && !is_space(*p)) ++p;
      std::size_t part = std::min(std::size_t(p - gptr()), keep - out.size());
      out.append(gptr(), part);
      setg(eback(), p, egptr());
      if (p < egptr()) break;
    }
  }

 protected:
  int_type underflow() override {
    if (error != 0) return traits_type::eof();  // no read after a failure
    ssize_t n;
    do n = read(0, buf_, sizeof buf_);
    while (n < 0 && errno == EINTR);
    if (n < 0) error = errno;
    if (n <= 0) return traits_type::eof();
    setg(buf_, buf_, buf_ + n);
    return traits_type::to_int_type(buf_[0]);
  }

 private:
  char buf_[1 << 16];
};

InputBuffer input;

// The largest c <= top whose first c bytes of t repeat at once after
// themselves, or 0; t holds at least 2 * top bytes. z[i] is the length of the
// longest common prefix of t[0..2 top) and t[i..2 top), built for i up to top
// only: the halves at c are equal exactly when z[c] >= c.
std::size_t largest_repeat_z(const std::string& t, std::size_t top) {
  std::size_t m = 2 * top;
  std::vector<uint32_t> z(top + 1, 0);  // top < 2^30: n is an int
  std::size_t l = 0, r = 0;  // t[l..r) is the rightmost match found so far
  for (std::size_t i = 1; i <= top; ++i) {
    std::size_t len = 0;
    if (i < r) len = std::min<std::size_t>(r - i, z[i - l]);
    while (i + len < m && t[len] == t[i + len]) ++len;
    z[i] = uint32_t(len);
    if (i + len > r) {
      l = i;
      r = i + len;
    }
  }
  for (std::size_t c = top; c > 0; --c)
    if (z[c] >= c) return c;
  return 0;
}

// The same for top = t.size() / 2. Most candidates fail within their first
// few bytes, so they are compared directly while the bytes compared stay
// within t's length; the candidates left then go to the Z-array, which keeps
// the whole search linear.
std::size_t largest_repeat(const std::string& t) {
  std::size_t budget = t.size();
  for (std::size_t c = t.size() / 2; c > 0; --c) {
    std::size_t same = 0;
    while (same < c && t[same] == t[c + same]) ++same;
    if (same == c) return c;
    if (same > budget) return largest_repeat_z(t, c - 1);
    budget -= same;
  }
  return 0;
}

int main() {
  std::ios::sync_with_stdio(false);
  std::cin.rdbuf(&input);
  int n = 0;
  std::cin >> n;
  int k = n / 2;
  // A failed or ended number leaves the string unread, and empty.
  std::string str;
  if (std::cin.good()) input.token(str, k > 0 ? 2 * std::size_t(k) : 0);

  int64_t answer = 0;
  if (k > 0) {
    // Candidates above half the string's length reach past its end: no match.
    k = int(largest_repeat(str));
    answer = k;
  }
  answer += int64_t(n - 2 * k);
  if (k != 0) answer += 1;
  std::cout << answer << std::endl;
  if (!std::cout) io_failed("write", errno);
  if (input.error != 0) io_failed("read", input.error);
  return 0;
}
