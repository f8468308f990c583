// inversions: Inversions of a sequence, counted per scenario
//
// For each scenario the program reads a sequence of numbers and writes,
// under a numbered heading, how many pairs of positions i < j hold a value at
// i strictly greater than the value at j. Equal values form no pair.
//
// Input: T, then T scenarios, each n followed by n signed 64-bit values,
// read as scanf reads them (white space skipped, an optional sign, then
// decimal digits): T and n as "%d" (a value beyond the 64-bit range clamped
// to it, then cut to its low 32 bits), the values as "%lld" (clamped to the
// 64-bit range).
// Output: Per scenario, "Scenario #%lld:\n%lld\n" with the heading number
// (1, 2, 3, ... over the whole run) and the number of position pairs i < j
// whose value at i is strictly greater than the value at j.
//
// Cost: O(n log n) per scenario, after reading.
//
// Method: A merge sort counts the pairs: when the merge takes a value from
// the right half because it is strictly smaller than the next value of the
// left half, it forms a pair with every value still waiting in the left half.
// Equal values are taken from the left first and so never form a pair.
//
// Outside the contract: T of 0 or less writes nothing. Storage grows with
// the values read, so n above 1,005 gets its natural count. When a read
// fails (the input ends, or a token is not a number), every later read would
// fail too, so the input ends there: a scenario whose n cannot be read is not
// written, and neither is any later one; a scenario whose values run out is
// written with the values not read taken as 0, as the zero-filled storage
// leaves them, and ends the run.
//
// A read that fails is taken as the end of the input there (the lines due
// for what was read are written); a write that fails stops the program at
// once. Either is the system refusing, reported on standard error with
// status 1.
//
// Notes: The numbers are read by a reader of its own, eight digits at a
// time, from the C++ stream's buffer (not synchronised with stdio; nothing
// else reads them), a block of what is ready at a time, so a read waits only
// when no byte is there, as scanf does.
#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <vector>
#include <cerrno>
#include <cstdlib>

// The system's refusal to read or write is reported; input content never is.
[[noreturn]] void io_failed(const char* what, int err) {
  std::fprintf(stderr, "inversions: %s error: %s\n", what, std::strerror(err));
  std::_Exit(1);
}

std::vector<long long> s;
long long cnt = 1;

// The input, a block at a time: a block is what the stream can hand over
// without waiting (what it holds, or else what the pipe or file has ready),
// so a read waits only when no byte is there, as scanf does. The byte after
// a block is 0, neither a digit nor white space, so a scan stops there
// without testing for the end; 8 bytes from any place up to it may be loaded.
constexpr std::streamsize kBlock = 1 << 16;
char buf[kBlock + 8];
char* p = buf;
char* e = buf;

// A read that fails ends the input there, as though it had been cut: the
// stream's buffer throws where the read failed, no read is tried after it,
// and the failure is reported at exit.
int read_err;  // errno of the failed read

bool refill() {
  if (read_err != 0) return false;
  std::streambuf* in = std::cin.rdbuf();
  try {  // one read at most: sgetc refills, sgetn copies what it brought
    if (in->sgetc() == std::char_traits<char>::eof()) return false;
    e = buf + in->sgetn(buf, std::min(in->in_avail(), kBlock));
  } catch (const std::ios_base::failure&) {
    read_err = errno;  // still that of the failed read
    return false;
  }
  *e = 0;
  p = buf;
  return true;
}

// Eight bytes as one word, the first byte the lowest whatever the host's
// byte order (a swap on big-endian machines, chosen at compile time).
inline uint64_t load8(const char* q) {
  uint64_t w;
  std::memcpy(&w, q, 8);
  if constexpr (std::endian::native == std::endian::big) w = __builtin_bswap64(w);
  return w;
}

