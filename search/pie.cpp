// pie: Largest equal slice area cut from a set of circles
//
// For each case the program turns every radius into the area of its circle
// and finds the largest slice area x such that cutting every circle into
// whole slices of area x (a circle of area a gives a / x slices, the rest
// wasted) yields at least F + 1 slices in all. It searches by bisection over
// doubles and writes the area with four decimals, one line per case.
//
// Input: A count of cases T of 0 or more, then per case N from 1 to 10,005
// and F of at most 2,147,483,647, followed by N radii. T, N and F are
// decimal integers with an optional sign; a radius is a floating-point
// number, decimal or hexadecimal, with an optional sign and exponent, or
// inf, infinity or nan in any case. The answers must lie below 2^30 and the
// slice counts within 2,147,483,647.
// Output: Per case one line with the answer to four decimals: the upper
// bound of the search, which starts from 0 and the largest area and, while
// the bounds lie more than 1e-7 apart, moves one of them to their midpoint,
// the lower one where the midpoint gives enough slices.
//
// Cost: O(N log N) per case to read and sort the areas, then about
// log2(largest area / 1e-7) steps (52 for an area of 3 * 10^8), each costing
// O(D log N) for the D different slice counts that the circles give.
//
// Method: A radius r gives the area (r * r) * 3.141592653589793. The slice
// count only sums over the areas, so their order does not matter: they are
// sorted once per case and the largest is the last. A larger area never
// gives fewer slices, so the circles that give the same count lie side by
// side: a step takes them a run at a time from the largest area down, finds
// where each run starts by bisection, and stops as soon as the count
// reaches F + 1 or the areas left give no slice.
//
// Outside the contract: Such input is taken as follows.
// - Storage is sized to each case, so N above 10005 keeps every radius. N of
//   0 or less reads no radius and, with no area to start from, writes
//   0.0000 (as though every area were 0).
// - F + 1 wraps at 32 bits (F = 2147483647 needs -2147483648 slices, so
//   every candidate passes and the largest area is written).
// - The count is kept exact in 64 bits, a quotient of 2^31 or more counting
//   as 2^31, which already reaches any 32-bit F + 1: a count beyond the
//   32-bit range makes the candidate pass instead of wrapping.
// - A radius that reads as nan gives area 0. An area that overflows to
//   infinity (or a radius read as inf) is written as "inf" with no search.
// - For answers of 2^30 and more the bounds can become neighbouring doubles
//   whose midpoint rounds to one of them: the search stops as soon as a step
//   would leave both bounds as they are, and writes the upper one. A sum of
//   the bounds beyond the largest double is halved term by term.
// - The input ends where it ends or at a token that is not a number. A case
//   cut in its radii counts the missing ones as area 0 and writes its line;
//   a case cut before its N and F writes nothing. No later case runs, so a T
//   beyond the input, or a negative T, runs only the cases present.
// - A T, N or F beyond the 32-bit range is taken as its value saturated at
//   the 64-bit bounds, of which the low 32 bits are kept (4294967301 reads
//   as 5, forty 1s as -1), on every machine.
//
// A read that fails is taken as the end of the input there (the lines due
// are still written); a write that fails stops the program at once. Either
// is the system refusing, reported on standard error with status 1.
//
// Notes: Numbers come through the block reader below (read(2) by blocks,
// from_chars, strtod for the forms from_chars refuses), the lines through
// its output buffer. The areas are sorted by radix on their bit patterns
// (sort_areas): with std::sort the benchmark run takes 1.8 times as long.
// check's runs of equal counts (std::partition_point) against a count over
// every area: 1.35 times as long without them.
#include <unistd.h>

#include <algorithm>
#include <bit>
#include <cerrno>
#include <cfloat>
#include <charconv>
#include <climits>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

constexpr char kProgram[] = "pie";

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

// ---- reading a double: the same text in every program that has it ----
// The next token as strtod converts it (from_chars where it agrees, strtod
// for a sign, hexadecimal or a value beyond the range); false, leaving v,
// where it is not a number: that ends the input.
bool read_double(double& v) {
  std::string_view t = token();
  double x = 0;
  auto [end, ec] = std::from_chars(t.data(), t.data() + t.size(), x);
  if (ec != std::errc() || end != t.data() + t.size()) {
    std::string s(t);
    char* stop = nullptr;
    x = std::strtod(s.c_str(), &stop);
    if (t.empty() || stop != s.c_str() + s.size()) return in_end = true, in_pos = in_len, false;
  }
  v = x;
  return true;
}
// ---- end of reading a double ----

