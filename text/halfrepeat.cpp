// halfrepeat: Longest prefix repeated at once, as n - k + 1
//
// Given a string of n characters, the program looks for the largest k with
// 2k <= n whose prefix of length k is followed at once by a second copy of
// itself, and writes n - k + 1; when no k fits it writes n.
//
// Input: A number n (a 32-bit integer, read as stream extraction reads it:
// white space skipped, an optional sign, then decimal digits), then the
// string as one white-space-delimited token; the string is expected to be n
// characters long.
// Output: The answer as a 64-bit integer, then std::endl (a newline, with the
// output flushed).
//
// Cost: O(n) time and memory.
//
// Method: The candidates run from n / 2 (truncated toward zero) downward and
// the first match wins. Rather than copying the two halves out for every
// candidate, the Z-array of the string's first 2 * (n / 2) characters is built
// once: z[k] is the length of the longest common prefix of the string and its
// suffix at k, so the halves at k are equal exactly when z[k] >= k.
//
// Outside the contract: A candidate half that reaches past the end of the
// string read (n / 2 more than half its length, a missing string included)
// does not match, so the search goes on below it; a negative n, or one that
// is not a number (read as 0), runs no search and the closing arithmetic is
// applied as for any n: k = n / 2 and the answer n - 2k, plus 1 when k != 0.
// A read that fails is taken as the end of the input there, so the answer
// for what was read is written; a write that fails stops the program. Either
// is the system refusing, reported on standard error with status 1.
//
// Notes: Standard input reaches std::cin through a buffer of its own, read
// from descriptor 0 as the library's own buffer reads it, except that a
// failed read ends the input there and is kept for the report (the library's
// buffer throws from inside an extraction, which drops the part of a token
// already read). The streams are not synchronised with stdio.
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

// Z-array of t: z[i] = length of the longest common prefix of t and t[i..].
std::vector<std::size_t> z_array(const std::string& t) {
  std::size_t m = t.size();
  std::vector<std::size_t> z(m, 0);
  if (m > 0) z[0] = m;
  std::size_t l = 0, r = 0;  // t[l..r) is the rightmost match found so far
  for (std::size_t i = 1; i < m; ++i) {
    std::size_t len = 0;
    if (i < r) len = std::min(r - i, z[i - l]);
    while (i + len < m && t[len] == t[i + len]) ++len;
    z[i] = len;
    if (i + len > r) {
      l = i;
      r = i + len;
    }
  }
  return z;
}

int main() {
  std::ios::sync_with_stdio(false);
  std::cin.rdbuf(&input);
  int n = 0;
  std::string str;
  std::cin >> n >> str;

  int64_t answer = 0;
  int k = n / 2;
  if (k > 0) {
    // Candidates above half the string's length reach past its end: no match.
    std::size_t top = std::min<std::size_t>(std::size_t(k), str.size() / 2);
    std::vector<std::size_t> z = z_array(str.substr(0, 2 * top));
    std::size_t found = 0;
    for (std::size_t c = top; c > 0; --c) {
      if (z[c] >= c) {
        found = c;
        break;
      }
    }
    k = int(found);
    answer = k;
  }
  answer += int64_t(n - 2 * k);
  if (k != 0) answer += 1;
  std::cout << answer << std::endl;
  if (!std::cout) io_failed("write", errno);
  if (input.error != 0) io_failed("read", input.error);
  return 0;
}