bool is_digit(char c) { return c >= '0' && c <= '9'; }
bool is_space(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

// The run of digits at q, up to 8 of them: how many, and their value, taken
// eight bytes at once (the first byte is the lowest).
inline int digits8(const char* q, uint64_t& value) {
  uint64_t w = load8(q);
  uint64_t other = ((w + 0x4646464646464646) | (w - 0x3030303030303030) | w) & 0x8080808080808080;
  int len = std::countr_zero(other) >> 3;  // bytes before the first one that is not a digit
  if (len == 0) return value = 0;
  uint64_t v = (w - 0x3030303030303030) << (64 - 8 * len);  // the digits, behind leading zeros
  v = (v * 10 + (v >> 8)) & 0x00FF00FF00FF00FF;
  v = (v * 100 + (v >> 16)) & 0x0000FFFF0000FFFF;
  value = (v * 10000 + (v >> 32)) & 0xFFFFFFFF;
  return len;
}

constexpr uint64_t kPow10[] = {1,       10,       100,       1000,       10000,       100000,      1000000,
                               10000000, 100000000, 1000000000, 10000000000, 100000000000, 1000000000000,
                               10000000000000, 100000000000000, 1000000000000000, 10000000000000000,
                               100000000000000000, 1000000000000000000, 10000000000000000000u};

// One number as "%lld" takes it; false when no digit follows the white space
// and the optional sign (the sign stays taken, the byte after it does not).
inline bool read_ll(long long& v) {
  do
    while (is_space(*p)) ++p;
  while (p == e && refill());
  if (p == e) return false;
  bool negative = *p == '-';
  if ((*p == '-' || *p == '+') && ++p == e && !refill()) return false;
  if (!is_digit(*p)) return false;
  uint64_t mag = 0;
  bool over = false;
  for (;;) {
    uint64_t chunk;
    int len = digits8(p, chunk);
    if (mag < kPow10[19 - len]) {  // below 10^19 after the step: no overflow
      mag = mag * kPow10[len] + chunk;
    } else {
      for (int k = 0; k < len; ++k) {
        uint64_t d = uint64_t(p[k] - '0');
        if (mag > (UINT64_MAX - d) / 10) over = true;
        else mag = mag * 10 + d;
      }
    }
    p += len;
    if (len < 8 && !(p == e && refill())) break;
  }
  if (over || mag > uint64_t(INT64_MAX) + negative)
    v = negative ? INT64_MIN : INT64_MAX;
  else
    v = negative ? (long long)(0 - mag) : (long long)mag;
  return true;
}

// One number as "%d" takes it: the "%lld" value cut to its low 32 bits.
inline bool read_int(int& v) {
  long long wide;
  if (!read_ll(wide)) return false;
  v = int(wide);
  return true;
}

// Sorts s[lo, hi) and returns its number of inversions.
long long count_pairs(std::vector<long long>& scratch, std::size_t lo, std::size_t hi) {
  if (hi - lo <= 8) {  // insertion sort: each step past a larger value is one pair
    long long pairs = 0;
    for (std::size_t i = lo + 1; i < hi; ++i) {
      long long v = s[i];
      std::size_t k = i;
      for (; k > lo && s[k - 1] > v; --k) s[k] = s[k - 1];
      s[k] = v;
      pairs += (long long)(i - k);
    }
    return pairs;
  }
  std::size_t mid = lo + (hi - lo) / 2;
  long long pairs = count_pairs(scratch, lo, mid) + count_pairs(scratch, mid, hi);
  std::size_t i = lo, j = mid, k = lo;
  while (i < mid && j < hi) {  // without branches on the values, which no predictor guesses
    bool right = s[j] < s[i];
    pairs += right ? (long long)(mid - i) : 0;
    scratch[k++] = right ? s[j] : s[i];
    j += right;
    i += !right;
  }
  while (i < mid) scratch[k++] = s[i++];
  while (j < hi) scratch[k++] = s[j++];
  for (k = lo; k < hi; ++k) s[k] = scratch[k];
  return pairs;
}

int main() {
  std::ios::sync_with_stdio(false);
  int T = 0;
  read_int(T);
  std::vector<long long> scratch;
  while (T > 0) {
    --T;
    int n = 0;
    if (!read_int(n)) break;
    s.clear();
    bool input_left = true;
    long long positives = 0;
    for (int64_t i = 0; i < n; ++i) {
      long long value = 0;
      if (!read_ll(value)) {
        input_left = false;
        break;
      }
      s.push_back(value);
      if (value > 0) ++positives;
    }
    scratch.resize(s.size());
    long long count = count_pairs(scratch, 0, s.size());
    // Every value read that is above 0 comes before each missing 0.
    if (!input_left) count += positives * (long long)(n - int64_t(s.size()));
    if (printf("Scenario #%lld:\n%lld\n", cnt, count) < 0) io_failed("write", errno);
    ++cnt;
    if (!input_left) break;
  }
  if (fflush(stdout) != 0) io_failed("write", errno);
  if (read_err != 0) io_failed("read", read_err);
  return 0;
}
