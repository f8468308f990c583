// pie: Largest equal slice area cut from a set of circles
//
// For each case the program turns every radius into the area of its circle
// and finds the largest slice area x such that cutting every circle into
// whole slices of area x (a circle of area a gives a / x slices, the rest
// wasted) yields at least F + 1 slices in all. It searches by bisection over
// doubles and writes the area with four decimals, one line per case.
//
// Input: A count of cases T, then per case N and F followed by N radii. T, N
// and F are decimal integers as "%d" takes them (white space, an optional
// sign, digits). A radius is a number as "%lf" takes it: decimal or
// hexadecimal, with an optional sign and exponent, or inf, infinity or nan in
// any case; it converts to the double that strtod gives for the characters
// "%lf" takes.
// Output: Per case "%.4lf\n" with hi, the upper bound of the search: the
// search starts from lo = 0 and hi = the largest area, and while
// lo + 1e-7 < hi it moves lo or hi to mid = (lo + hi) / 2 as check(mid)
// holds or fails.
//
// Cost: O(N) per case to read and sort the areas, then about
// log2(largest area / 1e-7) steps (52 for an area of 3 * 10^8), each costing
// O(D log N) for the D different slice counts that the circles give. On
// 20 cases of 10,005 radii, reading takes about 60% of the instructions,
// the sort 30% and the search 7%.
//
// Method: A radius r gives the area (r * r) * pie. The slice count only sums
// over the areas, so their order does not matter: they are sorted once per
// case and the largest is the last. A larger area never gives fewer slices,
// so the circles that give the same count lie side by side: check takes them
// a run at a time from the largest area down, finds where each run starts by
// a galloping search, and stops as soon as the count reaches F + 1 or the
// areas left give no slice.
//
// Outside the contract: Such input is taken as follows.
// - Storage is sized to each case, so N above 10005 keeps every radius. N of
//   0 or less reads no radius and, with no area to start from, writes
//   0.0000 (as though every area were 0).
// - F + 1 wraps at 32 bits (F = 2147483647 needs INT_MIN slices, so every
//   candidate passes and the largest area is written).
// - The count is kept exact in 64 bits, a quotient of 2^31 or more counting
//   as 2^31, which already reaches any 32-bit F + 1: a count beyond the
//   32-bit range makes check pass instead of wrapping or converting a value
//   out of range.
// - A radius that reads as nan gives area 0. An area that overflows to
//   infinity (or a radius read as inf) is written as "inf" with no search.
// - For answers of 2^30 and more the bounds can become neighbouring doubles
//   whose midpoint rounds to one of them: the search stops as soon as a step
//   would leave both bounds as they are, and writes hi. A sum lo + hi beyond
//   the largest double is halved term by term.
// - A radius that fails to convert (the input ended or holds a non-number)
//   ends the case's radii; the missing ones count as area 0 and the case
//   writes its line. The characters "%lf" took for it are gone: a sign, a
//   point, "0x", or the letters of a word that begins like nan or infinity
//   and then differs (the differing character too), and the next case reads
//   on from there. A case whose N and F cannot both be read ends the run, so
//   a T beyond the input, or a negative T, runs only the cases present.
// - A T, N or F beyond the 32-bit range is taken as its value saturated at
//   the 64-bit bounds, of which the low 32 bits are kept (4294967301 reads
//   as 5, forty 1s as -1), on every machine.
//
// A read that fails is taken as the end of the input there (the lines due
// are still written); a write that fails stops the program at once. Either
// is the system refusing, reported on standard error with status 1.
//
// Notes: Input comes in blocks from one read of file descriptor 0 each. A
// radius of the plain form (an optional sign, at most 15 digits with an
// optional point among them) followed by white space within the block is
// converted on the spot: its digits make an integer below 2^53 and the power
// of ten it is divided by is at most 10^15, both exact doubles, so the one
// rounding of the division gives the double nearest to the decimal value,
// which is what strtod gives (on x87 too, rounding to 53 bits). Any other
// radius is collected character by character as "%lf" collects it and
// handed to strtod. The areas are sorted by radix on their bit patterns.
#include <unistd.h>

#include <algorithm>
#include <bit>
#include <cerrno>
#include <cfloat>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

// The system's refusal to read or write is reported; input content never is.
[[noreturn]] void io_failed(const char* what, int err) {
  std::fprintf(stderr, "pie: %s error: %s\n", what, std::strerror(err));
  std::_Exit(1);
}

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

