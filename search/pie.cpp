// pie: per case, the largest slice area x such that cutting every circle into
// whole slices of area x (a circle of area a gives a / x slices, truncated)
// yields at least F + 1 slices, found by bisection over doubles.
//
// Input: T with "%d"; per case N and F with "%d%d", then N radii with "%lf".
// Output: per case "%.4lf\n" with hi, the upper bound of the search: the
// search starts from lo = 0 and hi = the largest area, and while
// lo + 1e-7 < hi it moves lo or hi to mid = (lo + hi) / 2 as check(mid)
// holds or fails.
//
// Cost: O(N) per case for the areas, then one pass over them per step;
// about log2(largest area / 1e-7) steps (52 for an area of 3 * 10^8).
//
// Method: a radius r gives the area (r * r) * pie. The slice count only sums
// over the areas, so their order does not matter: the largest area is found
// by one pass instead of a sort, and check stops counting as soon as the
// count reaches F + 1, since the count never falls.
//
// Outside the contract:
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
//   writes its line. A case whose N and F cannot both be read ends the run,
//   so a T beyond the input, or a negative T, runs only the cases present.
// - A T, N or F beyond the 32-bit range is taken as its value saturated at
//   the 64-bit bounds, of which the low 32 bits are kept (4294967301 reads
//   as 5, forty 1s as -1), on every machine.
#include <cerrno>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

// The system's refusal to read or write is reported; input content never is.
[[noreturn]] void io_failed(const char* what, int err) {
  std::fprintf(stderr, "pie: %s error: %s\n", what, std::strerror(err));
  std::_Exit(1);
}

// A read that fails ends the input there, as though it had been cut: no read
// is tried after it, and the failure is reported at exit.
int read_err;  // errno of the first failed read
int noted(int got) {
  if (got == EOF && ferror(stdin) && read_err == 0) read_err = errno;
  return got;
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

const double pie = 3.141592653589793;
const double eps = 1e-7;

std::vector<double> cake;
int N, F;

double cal(double r) { return rd(rd(r * r) * pie); }

bool check(double x) {
  const int64_t need = F;
  int64_t count = 0;
  for (double area : cake) {
    if (count >= need) return true;
    double q = rd(area / x);
    count += q < 2147483648.0 ? int64_t(q) : int64_t(1) << 31;
  }
  return count >= need;
}

// Reads the case's radii into cake as areas; stops at the first failed read.
void read_case() {
  cake.clear();
  for (int i = 0; i < N; ++i) {
    double r = 0;
    if (read_err != 0 || noted(scanf("%lf", &r)) != 1) return;
    double area = cal(r);
    cake.push_back(std::isnan(area) ? 0.0 : area);
  }
}

double largest_slice() {
  double hi = 0.0;
  for (double area : cake) hi = area > hi ? area : hi;
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

// "%d" as a 64-bit C library converts it, on every machine: the token is
// taken as a 64-bit value (saturated at the 64-bit bounds) and its low 32
// bits are kept; a 32-bit library would saturate at the 32-bit bounds.
int scan_int(int& v) {
  long long w = 0;
  int got = read_err != 0 ? EOF : noted(scanf("%lld", &w));
  if (got == 1) v = int(w);
  return got;
}

// "%d%d" converted in the same way.
int scan_ints(int& a, int& b) {
  long long u = 0, w = 0;
  int got = read_err != 0 ? EOF : noted(scanf("%lld%lld", &u, &w));
  if (got >= 1) a = int(u);
  if (got == 2) b = int(w);
  return got;
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
