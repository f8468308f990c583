// permcount: Arrangements whose neighbour products are squares
//
// The program counts the distinct arrangements of a multiset of integers in
// which the product of every two neighbours passes a single-precision
// perfect-square test, and writes a trace line for every arrangement that
// fails.
//
// Input: The count t, from 0 to 305, then t 32-bit values (decimal, an
// optional sign); a value that cannot be read stays 0, and anything after
// the t values is not read.
// Output: Per failing arrangement, "%f    %d\n": the root at its first
// failing pair and that root's integer part; then "%d\n": the number of
// passing arrangements modulo 1000000007. The arrangements are taken in
// ascending (lexicographic) order, rotated to start at the input order: the
// input order and those above it, then those below it.
// Cost: Proportional to the output, not to the t! arrangements: only the
// prefixes with a failing arrangement below them are expanded (at most t
// per trace line, O(d^2) steps each for d distinct values), plus the
// prefixes of the input order and O(t^2 + d^2) set-up.
// Method: A pair passes when r, the single-precision square root of p (the
// 32-bit wrapping product, rounded to single precision), has r - k equal to
// 0 in single precision, k being r truncated; a negative p gives a NaN
// root, k 0, written "nan". An arrangement's trace
// line depends only on its prefix up to its first failing pair, so the
// search runs over prefixes in ascending order: when the pair just placed
// fails, every arrangement below shares its line, written once per
// arrangement (the multinomial count of the values left). When the last
// value placed passes with every value left and the values left pass with
// each other (equal ones too, where two remain), nothing below fails: its
// multinomial count, modulo 1000000007, is added without descending. The
// prefixes of the input order itself are walked twice, once keeping what
// lies at or above it, once what lies below.
//
// Outside the contract: A t below 0 holds no values (as t = 0, it writes 1);
// a t above 305 does not fit the arrangement store: no value is read and
// nothing is written. A block of one trace line longer than 2^64 - 1 lines
// (more than 20 values; over 10^20 bytes, which no run finishes writing) is
// cut to 2^64 - 1 lines. A number beyond the 32-bit range is taken as its
// value saturated at the 64-bit bounds, of which the low 32 bits are kept
// (4294967301 reads as 5, forty 1s as -1), on every machine.
//
// A read that fails is taken as the end of the input there (the values not
// read stay 0, and the output is written); a write that fails stops the
// program at once. Either is the system refusing, reported on standard error
// with status 1.
#include <algorithm>
#include <cerrno>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

// The x87 unit of 32-bit x86 without SSE keeps every result in an 80-bit
// register; `rf` stores a result through memory, which rounds it to float
// where it is formed, as every other machine does. (Rounded to 64 bits first,
// a converted integer, a root or a difference still rounds to the float
// result.)
#if FLT_EVAL_METHOD == 2 && defined(__i386__)
static float rf(float v) { volatile float s = v; return s; }
#elif FLT_EVAL_METHOD == 0
static float rf(float v) { return v; }
#else
#error "float results must be rounded where they are formed"
#endif

constexpr int kCap = 305;
constexpr int64_t kMod = 1000000007;
constexpr uint64_t kHuge = UINT64_MAX;  // a saturated line count

int t;
int arr[kCap];  // the input order

int m;                           // distinct values, ascending in `val`
std::vector<int> val, left;      // left[i]: copies of val[i] not yet placed
std::vector<std::string> lines;  // lines[i * m + j]: val[i] next to val[j]'s trace line, or empty
                                 // where the pair passes
std::vector<int> start;          // the input order as indices into val

// A number of arrangements: exact but saturated at kHuge, and modulo kMod.
struct Count {
  uint64_t exact;
  int64_t mod;
};
std::vector<Count> binom;        // binom[n * (t + 1) + k]: n choose k
int64_t count;                   // passing arrangements modulo kMod

// The system's refusal to read or write is reported; input content never is.
[[noreturn]] void io_failed(const char* what, int err) {
  std::fprintf(stderr, "permcount: %s error: %s\n", what, std::strerror(err));
  std::_Exit(1);
}

// A write that fails stops the program at once: the rest of the search would
// only produce output that cannot arrive.
void emit(const std::string& line, uint64_t times) {
  for (; times > 0; --times)
    if (std::fputs(line.c_str(), stdout) < 0) io_failed("write", errno);
}

std::string trace(int x, int y) {
  int p = int(uint32_t(x) * uint32_t(y));
  float r = rf(sqrtf(rf(float(p))));
  int k = std::isnan(r) ? 0 : int(r);  // r <= 46341 here, so the truncation fits
  if (rf(r - float(k)) == 0.0f) return "";  // a NaN difference counts as not equal
  char buf[64];
  // The NaN's sign bit is cleared: "%f" writes "nan", not "-nan".
  std::snprintf(buf, sizeof buf, "%f    %d\n", double(std::fabs(r)), k);
  return buf;
}