// The input, a block at a time, each block one read of file descriptor 0.
// The byte after a block is 0, neither a digit nor white space, so a scan
// stops there without testing for the end; 8 bytes from any place up to it
// may be loaded. A read that fails ends the input
// there, as though it had been cut: no read is tried after it (nor after the
// end), and the failure is reported at exit.
constexpr size_t kBlock = 1 << 16;
char buf[kBlock + 8];
size_t pos = 0, len = 0;
bool ended = false;
int read_err = 0;  // errno of the failed read

int refill() {
  pos = len = 0;
  if (!ended) {
    ssize_t got = read(0, buf, kBlock);
    if (got > 0) len = size_t(got);
    else if (got < 0) read_err = errno;
  }
  buf[len] = 0;
  ended = len == 0;
  return ended ? EOF : (unsigned char)buf[0];
}

// The next byte, or EOF; `get` takes it, `unget` gives back the byte just
// taken (still in the block, since only a peek refills).
int peek() { return pos < len ? (unsigned char)buf[pos] : refill(); }
int get() {
  int c = peek();
  if (c != EOF) ++pos;
  return c;
}
void unget(int c) {
  if (c != EOF) --pos;
}

bool is_space(int c) { return c == ' ' || (c >= '\t' && c <= '\r'); }
bool is_digit(int c) { return c >= '0' && c <= '9'; }
bool is_xdigit(int c) { return is_digit(c) || ((c | 0x20) >= 'a' && (c | 0x20) <= 'f'); }
int lower(int c) { return c >= 'A' && c <= 'Z' ? c + ('a' - 'A') : c; }

// The first byte that is not white space, left unread; EOF at the end.
inline int skip_space() {
  for (;;) {
    while (is_space((unsigned char)buf[pos])) ++pos;
    if (pos < len) return (unsigned char)buf[pos];
    if (refill() == EOF) return EOF;
  }
}

// "%lld" as glibc reads it: an optional sign (taken even when no digit
// follows), then decimal digits, a value beyond 64 bits saturated. 1, 0 for
// no number, EOF at the end of the input.
int scan_ll(long long& out) {
  int c = skip_space();
  if (c == EOF) return EOF;
  bool neg = c == '-';
  if (c == '-' || c == '+') ++pos, c = peek();
  if (!is_digit(c)) return 0;
  uint64_t v = 0, lim = uint64_t(1) << 63;
  for (; is_digit(c); ++pos, c = peek()) v = v > (UINT64_MAX - 9) / 10 ? UINT64_MAX : v * 10 + unsigned(c - '0');
  out = neg ? (v > lim ? INT64_MIN : int64_t(0 - v)) : (v >= lim ? INT64_MAX : int64_t(v));
  return 1;
}

// "%d" as a 64-bit C library converts it, on every machine: the token is
// taken as a 64-bit value (saturated at the 64-bit bounds) and its low 32
// bits are kept; a 32-bit library would saturate at the 32-bit bounds.
int scan_int(int& v) {
  long long w = 0;
  int got = scan_ll(w);
  if (got == 1) v = int(w);
  return got;
}

// "%d%d" converted in the same way; the second is read only after the first.
int scan_ints(int& a, int& b) {
  int got = scan_int(a);
  return got == 1 && scan_int(b) == 1 ? 2 : got;
}

// A radius as "%lf" collects it, character by character, and strtod then
// converts it: 1, or 0 when nothing converts. The characters taken stay
// taken; the one that ends a number is given back, but a word that begins
// like nan or infinity and then differs loses the differing character too.
[[gnu::noinline]] int scan_radius_slowly(double& r) {
  static std::string tok;
  tok.clear();
  int c = get();
  bool sign = c == '-' || c == '+';
  if (sign) {
    tok += char(c);
    if ((c = get()) == EOF) return 0;
  }
  auto word = [&](const char* rest) {  // the letters after the first
    for (tok += char(c); *rest != 0; ++rest) {
      c = get();
      if (lower(c) != *rest) return false;
      tok += char(c);
    }
    return true;
  };
  if (lower(c) == 'n') {
    if (!word("an")) return 0;
  } else if (lower(c) == 'i') {
    if (!word("nf")) return 0;
    c = get();
    if (lower(c) == 'i') {
      if (!word("nity")) return 0;
    } else {
      unget(c);
    }
  } else {
    bool hex = false, digit = false, dot = false, exp = false;
    char exp_char = 'e';
    if (c == '0') {
      tok += char(c);
      c = get();
      if (lower(c) == 'x') {
        tok += char(c);
        hex = true;
        exp_char = 'p';
        c = get();
      } else {
        digit = true;
      }
    }
    for (; c != EOF; c = get()) {
      if (is_digit(c) || (hex && !exp && is_xdigit(c))) {
        digit = true;
      } else if (exp && tok.back() == exp_char && (c == '-' || c == '+')) {
      } else if (digit && !exp && lower(c) == exp_char) {
        c = exp_char;
        exp = dot = true;
      } else if (!dot && c == '.') {
        dot = true;
      } else {
        unget(c);
        break;
      }
      tok += char(c);
    }
    if (tok.size() == size_t(sign) + (hex ? 2 : 0)) return 0;  // a bare sign, or "0x"
  }
  char* end;
  double v = std::strtod(tok.c_str(), &end);
  if (end == tok.c_str()) return 0;
  r = v;
  return 1;
}

