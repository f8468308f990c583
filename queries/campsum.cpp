// campsum: Camp counts under point updates and range-sum queries
//
// For each case the program keeps a row of camp counts and carries out the
// commands that follow them: add an amount to one camp, subtract an amount
// from one camp, or write the total of a run of consecutive camps.
//
// Input: T, then T cases. A case is N, N counts, then commands until a word
// beginning with 'E'. Every other word is followed by two integers x y and
// acts by its first character alone (case-sensitive): 'A' adds y at position
// x, 'S' subtracts y there, 'Q' writes the sum of positions x..y (0-based),
// anything else consumes x y and does nothing. A word is a run of bytes
// other than white space, of any length. A number is read as scanf's "%lld"
// reads it (white space, an optional sign, decimal digits) and its low 32
// bits are kept.
// Output: "Case c:\n" per case once its counts are read, then "%d\n" per 'Q'.
// All counts and sums are 32-bit and wrap, the negation of an 'S' amount too.
// When the input ends, the case ends as at an 'E' word, and every case still
// to come writes its header alone.
// Output is written before the program waits for input and at exit: a client
// that sends a query and waits gets its answer at once.
//
// Cost: O(N) per case to build, O(log N) per command, and a pass over the
// input bytes; a case pays only for its own positions. On the benchmark
// input a run takes about 4x the time of merely copying its bytes; in a
// profile, converting the numbers takes a quarter of the run, the tree's
// updates and queries a fifth, the words a fourteenth, and starting the
// process and the system's reads most of the rest.
//
// Method: An update lands on position x, or on the nearest end of the row
// when x lies outside 0..N-1; a query adds up the counts of the positions of
// x..y that lie in the row. The counts are kept in a tree of partial sums
// (node i holds the positions i - (i & -i) .. i - 1): an update adds to the
// nodes that cover its position, and a query is the difference of two
// prefix sums. Every sum wraps at 32 bits, so the difference is exact.
//
// Outside the contract: N of 0 or less keeps no positions (updates change
// nothing, queries write 0); an empty query range writes 0; N above
// kMaxCamps keeps only the first kMaxCamps positions (the remaining counts
// are read and dropped). A number beyond the 32-bit range is taken as its
// value saturated at the 64-bit bounds, of which the low 32 bits are kept
// (4294967301 reads as 5, forty 1s as -1), on every machine. A token that is
// not a number where one is due is not taken: a count cut short leaves the
// rest of the counts 0, a command keeps the x and y it had before, and the
// token (less a sign before it) is read as the next word.
//
// A read that fails is taken as the end of the input there (the lines due
// are still written); a write that fails stops the program at once. Either
// is the system refusing, reported on standard error with status 1.
//
// Notes: Input comes in blocks from one read of file descriptor 0 each,
// which returns what is there; a refill is the only place the program can
// wait, so the lines collected so far are written out just before it and a
// batch run writes a buffer at a time. After the end of the input or a
// failed read, no read is tried again. The tree is one array of N + 1 32-bit
// sums (200 KB for 50,005 camps), in place of the four-fold array a
// recursive tree of ranges would take. The scanf and getchar reading it
// replaces took three quarters of a run's instructions, the recursive tree
// most of the rest.
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

// The system's refusal to read or write is reported; input content never is.
[[noreturn]] void io_failed(const char* what, int err) {
  std::fprintf(stderr, "campsum: %s error: %s\n", what, std::strerror(err));
  std::_Exit(1);
}

char out[1 << 16];
std::size_t out_len = 0;

// A write that fails stops the program at once: nothing after it would arrive.
void flush() {
  if (std::fwrite(out, 1, out_len, stdout) != out_len || std::fflush(stdout) != 0)
    io_failed("write", errno);
  out_len = 0;
}

void put(const char* text, std::size_t size) {
  std::memcpy(out + out_len, text, size);
  out_len += size;
}

void put_number(int v) {
  out_len = std::size_t(std::to_chars(out + out_len, out + sizeof out, v).ptr - out);
}

void put_header(int c) {
  if (out_len + 32 > sizeof out) flush();
  put("Case ", 5);
  put_number(c);
  put(":\n", 2);
}

void put_sum(int v) {
  if (out_len + 32 > sizeof out) flush();
  put_number(v);
  out[out_len++] = '\n';
}

// The input, a block at a time. The byte after a block is 0, neither a
// digit nor white space, so a scan of either stops there; only a scan of a
// word, where 0 is an ordinary byte, tests for the end of the block.
char in[(1 << 16) + 1];
const char* p = in;
const char* e = in;
bool in_end = false;  // no byte will come any more
int read_err = 0;     // errno of a read that failed, which ended the input there

bool is_space(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }
bool is_digit(char c) { return c >= '0' && c <= '9'; }