bool fails(int i, int j) { return !lines[size_t(i) * m + j].empty(); }

// The arrangements of the copies left: a product of binomials.
Count arrangements() {
  Count r{1, 1};
  int n = 0;
  for (int i = 0; i < m; ++i) {
    n += left[i];
    Count b = binom[size_t(n) * (t + 1) + left[i]];
    bool over = b.exact == kHuge || (r.exact != 0 && b.exact > kHuge / r.exact);
    r.exact = over ? kHuge : r.exact * b.exact;
    r.mod = r.mod * b.mod % kMod;
  }
  return r;
}

// After placing a copy of val[v]: does every arrangement of the copies then
// left, following val[v], pass?
bool allPassAfter(int v) {
  for (int i = 0; i < m; ++i) {
    if (left[i] == 0) continue;
    if (fails(v, i)) return false;
    for (int j = i; j < m; ++j)
      if (left[j] > (i == j) && fails(i, j)) return false;
  }
  return true;
}

// Walks, in ascending order, the arrangements that extend the d values
// placed (the last one val[last], -1 for none). `onInput`: the prefix is the input order's own; only the
// arrangements from the input order up are walked (below = false) or only
// those under it (below = true). `line`: the prefix's first failing pair
// already fixed the trace line of all of them.
void walk(int d, int last, bool onInput, bool below, const std::string* line) {
  if (d == t) {  // only the input order itself gets here
    if (!below) {
      if (line)
        emit(*line, 1);
      else
        count = (count + 1) % kMod;
    }
    return;
  }
  for (int i = 0; i < m; ++i) {
    if (left[i] == 0) continue;
    if (onInput && (below ? i > start[d] : i < start[d])) continue;
    bool childOnInput = onInput && i == start[d];
    const std::string* childLine = line;
    if (!childLine && last >= 0 && fails(last, i)) childLine = &lines[size_t(last) * m + i];
    --left[i];
    if (childLine && !childOnInput)
      emit(*childLine, arrangements().exact);
    else if (!childLine && !childOnInput && allPassAfter(i))
      count = (count + arrangements().mod) % kMod;
    else
      walk(d + 1, i, childOnInput, below, childLine);
    ++left[i];
  }
}

// "%d" as a 64-bit C library converts it, on every machine: the token is
// taken as a 64-bit value (saturated at the 64-bit bounds) and its low 32
// bits are kept; a 32-bit library would saturate at the 32-bit bounds.
// scanf ends at a failed read as at the end of the input, and ferror tells
// them apart: after one, nothing more is read.
int read_failed;  // errno of the failed read

void scan_int(int& v) {
  long long w = 0;
  if (read_failed == 0 && scanf("%lld", &w) == 1) v = int(w);
  if (std::ferror(stdin) && read_failed == 0) read_failed = errno;
}

int main() {
  scan_int(t);
  if (t <= kCap) {  // otherwise too many values for the store: no instance
    t = std::max(t, 0);
    for (int i = 0; i < t; ++i) scan_int(arr[i]);
    val.assign(arr, arr + t);
    std::sort(val.begin(), val.end());
    val.erase(std::unique(val.begin(), val.end()), val.end());
    m = int(val.size());
    left.assign(m, 0);
    for (int i = 0; i < t; ++i) {
      start.push_back(int(std::lower_bound(val.begin(), val.end(), arr[i]) - val.begin()));
      ++left[start.back()];
    }
    for (int i = 0; i < m; ++i)
      for (int j = 0; j < m; ++j) lines.push_back(trace(val[i], val[j]));
    binom.assign(size_t(t + 1) * (t + 1), Count{0, 0});
    for (int n = 0; n <= t; ++n) {
      binom[size_t(n) * (t + 1)] = Count{1, 1};
      for (int k = 1; k <= n; ++k) {
        Count a = binom[size_t(n - 1) * (t + 1) + k - 1], b = binom[size_t(n - 1) * (t + 1) + k];
        binom[size_t(n) * (t + 1) + k] =
            Count{a.exact > kHuge - b.exact ? kHuge : a.exact + b.exact, (a.mod + b.mod) % kMod};
      }
    }
    walk(0, -1, true, false, nullptr);
    walk(0, -1, true, true, nullptr);
    if (std::printf("%d\n", int(count)) < 0) io_failed("write", errno);
  }
  if (std::fflush(stdout) != 0) io_failed("write", errno);
  if (read_failed != 0) io_failed("read", read_failed);
  return 0;
}
