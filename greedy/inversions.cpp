// inversions: Inversions of a sequence, counted per scenario
//
// For each scenario the program reads a sequence of numbers and writes,
// under a numbered heading, how many pairs of positions i < j hold a value at
// i strictly greater than the value at j. Equal values form no pair.
//
// Input: T (0 or more), then T scenarios, each n (0 to 1,005) followed by n
// signed 64-bit values, all whitespace-separated decimal integers with an
// optional sign. A value beyond the 64-bit range is taken as the nearest
// 64-bit bound; T and n keep the low 32 bits of their value so taken.
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
// the values read, so n above 1,005 gets its natural count. The input ends
// where it ends or at a token that is not a number: a scenario whose n
// cannot be read is not written, and neither is any later one; a scenario
// whose values run out is written with the values not read taken as 0, and
// ends the run.
//
// A read that fails is taken as the end of the input there (the lines due
// for what was read are written); a write that fails stops the program at
// once. Either is the system refusing, reported on standard error with
// status 1.
//
// Notes: The numbers come through the reading block below. The merge
// takes its next value without a branch on the values: with one, a run
// takes 1.2 times as long.
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string_view>
#include <vector>

constexpr char kProgram[] = "inversions";

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

std::vector<long long> s, scratch;
long long cnt = 1;

// Sorts s[lo, hi) and returns the number of its inversions.
long long count_pairs(std::size_t lo, std::size_t hi) {
  if (hi - lo < 2) return 0;
  std::size_t mid = lo + (hi - lo) / 2;
  long long pairs = count_pairs(lo, mid) + count_pairs(mid, hi);
  std::size_t i = lo, j = mid, k = lo;
  // Without branches on the values, which no predictor guesses: a branching
  // merge made the whole run take 1.2 times as long.
  while (i < mid && j < hi) {
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
  long long v = 0;
  read_int(v);
  for (int T = int(v); T > 0; --T) {  // as "%d": the low 32 bits
    if (!read_int(v)) break;
    const long long n = int(v);
    s.clear();
    long long positives = 0;
    while ((long long)s.size() < n && read_int(v)) {
      s.push_back(v);
      positives += v > 0;
    }
    const long long missing = n - (long long)s.size();
    scratch.resize(s.size());
    // Each value read that is above 0 comes before every missing 0.
    long long count = count_pairs(0, s.size()) + positives * (missing > 0 ? missing : 0);
    put("Scenario #");
    put_int(cnt++, ":\n");
    put_int(count);
    if (missing > 0) break;
  }
  return finish();
}