// The next block; false at the end of the input.
bool refill() {
  if (in_end) return false;
  flush();  // the read below waits when no byte is there yet
  ssize_t n;
  do n = read(0, in, sizeof in - 1);
  while (n < 0 && errno == EINTR);
  if (n <= 0) {
    if (n < 0) read_err = errno;  // taken as the end of the input, as if cut
    in_end = true;
    return false;
  }
  p = in;
  e = in + n;
  in[n] = 0;
  return true;
}

// Passes over white space; false when the input ends first.
bool skip_space() {
  for (;;) {
    while (is_space(*p)) ++p;
    if (p != e) return true;
    if (!refill()) return false;
  }
}

// The first byte of the next word, the rest of which is passed over; -1
// when the input ends first.
int read_word() {
  if (!skip_space()) return -1;
  int first = static_cast<unsigned char>(*p++);
  do
    while (p != e && !is_space(*p)) ++p;
  while (p == e && refill());
  return first;
}

// "%lld" as the C library converts it, with the low 32 bits kept: true when
// a number was converted into v. A sign is taken even when no digit follows
// it; the byte that ends the number is not.
bool scan_int(int& v) {
  while (is_space(*p)) ++p;
  if (p == e && !skip_space()) return false;
  bool neg = *p == '-';
  if ((*p == '-' || *p == '+') && ++p == e && !refill()) return false;
  if (!is_digit(*p)) return false;
  uint64_t mag = 0;  // held at UINT64_MAX once past it: every such value saturates
  const char* start = p;
  for (unsigned d; (d = unsigned(*p - '0')) < 10; ++p) mag = mag * 10 + d;
  if (p - start > 18 || p == e) {  // maybe past 2^63, or going on in the next block
    mag = 0;
    p = start;
    do
      for (unsigned d; (d = unsigned(*p - '0')) < 10; ++p)
        mag = mag > (UINT64_MAX - 9) / 10 ? UINT64_MAX : mag * 10 + d;
    while (p == e && refill() && is_digit(*p));
  }
  int64_t w = neg ? (mag > (uint64_t(1) << 63) ? INT64_MIN : int64_t(0 - mag))
                  : (mag >= (uint64_t(1) << 63) ? INT64_MAX : int64_t(mag));
  v = int(uint32_t(uint64_t(w)));
  return true;
}

// Twenty times the ledger's intended 50,005 camps; its tree takes 4 MiB.
constexpr int kMaxCamps = 1 << 20;

// camps[i], for i from 1 to N, holds the wrapped sum of the counts at
// positions i - (i & -i) to i - 1; camps[0] is not used.
std::vector<uint32_t> camps;
int kept = 0;  // positions in the current case

// Builds the sums over the counts already stored at camps[1..kept].
void build() {
  for (int i = 1; i <= kept; ++i) {
    int up = i + (i & -i);
    if (up <= kept) camps[up] += camps[i];
  }
}

// Adds v at position p; a position outside the row lands on its nearest end.
void add(int p, uint32_t v) {
  p = p < 0 ? 0 : p >= kept ? kept - 1 : p;
  for (int i = p + 1; i <= kept; i += i & -i) camps[i] += v;
}

// The wrapped sum of the counts at positions 0 to k - 1.
uint32_t prefix(int k) {
  uint32_t sum = 0;
  for (int i = k; i > 0; i -= i & -i) sum += camps[i];
  return sum;
}

// The sum of the counts at the positions of ql..qr that lie in the row.
int que(int ql, int qr) {
  int lo = ql < 0 ? 0 : ql, hi = qr >= kept ? kept - 1 : qr;
  return lo <= hi ? int(prefix(hi + 1) - prefix(lo)) : 0;
}

int main() {
  int T = 0, N = 0, x = 0, y = 0;
  scan_int(T);
  for (int64_t c = 1; c <= T; ++c) {
    if (in_end) {
      // Every read from here on fails: each remaining case is its header alone.
      for (; c <= T; ++c) put_header(int(c));
      break;
    }
    scan_int(N);  // a failed read keeps the last case's N
    kept = N < 0 ? 0 : N > kMaxCamps ? kMaxCamps : N;
    camps.assign(std::size_t(kept) + 1, 0);
    for (int i = 0; i < N; ++i) {
      int v = 0;
      if (!scan_int(v)) break;  // the counts not read stay zero
      if (i < kept) camps[i + 1] = uint32_t(v);
    }
    build();
    put_header(int(c));
    for (int word; (word = read_word()) >= 0 && word != 'E';) {
      if (scan_int(x)) scan_int(y);
      if (kept == 0) {
        if (word == 'Q') put_sum(0);
      } else if (word == 'A') {
        add(x, uint32_t(y));
      } else if (word == 'S') {
        add(x, 0u - uint32_t(y));
      } else if (word == 'Q') {
        put_sum(que(x, y));
      }
    }
  }
  flush();
  if (read_err != 0) io_failed("read", read_err);
  return 0;
}