// Eight bytes as one word, the first byte the lowest whatever the host's
// byte order (a swap on big-endian machines, chosen at compile time).
uint64_t load8(const char* q) {
  uint64_t w;
  std::memcpy(&w, q, 8);
  if constexpr (std::endian::native == std::endian::big) w = __builtin_bswap64(w);
  return w;
}

// The run of digits at q, up to 8 of them: how many, and their value, taken
// eight bytes at once (the first byte is the lowest).
inline int digits8(const char* q, uint64_t& value) {
  uint64_t w = load8(q);
  uint64_t other = ((w + 0x4646464646464646) | (w - 0x3030303030303030) | w) & 0x8080808080808080;
  int n = std::countr_zero(other) >> 3;  // bytes before the first one that is not a digit
  if (n == 0) return int(value = 0);
  uint64_t v = (w - 0x3030303030303030) << (64 - 8 * n);  // the digits, behind leading zeros
  v = (v * 10 + (v >> 8)) & 0x00FF00FF00FF00FF;
  v = (v * 100 + (v >> 16)) & 0x0000FFFF0000FFFF;
  value = (v * 10000 + (v >> 32)) & 0xFFFFFFFF;
  return n;
}

constexpr uint64_t kTens[] = {1, 10, 100, 1000, 10000, 100000, 1000000, 10000000, 100000000};
constexpr double kPow10[] = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                             1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};

// The run of digits at q, appended to m while m stays below 10^19; `count`
// grows by its length. Returns the byte after it.
inline const char* digits(const char* q, uint64_t& m, int& count) {
  for (;;) {
    uint64_t v;
    int n = digits8(q, v);
    if (count + n <= 19) m = m * kTens[n] + v;
    count += n;
    q += n;
    if (n < 8) return q;
  }
}

// A radius as "%lf" reads it: 1, 0 when nothing converts, EOF at the end.
// The plain form followed by white space in the block is converted here
// (digits below 10^15 divided by an exact power of ten, one rounding: the
// nearest double, as strtod gives); everything else goes the slow way.
[[gnu::always_inline]] inline int scan_radius(double& r) {
  if (skip_space() == EOF) return EOF;
  const char* p = buf + pos;
  bool neg = *p == '-';
  p += *p == '-' || *p == '+';
  uint64_t m = 0;
  int count = 0, frac = 0;
  p = digits(p, m, count);
  if (*p == '.') {
    frac = -count;
    p = digits(p + 1, m, count);
    frac += count;
  }
  if (count < 1 || count > 15 || !is_space((unsigned char)*p)) return scan_radius_slowly(r);
  pos = size_t(p - buf);
  double v = rd(double(int64_t(m)) / kPow10[frac]);
  r = neg ? -v : v;
  return 1;
}

const double pie = 3.141592653589793;
const double eps = 1e-7;

std::vector<double> cake;
int N, F;

double cal(double r) { return rd(rd(r * r) * pie); }

