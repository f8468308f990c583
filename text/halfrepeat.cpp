// halfrepeat: Longest prefix repeated at once, as n - k + 1
//
// Given a string of n characters, the program looks for the largest k with
// 2k <= n whose prefix of length k is followed at once by a second copy of
// itself, and writes n - k + 1; when no k fits it writes n.
//
// Input: A number n (a 32-bit integer: white space skipped, an optional
// sign, then decimal digits), then the string as one white-space-delimited
// token; the string is expected to be n characters long.
// Output: The answer as a 64-bit integer on one line.
//
// Cost: O(n) time and memory.
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
// the input there (the part of the token it cut is lost), so the answer for
// what was read is written; a write that fails stops the program. Either is
// the system refusing, reported on standard error with status 1.
//
// Notes: Both values are taken by stream extraction, with the streams not
// synchronised with stdio; the input stream reports a failed read by an
// exception, which carries the reason.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <string>
#include <vector>

// The system's refusal to read or write is reported; input content never is.
[[noreturn]] void io_failed(const char* what, int err) {
  std::fprintf(stderr, "halfrepeat: %s error: %s\n", what, std::strerror(err));
  std::_Exit(1);
}

// The largest k <= top whose first k bytes of t repeat at once after
// themselves, or 0; t holds at least 2 * top bytes. z[i] is the length of the
// longest common prefix of t[0..2 top) and t[i..2 top), for i up to top.
std::size_t largest_repeat(const std::string& t, std::size_t top) {
  std::size_t m = 2 * top;
  std::vector<uint32_t> z(top + 1, 0);  // top < 2^30: n is an int
  std::size_t l = 0, r = 0;  // t[l..r) is the rightmost match found so far
  for (std::size_t i = 1; i <= top; ++i) {
    std::size_t len = i < r ? std::min<std::size_t>(r - i, z[i - l]) : 0;
    while (i + len < m && t[len] == t[i + len]) ++len;
    z[i] = uint32_t(len);
    if (i + len > r) l = i, r = i + len;
  }
  for (std::size_t k = top; k > 0; --k)
    if (z[k] >= k) return k;
  return 0;
}

// The same, found directly while the bytes compared stay within t's length
// (most candidates fail within their first few bytes; the Z-array alone
// took 2 times as long on a string without a repeat), then by the Z-array
// for the candidates left, which keeps the whole search linear.
std::size_t largest_repeat_fast(const std::string& t, std::size_t top) {
  std::size_t budget = t.size();
  for (std::size_t c = top; c > 0; --c) {
    std::size_t same = 0;
    while (same < c && t[same] == t[c + same]) ++same;
    if (same == c) return c;
    if (same > budget) return largest_repeat(t, c - 1);
    budget -= same;
  }
  return 0;
}

int main() {
  std::ios::sync_with_stdio(false);
  std::cin.exceptions(std::ios::badbit);
  int n = 0, read_err = 0;
  std::string str;
  try {
    std::cin >> n;
    str.reserve(std::size_t(std::clamp(n, 0, 1 << 24)));  // growing it: 1.3x
    std::cin >> str;
  } catch (const std::ios_base::failure& e) {
    read_err = e.code().value();
  }
  int k = n / 2;
  int64_t answer = 0;
  if (k > 0) {
    // Candidates above half the string's length reach past its end: no match.
    k = int(largest_repeat_fast(str, std::min(std::size_t(k), str.size() / 2)));
    answer = k;
  }
  answer += int64_t(n - 2 * k);
  if (k != 0) answer += 1;
  std::cout << answer << std::endl;
  if (!std::cout) io_failed("write", errno);
  if (read_err != 0) io_failed("read", read_err);
  return 0;
}
