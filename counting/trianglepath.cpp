// trianglepath: Largest path sum down a triangle, per case
//
// For each case the program reads a number triangle and writes the largest
// sum of a path from its top down to its bottom row, each step going to the
// number directly below or to the one below and to the right.
//
// Input: T, then per case n and the triangle row by row, row i holding i
// numbers, all whitespace-separated decimal integers with an optional sign.
// T and n keep the low 32 bits of their value; an entry is a signed 64-bit
// integer, and a number beyond that range is taken at its nearest bound.
// Output: Per case, "%lld\n": the best path sum from the top. Sums wrap at 64
// bits and entries are compared as signed 64-bit values; n of 0 or less
// writes 0.
//
// Cost: O(n^2) per case, linear in the triangle's entries, for the reading and
// for the folding.
//
// Method: The triangle is folded upward in place, from the bottom row: entry
// (r-1, k) gains the larger of (r, k) and (r, k+1), so the top ends holding
// the answer. Every case starts from a cleared triangle.
//
// Outside the contract: Storage is sized to each case's triangle, as far as
// its numbers are actually read, so n above 104 gets its natural answer. The
// input ends where it ends or at a token that is not a number; a case cut
// there counts its unread entries as 0 and still writes its line (rows
// wholly unread add 0 to every path), and no later case runs. A negative T
// runs cases until the input ends.
//
// A read that fails is taken as the end of the input there: the lines due
// for what was read are written. A write that fails stops the program at
// once. Either is the system refusing, reported on standard error with
// status 1.
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <climits>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string_view>
#include <vector>

constexpr char kProgram[] = "trianglepath";

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

// Row i (from 1) of the triangle occupies tower[row_start(i) ...] with i entries.
std::vector<int64_t> tower;

std::size_t row_start(int i) { return std::size_t(i) * std::size_t(i - 1) / 2; }

int64_t wrap_add(int64_t a, int64_t b) { return int64_t(uint64_t(a) + uint64_t(b)); }

// Reads up to n rows; returns the number of rows holding at least one read
// entry (a partial last row is padded with zeros).
int read_triangle(int n) {
  tower.clear();
  for (int i = 1; i <= n; ++i) {
    for (int j = 1; j <= i; ++j) {
      long long v = 0;
      if (!read_int(v)) {
        if (j == 1) return i - 1;
        tower.resize(row_start(i + 1), 0);
        return i;
      }
      tower.push_back(v);
    }
  }
  return n < 0 ? 0 : n;
}

int64_t fold(int rows) {
  if (rows <= 0) return 0;
  for (int r = rows; r > 1; --r) {
    int64_t* below = tower.data() + row_start(r);
    int64_t* above = tower.data() + row_start(r - 1);
    for (int k = 0; k < r - 1; ++k) above[k] = wrap_add(std::max(below[k], below[k + 1]), above[k]);
  }
  return tower[0];
}

int main() {
  long long T = 0, n = 0;
  read_int(T);
  // A 64-bit countdown from T's low 32 bits: a negative T runs on instead of
  // wrapping at INT_MIN.
  for (int64_t left = int(T); left != 0; --left) {
    if (!read_int(n)) break;
    put_int(fold(read_triangle(int(n))));
  }
  return finish();
}