// The x87 unit of 32-bit x86 without SSE keeps every result in an 80-bit
// register. There main sets it to round each operation to a double's 53
// bits (rounded to 64 bits and then to 53, a result can land one unit off),
// and `rd` stores a result through memory, which rounds it to double where
// it is formed: the double results of every other machine.
#if FLT_EVAL_METHOD == 2 && defined(__i386__)
#include <fpu_control.h>
static double rd(double v) { volatile double s = v; return s; }
static void round_to_double() {
  fpu_control_t cw;
  _FPU_GETCW(cw);
  cw = fpu_control_t((cw & ~_FPU_EXTENDED) | _FPU_DOUBLE);
  _FPU_SETCW(cw);
}
#elif FLT_EVAL_METHOD == 0
static double rd(double v) { return v; }
static void round_to_double() {}
#else
#error "double results must be rounded where they are formed"
#endif

const double pie = 3.141592653589793;
const double eps = 1e-7;

std::vector<double> cake;
int N, F;

double cal(double r) { return rd(rd(r * r) * pie); }

// The slices an area gives: the quotient truncated, 2^31 standing for any
// larger one (which already reaches any 32-bit need).
int64_t slices(double area, double x) {
  double q = rd(area / x);
  return q < 2147483648.0 ? int64_t(q) : int64_t(1) << 31;
}

// The areas in ascending order (as std::sort leaves them, 1.8 times as
// fast in all): six stable counting passes of 11 bits each over their bit
// patterns, lowest first. For doubles neither negative nor
// nan the patterns order as the doubles do, and equal patterns are equal
// areas.
void sort_areas() {
  auto key = [](double a) { return std::bit_cast<uint64_t>(a); };
  std::vector<double> spare(cake.size());
  for (int shift = 0; shift < 64; shift += 11) {
    std::size_t at[2049] = {};
    for (double a : cake) ++at[(key(a) >> shift & 2047) + 1];
    for (int b = 0; b < 2048; ++b) at[b + 1] += at[b];
    for (double a : cake) spare[at[key(a) >> shift & 2047]++] = a;
    cake.swap(spare);
  }
}

// Whether the areas give at least F slices of area x. The areas are sorted,
// so those that give the same count form a run: from the largest area down,
// each run's start is found by bisection (1.35 times as fast in all as a
// count over every area).
bool check(double x) {
  int64_t count = 0;
  auto end = cake.end();  // the areas from here on are counted
  while (end != cake.begin() && count < F) {
    int64_t q = slices(end[-1], x);
    if (q == 0) break;  // no smaller area gives a slice either
    auto in = std::partition_point(cake.begin(), end, [&](double a) { return slices(a, x) < q; });
    count += q * (end - in);
    end = in;
  }
  return count >= F;
}

// Reads the case's radii into cake as areas; stops at the first failed read.
void read_case() {
  cake.clear();
  for (double r = 0; int64_t(cake.size()) < N && read_double(r);) {
    double area = cal(r);
    cake.push_back(std::isnan(area) ? 0.0 : area);
  }
}

double largest_slice() {
  sort_areas();
  double hi = cake.empty() ? 0.0 : cake.back();  // an infinite one is written: every midpoint is infinite too
  double lo = 0.0;
  while (rd(lo + eps) < hi) {
    double mid = rd(rd(lo + hi) / 2.0);
    if (std::isinf(mid)) mid = rd(rd(lo / 2.0) + rd(hi / 2.0));
    if (mid == lo || mid == hi) break;  // neighbouring bounds, which no step moves
    (check(mid) ? lo : hi) = mid;
  }
  return hi;
}

int main() {
  round_to_double();
  long long T = 0, n = 0, f = 0;
  read_int(T);
  // A 64-bit countdown from T's low 32 bits: a negative T runs on instead of
  // wrapping at INT_MIN.
  for (int64_t left = int(T); left != 0; --left) {
    if (!read_int(n) || !read_int(f)) break;
    N = int(n), F = int32_t(uint32_t(f) + 1u);
    read_case();
    char line[400];  // the largest double has 309 digits
    put({line, std::size_t(std::snprintf(line, sizeof line, "%.4f\n", largest_slice()))});
  }
  return finish();
}
