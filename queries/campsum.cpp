// campsum: Camp counts under point updates and range-sum queries
//
// For each case the program keeps a row of camp counts and carries out the
// commands that follow them: add an amount to one camp, subtract an amount
// from one camp, or write the total of a run of consecutive camps.
//
// Input: T, then T cases. A case is N (1 to 50,005), N counts, then commands
// until a word beginning with 'E'. Every other word is followed by two
// integers x y and acts by its first character alone (case-sensitive): 'A'
// adds y at position x, 'S' subtracts y there, 'Q' writes the sum of
// positions x..y (0-based, a range that overlaps 0..N-1), anything else
// consumes x y and does nothing. A word is a run of bytes other than white
// space, of any length. Every number is a decimal integer with an optional
// sign, of which the low 32 bits are kept.
// Output: "Case c:\n" per case once its counts are read, then "%d\n" per 'Q'.
// All counts and sums are 32-bit and wrap, the negation of an 'S' amount too.
// When the input ends, the case ends as at an 'E' word, and every case still
// to come writes its header alone.
// Output is written before the program waits for input and at exit: a client
// that sends a query and waits gets its answer at once.
//
// Cost: O(N) per case to build, O(log N) per command, and a pass over the
// input bytes; a case pays only for its own positions.
//
// Method: An update lands on position x, or on the nearest end of the row
// when x lies outside 0..N-1; a query adds up the counts of the positions of
// x..y that lie in the row. The counts are kept in a tree of partial sums
// (node i holds the positions i - (i & -i) .. i - 1): an update adds to the
// nodes that cover its position, and a query is the difference of two
// prefix sums. Every sum wraps at 32 bits, so the difference is exact.
//
// Outside the contract: N of 0 or less keeps no positions (updates change
// nothing, queries write 0); an empty query range writes 0; N above 50,005
// behaves like any other N. A number beyond the 32-bit range is taken as its
// value saturated at the 64-bit bounds, of which the low 32 bits are kept
// (4294967301 reads as 5, forty 1s as -1), on every machine. A token that is
// not a number where one is due ends the input there: counts cut short stay
// 0, a command cut short acts with the x and y it had before.
//
// A read that fails is taken as the end of the input there (the lines due
// are still written); a write that fails stops the program at once. Either
// is the system refusing, reported on standard error with status 1.
//
// Notes: Reading and writing are the shared block below; a refill is the
// only place the program can wait, so the lines collected so far go out just
// before it. The tree is one array of N + 1 32-bit sums (unsigned, so that
// they wrap), grown with the counts actually read.
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string_view>
#include <vector>

constexpr char kProgram[] = "campsum";

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
// ---- reading a token: the same text in every program that has it ----
// The next token, whole; empty at the end of the input.
std::string_view token() {
  std::size_t k = 0;
  do {
    if (k == 0) while (in_pos < in_len && is_space(in_buf[in_pos])) ++in_pos;
    while (in_pos + k < in_len && !is_space(in_buf[in_pos + k])) ++k;
  } while (in_pos + k == in_len && refill());
  in_pos += k;
  return {in_buf + in_pos - k, k};
}
// ---- end of reading a token ----

// camps[i], for i from 1 to kept, holds the wrapped sum of the counts at
// positions i - (i & -i) to i - 1; camps[0] is not used.
std::vector<unsigned> camps;
int kept = 0;  // positions in the current case

// The sums over the counts stored at camps[1..kept].
void build() {
  for (int i = 1; i <= kept; ++i)
    if (int up = i + (i & -i); up <= kept) camps[up] += camps[i];
}

// Adds v at position p; a position outside the row lands on its nearest end.
void add(int p, unsigned v) {
  p = p < kept ? p : kept - 1;
  for (int i = (p < 0 ? 0 : p) + 1; i <= kept; i += i & -i) camps[i] += v;
}

// The wrapped sum of the counts at positions 0 to k - 1.
unsigned prefix(int k) {
  unsigned sum = 0;
  for (; k > 0; k -= k & -k) sum += camps[k];
  return sum;
}

// The sum of the counts at the positions of ql..qr that lie in the row.
int que(int ql, int qr) {
  int lo = ql < 0 ? 0 : ql, hi = qr < kept ? qr : kept - 1;
  return lo <= hi ? int(prefix(hi + 1) - prefix(lo)) : 0;
}

// Every number keeps its low 32 bits, taken where it is used; a failed read
// leaves the number as it was.
int main() {
  long long T = 0, N = 0, x = 0, y = 0;
  read_int(T);
  for (long long c = 1; c <= int(T); ++c) {
    read_int(N);  // a failed read keeps the last case's N
    // The counts actually read: where fewer than N come, the input has ended
    // and no command follows.
    camps.assign(1, 0);
    for (long long v = 0; int(camps.size()) <= int(N) && read_int(v);) camps.push_back(unsigned(v));
    kept = int(camps.size()) - 1;
    build();
    put("Case ");
    put_int(c, ":\n");
    for (std::string_view word; !(word = token()).empty() && word[0] != 'E';) {
      char act = word[0];  // the word's bytes may move when the numbers are read
      if (read_int(x)) read_int(y);
      if (act == 'A' || act == 'S') add(int(x), act == 'A' ? unsigned(y) : 0u - unsigned(y));
      if (act == 'Q') put_int(que(int(x), int(y)));
    }
  }
  return finish();
}
