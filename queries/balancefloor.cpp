// balancefloor: An array under point assignments and floor raises
//
// The program reads an array of values and a list of operations, applies
// them in order (an assignment sets the value at one position; a raise lifts
// every value below a floor to that floor) and writes the final array.
//
// Input: A count n (1 to 200,005), n signed 64-bit values, a count q (0 or
// more), then q operations. Every number is a decimal integer with an
// optional sign; a value beyond 64 bits is taken at its nearest bound, and
// a count or a type keeps the low 32 bits of that. An operation is a type t;
// type 1 is followed by a position p (1 to 200,005) and a value x and stores
// x at position p (index p-1, the low 32 bits of p - 1); every other type
// (0, 2, -1, ...) is followed by one value x and raises every value below x
// to x.
// Output: The n final values on one line, each of the first n-1 followed by
// one space, the last by the newline alone.
//
// Cost: O(n + q) time and memory.
//
// Method: The operations are only recorded. For each index, the program
// counts the raises that came before its last assignment (none for a value
// as read); only the raises after it can touch it, so its final value is
// the larger of the value last stored there and the largest x among those
// raises. A suffix maximum over the raises, taken once at the end, gives
// that x.
//
// Outside the contract: An n of 0 or less holds no values and writes an empty
// line. An assignment whose index falls outside 0..n-1 is dropped: such an
// index is never raised nor written. A negative q counts as 0. n above
// 200,005 keeps every value the input supplies. When the input ends, or a
// token is not a number, reading stops there and the array is written as
// it stands; values missing from the first 200,005 stay 0 as in a
// zero-filled array (beyond it, the array ends at the last value read), and
// an operation read only in part is not applied.
//
// A read that fails is taken as the end of the input there (the array is
// still written); a write that fails stops the program at once. Either is
// the system refusing, reported on standard error with status 1.
//
// Notes: Reading and writing are the shared block below.
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string_view>
#include <vector>

constexpr char kProgram[] = "balancefloor";

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

// Values missing from the first kCapacity read 0, as in a zero-filled array.
constexpr int kCapacity = 200005;

std::vector<long long> arr;       // the value last stored at each index
std::vector<std::size_t> since;   // raises recorded before that store
std::vector<long long> raises;    // x of every raise, in input order

// Counts and types keep the low 32 bits of their number.
int main() {
  long long n = 0, q = 0, t = 0, p = 0, x = 0;
  read_int(n);
  for (long long v = 0; int(arr.size()) < int(n) && read_int(v);) arr.push_back(v);
  if (int(n) <= kCapacity && int(arr.size()) < int(n)) arr.resize(std::size_t(n), 0);
  since.assign(arr.size(), 0);
  read_int(q);
  for (int k = int(q); k > 0 && read_int(t); --k) {
    if (int(t) != 1) {
      if (read_int(x)) raises.push_back(x);
    } else if (read_int(p) && read_int(x)) {
      int j = int((unsigned long long)p - 1);
      if (j >= 0 && std::size_t(j) < arr.size()) arr[j] = x, since[j] = raises.size();  // else nothing written changes
    }
  }
  // floor_after[k]: the largest x among raises k, k+1, ...; LLONG_MIN, which
  // lifts nothing, where there are none.
  std::vector<long long> floor_after(raises.size() + 1, LLONG_MIN);
  for (std::size_t k = raises.size(); k-- > 0;) floor_after[k] = std::max(raises[k], floor_after[k + 1]);
  for (std::size_t j = 0; j < arr.size(); ++j)
    put_int(std::max(arr[j], floor_after[since[j]]), j + 1 < arr.size() ? " " : "");
  put("\n");
  return finish();
}
