// primeruns: Ways to write n as a sum of consecutive primes
//
// For each number n read, the program counts the runs of one or more
// consecutive primes whose sum is n: 41 has three (41 itself, 11 + 13 + 17
// and 2 + 3 + 5 + 7 + 11 + 13), 666 has none.
//
// Input: Integers from -2147483648 to 10005 (decimal, an optional sign),
// until a 0, which ends the run; no token after the 0 is read.
// Output: Per number other than 0, "%d\n": the count (0 for a negative
// number).
//
// Cost: The tables once (about 30,000 steps for the runs); then constant per
// number.
//
// Method: A sieve over 0..10004 (i from 2 to 100 marks i*i, i*i+i, ...) and
// the list of its 1229 primes, built once at start. A fresh window sliding
// over that list per number (while its end index i is below n, one pass
// making three tests in turn: take in entry i if the sum is below n; count a
// hit and drop the window's first entry if the sum equals n; drop the first
// entry if the sum is above n) counts, for n from 1 to 10005, exactly the
// runs of listed primes that sum to n. So those counts are taken once at
// start, by walking every run from each first prime until its sum passes
// 10005, and each number is a look-up.
//
// Outside the contract: The input ending, or a token that is not a number,
// before a 0 ends the run. A number beyond the 32-bit range keeps the low 32
// bits of its value saturated at the 64-bit bounds. A number above 10005
// gets the count of runs of the primes below 10005 that sum to it, found by
// a window over those primes.
//
// A read that fails is taken as the end of the input there (the lines due
// are still written); a write that fails stops the program at once. Either
// is the system refusing, reported on standard error with status 1.
//
// Notes: Reading and writing are the pasted block. The table of counts
// (runs) is the one speed device: without it, a window per number, the
// benchmark run takes 90 times as long.
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <climits>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string_view>

constexpr char kProgram[] = "primeruns";

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

constexpr int kCap = 10005;

int64_t prime[kCap];
int64_t b[kCap];     // the primes ascending, then zeros
int runs[kCap + 1];  // runs[n]: runs of consecutive listed primes summing to n

void isprime() {
  memset(prime, 0, sizeof prime);
  for (int i = 2; i <= 100; ++i)
    if (prime[i] == 0)
      for (int k = i * i; k < kCap; k += i) prime[k] = 1;
}

// Every run of the list whose sum stays within 1..kCap, counted by its sum.
void count_runs() {
  for (int first = 0; b[first] != 0; ++first) {
    int64_t sum = 0;
    for (int e = first; b[e] != 0 && (sum += b[e]) <= kCap; ++e) ++runs[sum];
  }
}

// Runs of the list summing to n (n >= 1): each first prime with the shortest
// run from it that reaches n.
int runs_to(int n) {
  int count = 0;
  int64_t sum = 0;
  for (int first = 0, last = 0; b[first] != 0; sum -= b[first++]) {
    while (b[last] != 0 && sum < n) sum += b[last++];
    count += sum == n;
  }
  return count;
}

void slove(int n) { put_int(n < 1 ? 0 : n <= kCap ? runs[n] : runs_to(n)); }

int main() {
  isprime();
  memset(b, 0, sizeof b);
  int count = 0;
  for (int j = 2; j < kCap; ++j)
    if (prime[j] == 0) b[count++] = j;
  count_runs();
  long long n = 0;
  while (read_int(n) && int(n) != 0) slove(int(n));  // "%d": the low 32 bits
  return finish();
}
