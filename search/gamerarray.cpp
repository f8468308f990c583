// gamerarray: the smallest x, not below 0 nor below any value read, for which
// the total shortfall, the sum over all values v of (x - v), is at least x;
// 1000000001 when no x up to 1,000,000,000 qualifies, and the largest value
// itself when that is above 1,000,000,000.
//
// Input: a count n, then n values, whitespace-separated, each extracted from
// the standard input stream as a signed 64-bit integer (the streams are not
// synchronised with stdio; the bytes pass through a buffer of the program's
// own, below). Anything after the n values is ignored; n of 0 or less reads
// nothing.
// Output: the answer as a signed 64-bit integer, then std::endl.
//
// Cost: O(n) to read, then at most 30 passes over the n values.
//
// Method: the values are kept one by one in `gamers`. Bisection on x over
// [temp, 1e9], temp being the largest value and at least 0: mid is the sum of
// the bounds shifted right one bit; check(mid) holds when the shortfall,
// summed over every value, is >= mid, and then hi = mid - 1, else
// lo = mid + 1; lo is written. The differences and the sum wrap at 64 bits,
// done in unsigned arithmetic.
//
// Outside the contract: `gamers` grows with the input, so more than 100,005
// values get the same answer as fewer. When a read fails (the input ends, or
// a token is not a number or does not fit in 64 bits), reading stops and
// that value and every later one count as 0, as the unread elements of a
// zero-filled array would; they are not stored but add `missing` times x to
// every sum, so a huge n ends at once. An n that cannot be read counts as 0.
#include <algorithm>
#include <cstdint>
#include <iostream>
#include <vector>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

// The system's refusal to read or write is reported; input content never is.
[[noreturn]] void io_failed(const char* what, int err) {
  std::fprintf(stderr, "gamerarray: %s error: %s\n", what, std::strerror(err));
  std::_Exit(1);
}

// The standard input, passed on through a buffer of its own so that a read
// that fails ends the input there, as though it had been cut. The stream's
// own buffer throws where a read fails, and extraction, catching that, would
// fail on the number it was reading, where a cut input ends that number and
// converts it. A refill is one read, by sgetc, and a copy of what it brought
// (sgetn of what in_avail says the buffer holds, which reads nothing), so
// every byte read before the failure is used. No read is tried after it, and
// it is reported at exit.
class cut_at_failure : public std::streambuf {
 public:
  std::streambuf* from = nullptr;
  int read_err = 0;  // errno of the failed read

 protected:
  int_type underflow() override {
    if (read_err != 0) return traits_type::eof();
    try {
      if (from->sgetc() == traits_type::eof()) return traits_type::eof();
      setg(block, block, block + from->sgetn(block, std::min(from->in_avail(), std::streamsize(sizeof block))));
    } catch (const std::ios_base::failure&) {
      read_err = errno;  // still that of the failed read
      return traits_type::eof();
    }
    return traits_type::to_int_type(block[0]);
  }

 private:
  char block[1 << 13];
};

cut_at_failure input;

constexpr int64_t kCapacity = 100005;

std::vector<int64_t> gamers;
int64_t n = 0;
int64_t temp = 0;      // the largest value read, and at least 0
uint64_t missing = 0;  // values that could not be read, each counting as 0

bool check(int64_t x) {
  uint64_t sum = missing * uint64_t(x);
  for (int64_t v : gamers) sum += uint64_t(x) - uint64_t(v);
  return int64_t(sum) >= x;
}

int main() {
  std::ios::sync_with_stdio(false);
  input.from = std::cin.rdbuf();
  std::cin.rdbuf(&input);
  if (!(std::cin >> n)) n = 0;
  gamers.reserve(size_t(std::clamp<int64_t>(n, 0, kCapacity)));
  for (int64_t i = 0; i < n; ++i) {
    int64_t v = 0;
    if (!(std::cin >> v)) {
      missing = uint64_t(n) - uint64_t(i);
      break;
    }
    gamers.push_back(v);
    if (v > temp) temp = v;
  }
  // lo stays at least 0 and hi at most 1e9 inside the loop, so neither the
  // sum of the bounds nor mid + 1 can overflow.
  int64_t lo = temp, hi = 1000000000;
  while (lo <= hi) {
    int64_t mid = (lo + hi) >> 1;
    if (check(mid))
      hi = mid - 1;
    else
      lo = mid + 1;
  }
  std::cout << lo << std::endl;  // the flush shows whether the line was taken
  if (!std::cout) io_failed("write", errno);
  if (input.read_err != 0) io_failed("read", input.read_err);
  return 0;
}