// The bit patterns of doubles that are neither negative nor nan, as
// integers, order as the doubles do. The areas are sorted by three stable
// counting passes of 12 bits over the 36 highest bits in which they differ,
// lowest first; areas that agree in all of those (rare: their relative
// difference is below 2^-35) are then sorted among themselves in full. Few
// areas take std::sort.
void sort_areas() {
  size_t n = cake.size();
  if (n < 256) {
    std::sort(cake.begin(), cake.end());
    return;
  }
  auto bits = [](const double& a) {
    uint64_t k;
    std::memcpy(&k, &a, sizeof k);
    return k;
  };
  static std::vector<double> spare;
  spare.resize(n);
  double* from = cake.data();
  double* to = spare.data();
  uint64_t differ = 0;
  for (size_t i = 0; i < n; ++i) differ |= bits(from[i]) ^ bits(from[0]);
  const int low = std::max(0, int(std::bit_width(differ)) - 36);
  static uint32_t count[3][1 << 12];  // n is below 2^31
  std::memset(count, 0, sizeof count);
  for (size_t i = 0; i < n; ++i) {
    uint64_t k = bits(from[i]) >> low;
    ++count[0][k & 0xFFF];
    ++count[1][k >> 12 & 0xFFF];
    ++count[2][k >> 24 & 0xFFF];
  }
  for (int d = 0; d < 3; ++d) {
    uint32_t(&c)[1 << 12] = count[d];
    const int shift = low + 12 * d;
    uint32_t sum = 0;
    for (uint32_t& b : c) sum += std::exchange(b, sum);
    for (size_t i = 0; i < n; ++i) to[c[bits(from[i]) >> shift & 0xFFF]++] = from[i];
    std::swap(from, to);
  }
  cake.swap(spare);  // three passes: the sorted areas are in spare
  for (size_t i = 0, j; low > 0 && i < n; i = j) {
    for (j = i + 1; j < n && bits(cake[j]) >> low == bits(cake[i]) >> low;) ++j;
    if (j - i > 1) std::sort(cake.begin() + std::ptrdiff_t(i), cake.begin() + std::ptrdiff_t(j));
  }
}

// The slices an area gives: the quotient truncated, 2^31 standing for any
// larger one (which already reaches any 32-bit need).
int64_t slices(double area, double x) {
  double q = rd(area / x);
  return q < 2147483648.0 ? int64_t(q) : int64_t(1) << 31;
}

// Whether the areas give at least F slices of area x. The areas are sorted,
// so those that give the same count form a run: from the largest area down,
// each run's start is found by doubling steps and then halving them.
bool check(double x) {
  const int64_t need = F;
  int64_t count = 0;
  std::ptrdiff_t end = std::ptrdiff_t(cake.size());  // the areas from here on are counted
  while (end > 0 && count < need) {
    int64_t q = slices(cake[end - 1], x);
    if (q == 0) break;  // no smaller area gives a slice either
    std::ptrdiff_t in = end - 1, out = -1;  // in gives q slices, out (or none) fewer
    for (std::ptrdiff_t step = 1; in - step >= 0; step *= 2) {
      if (slices(cake[in - step], x) < q) {
        out = in - step;
        break;
      }
      in -= step;
    }
    while (in - out > 1) {
      std::ptrdiff_t mid = out + (in - out) / 2;
      (slices(cake[mid], x) < q ? out : in) = mid;
    }
    count += q * (end - in);
    end = in;
  }
  return count >= need;
}

// Reads the case's radii into cake as areas; stops at the first failed read.
void read_case() {
  cake.clear();
  for (int i = 0; i < N; ++i) {
    double r = 0;
    if (scan_radius(r) != 1) return;
    double area = cal(r);
    cake.push_back(std::isnan(area) ? 0.0 : area);
  }
}

double largest_slice() {
  sort_areas();
  double hi = cake.empty() ? 0.0 : cake.back();
  if (std::isinf(hi)) return hi;
  double lo = 0.0;
  while (rd(lo + eps) < hi) {
    double mid = rd(rd(lo + hi) / 2.0);
    if (std::isinf(mid)) mid = rd(rd(lo / 2.0) + rd(hi / 2.0));
    if (check(mid)) {
      if (mid == lo) break;
      lo = mid;
    } else {
      if (mid == hi) break;
      hi = mid;
    }
  }
  return hi;
}

int main() {
  round_to_double();
  int T = 0;
  scan_int(T);
  // A 64-bit countdown: a negative T runs on instead of wrapping at INT_MIN.
  for (int64_t left = T; left != 0; --left) {
    if (scan_ints(N, F) != 2) break;
    F = int32_t(uint32_t(F) + 1u);
    read_case();
    if (printf("%.4lf\n", largest_slice()) < 0) io_failed("write", errno);
  }
  if (fflush(stdout) != 0) io_failed("write", errno);
  if (read_err != 0) io_failed("read", read_err);
  return 0;
}
