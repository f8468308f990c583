// spancover: Fewest intervals covering every position 1 to T
//
// The program reads closed integer intervals and a last position T, and
// writes the smallest number of intervals whose union covers every integer
// position from 1 to T, or -1 when no choice of them does. Two intervals
// chain when the second starts no later than one past the end of what is
// already covered: 1-3 and 4-6 together cover 1 to 6.
//
// Input: A count n (0 to 25,005) and the end T, then n intervals, each a
// start and an end (inclusive, signed 32-bit, taken as read even when the end
// lies before the start). All numbers are whitespace-separated decimal
// integers with an optional sign.
// Output: The count with "%d" and nothing after it, or "-1" and a newline
// when some position cannot be covered. T of 0 or less needs no interval: 0.
//
// Cost: O(n log n) for the sort; the reading and the scans are linear in n.
//
// Method: The intervals are sorted by start (ties by end, the longest
// first); then, while the cover falls short of T, the program takes among the
// intervals starting at or before the first uncovered position the one that
// reaches furthest. The scan resumes at the first interval that started too
// late, so every interval is read a bounded number of times. The first
// uncovered position is one past a cover that is still below T, so it never
// passes 2147483647.
//
// Outside the contract: Storage grows with the intervals read, so n above
// 25,005 gets its natural answer. The input ends where it ends or at a token
// that is not a number; reading stops there: the intervals not read would be
// (0, 0), and such an interval covers nothing, so leaving them out changes
// no answer; an interval whose end is missing is left out for the same
// reason (its end would be 0). A number beyond the 32-bit range is taken as
// its value saturated at the 64-bit bounds, of which the low 32 bits are
// kept (4294967301 reads as 5, forty 1s as -1), on every machine.
//
// A read that fails is taken as the end of the input there (the answer for
// what was read is still written); a write that fails stops the program at
// once. Either is the system refusing, reported on standard error with
// status 1.
//
// Notes: The numbers come through the reading block below; the intervals
// are sorted with std::sort and cmp.
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

constexpr char kProgram[] = "spancover";

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

struct cow {
  int start, end;
};

std::vector<cow> mew;

// Ascending by start; of equal starts, the one that ends later first.
int cmp(cow a, cow b) {
  if (a.start == b.start) return a.end > b.end;
  return a.start < b.start;
}

// A number as "%d" takes it: the 64-bit value, of which the low 32 bits.
bool read_d(int& x) {
  long long v = 0;
  if (!read_int(v)) return false;
  x = int(v);
  return true;
}

int main() {
  int n = 0, T = 0;
  read_d(n);
  read_d(T);
  mew.reserve(std::size_t(std::clamp(n, 0, 25005)));
  for (long long i = 0; i < n; ++i) {
    cow c{};
    if (!read_d(c.start) || !read_d(c.end)) break;
    mew.push_back(c);
  }
  // cmp through a lambda, which the compiler inlines.
  std::sort(mew.begin(), mew.end(), [](cow a, cow b) { return cmp(a, b) != 0; });

  int count = 0, reach = 0;
  std::size_t pos = 0;
  while (reach < T) {
    int target = reach + 1;
    for (std::size_t i = pos; i < mew.size(); ++i) {
      if (mew[i].start > target) {
        pos = i;
        break;
      }
      reach = std::max(reach, mew[i].end);
    }
    if (reach < target) {
      put("-1\n");
      break;
    }
    ++count;
  }
  if (reach >= T) put_int(count, "");
  return finish();
}
