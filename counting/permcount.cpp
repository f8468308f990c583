// permcount: Arrangements whose neighbour products are squares
//
// The program counts the distinct arrangements of a multiset of integers in
// which the product of every two neighbours passes a single-precision
// perfect-square test, and writes a trace line for every arrangement that
// fails.
//
// Input: The count t, then t values, each read with "%d"; a value that cannot
// be read stays 0, and anything after the t values is not read.
// Output: Per failing arrangement, "%f    %d\n": the root at its first
// failing pair and that root's integer part; then "%d\n": the number of
// passing arrangements modulo 1000000007. The arrangements are taken in
// ascending (lexicographic) order, rotated to start at the input order: the
// input order and those above it, then those below it.
// Cost: Proportional to the output, not to the t! arrangements: only the
// prefixes with a failing arrangement below them are expanded (at most t
// per trace line, O(distinct values) steps each), plus the prefixes of the
// input order and O(t^2 + distinct values^2) set-up. A trace-heavy run takes
// about what writing its output takes.
// Method: A pair passes when r = sqrtf(float(p)), p the 32-bit wrapping
// product, has r - k equal to 0 in single precision, k being r truncated; a
// negative p gives a NaN root, k 0, written "nan". An arrangement's trace
// line depends only on its prefix up to its first failing pair, so the
// search runs over prefixes in ascending order: when the pair just placed
// fails, every arrangement below shares its line, written once per
// arrangement (the multinomial count of the values left). When the last
// value placed passes with every value left and the values left pass with
// each other (equal ones too, where two remain), nothing below fails: its
// multinomial count, modulo 1000000007, is added without descending. So only
// prefixes with a failing arrangement below them are expanded. The prefixes
// of the input order itself are walked twice, once keeping what lies at or
// above it, once what lies below.
//
// Outside the contract: A t below 0 holds no values (as t = 0, it writes 1);
// a t above 305 does not fit the arrangement store: no value is read and
// nothing is written. A block of one trace line longer than 2^64 - 1 lines
// (more than 20 values; over 10^20 bytes, which no run finishes writing) is
// cut to 2^64 - 1 lines.
// A number beyond the 32-bit range is taken as its value saturated at
// the 64-bit bounds, of which the low 32 bits are kept (4294967301 reads as
// 5, forty 1s as -1), on every machine.
//
// A read that fails is taken as the end of the input there (the values not
// read stay 0, and the output is written); a write that fails stops the
// program at once. Either is the system refusing, reported on standard error
// with status 1.
//
// Notes: Equal trace lines are written by doubling block copies, which is why
// a trace-heavy run takes about what writing its output takes.
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
std::vector<char> fails;         // fails[i * m + j]: val[i] next to val[j] fails
std::vector<std::string> lines;  // their trace lines, formatted on first use
std::vector<int> start;          // the input order as indices into val
std::vector<int> failsLeft;      // failsLeft[i]: values with a copy left that fail next to val[i]
int badLeft;                     // failing pairs among the copies left, counted by value
std::vector<int64_t> inv;        // inv[n]: the inverse of n modulo kMod
std::vector<uint64_t> binom;     // binom[n * (t + 1) + k], saturated at kHuge
int64_t count;                   // passing arrangements modulo kMod

// The system's refusal to read or write is reported; input content never is.
[[noreturn]] void io_failed(const char* what, int err) {
  std::fprintf(stderr, "permcount: %s error: %s\n", what, std::strerror(err));
  std::_Exit(1);
}

char out[1 << 16];
size_t used;

// A write that fails stops the program at once: the rest of the search would
// only produce output that cannot arrive.
void flush() {
  if (fwrite(out, 1, used, stdout) != used) io_failed("write", errno);
  used = 0;
}

// Writes `line` `times` times, filling the buffer by doubling copies.
void emit(const std::string& line, uint64_t times) {
  size_t len = line.size();
  while (times > 0) {
    if (used + len > sizeof out) flush();
    uint64_t fit = (sizeof out - used) / len;
    if (fit > times) fit = times;
    char* at = out + used;
    size_t total = size_t(fit) * len, done = len;
    memcpy(at, line.data(), len);
    while (done < total) {
      size_t n = done < total - done ? done : total - done;
      memcpy(at + done, at, n);
      done += n;
    }
    used += total;
    times -= fit;
  }
}

const std::string& trace(int i, int j) {
  std::string& line = lines[size_t(i) * m + j];
  if (line.empty()) {
    int p = int(uint32_t(val[i]) * uint32_t(val[j]));
    float r = rf(sqrtf(rf(float(p))));
    int k = std::isnan(r) ? 0 : int(r);  // r <= 46341 here, so the truncation fits
    char buf[64];
    if (std::isnan(r))
      snprintf(buf, sizeof buf, "nan    %d\n", k);  // "%f" would write "-nan" for this NaN
    else
      snprintf(buf, sizeof buf, "%f    %d\n", double(r), k);
    line = buf;
  }
  return line;
}

bool pairFails(int x, int y) {
  int p = int(uint32_t(x) * uint32_t(y));
  float r = rf(sqrtf(rf(float(p))));
  int k = std::isnan(r) ? 0 : int(r);
  return rf(r - float(k)) != 0.0f;  // a NaN difference counts as not equal
}

bool failsPair(int i, int j) { return fails[size_t(i) * m + j]; }

// Exact number of arrangements of the copies left, saturated at kHuge.
uint64_t arrangements() {
  uint64_t r = 1;
  int n = 0;
  for (int i = 0; i < m; ++i) {
    if (left[i] == 0) continue;
    n += left[i];
    uint64_t b = binom[size_t(n) * (t + 1) + left[i]];
    r = (b == kHuge || (r != 0 && b > kHuge / r)) ? kHuge : r * b;
  }
  return r;
}

// Places one copy of val[v], keeping failsLeft and badLeft up to date.
void take(int v) {
  int self = failsPair(v, v);
  if (left[v] == 2) badLeft -= self;
  if (left[v] == 1) {
    badLeft -= failsLeft[v] - self;
    for (int x = 0; x < m; ++x) failsLeft[x] -= failsPair(x, v);
  }
  --left[v];
}

void giveBack(int v) {
  int self = failsPair(v, v);
  ++left[v];
  if (left[v] == 1) {
    for (int x = 0; x < m; ++x) failsLeft[x] += failsPair(x, v);
    badLeft += failsLeft[v] - self;
  }
  if (left[v] == 2) badLeft += self;
}

// After placing a copy of val[v]: does every arrangement of the copies then
// left, following val[v], pass?
bool allPassAfter(int v) {
  int self = failsPair(v, v), c = left[v];
  int withLast = c >= 2 ? failsLeft[v] : failsLeft[v] - self;
  int bad = c >= 3 ? badLeft : c == 2 ? badLeft - self : badLeft - (failsLeft[v] - self);
  return withLast == 0 && bad == 0;
}

// Walks, in ascending order, the arrangements that extend the d values
// placed (the last one val[last], -1 for none), `exact` and `mod` being the
// number of them. `onInput`: the prefix is the input order's own; only the
// arrangements from the input order up are walked (below = false) or only
// those under it (below = true). `line`: the prefix's first failing pair
// already fixed the trace line of all of them.
void walk(int d, int last, bool onInput, bool below, const std::string* line, uint64_t exact,
          int64_t mod) {
  if (d == t) {  // only the input order itself gets here
    if (!below) {
      if (line)
        emit(*line, 1);
      else
        count = (count + 1) % kMod;
    }
    return;
  }
  int n = t - d;
  for (int i = 0; i < m; ++i) {
    if (left[i] == 0) continue;
    if (onInput && (below ? i > start[d] : i < start[d])) continue;
    bool childOnInput = onInput && i == start[d];
    int64_t childMod = mod * left[i] % kMod * inv[n] % kMod;
    uint64_t childExact;
    if (exact != kHuge && exact <= kHuge / uint64_t(left[i])) {
      childExact = exact * uint64_t(left[i]) / uint64_t(n);
    } else {
      --left[i];
      childExact = arrangements();
      ++left[i];
    }
    const std::string* childLine = line;
    if (!childLine && last >= 0 && failsPair(last, i)) childLine = &trace(last, i);
    if (childLine && !childOnInput) {
      emit(*childLine, childExact);
    } else if (!childLine && !childOnInput && allPassAfter(i)) {
      count = (count + childMod) % kMod;
    } else {
      take(i);
      walk(d + 1, i, childOnInput, below, childLine, childExact, childMod);
      giveBack(i);
    }
  }
}

// "%d" as a 64-bit C library converts it, on every machine: the token is
// taken as a 64-bit value (saturated at the 64-bit bounds) and its low 32
// bits are kept; a 32-bit library would saturate at the 32-bit bounds.
// scanf ends at a failed read as at the end of the input, and ferror tells
// them apart: after one, nothing more is read.
int read_failed;  // errno of the failed read

int scan_int(int& v) {
  if (read_failed != 0) return EOF;
  long long w = 0;
  int got = scanf("%lld", &w);
  if (std::ferror(stdin)) read_failed = errno;
  if (got == 1) v = int(w);
  return got;
}

int main() {
  memset(arr, 0, sizeof arr);
  scan_int(t);
  if (t > kCap) {  // too many values for the store: no instance
    if (read_failed != 0) io_failed("read", read_failed);
    return 0;
  }
  if (t < 0) t = 0;  // no values at all
  for (int i = 0; i < t; ++i) scan_int(arr[i]);

  val.assign(arr, arr + t);
  std::sort(val.begin(), val.end());
  val.erase(std::unique(val.begin(), val.end()), val.end());
  m = int(val.size());
  left.assign(m, 0);
  for (int i = 0; i < t; ++i) {
    int at = int(std::lower_bound(val.begin(), val.end(), arr[i]) - val.begin());
    start.push_back(at);
    ++left[at];
  }
  fails.assign(size_t(m) * m, 0);
  lines.assign(size_t(m) * m, std::string());
  failsLeft.assign(m, 0);
  badLeft = 0;
  for (int i = 0; i < m; ++i)
    for (int j = 0; j < m; ++j) {
      fails[size_t(i) * m + j] = pairFails(val[i], val[j]);
      failsLeft[i] += failsPair(i, j);
      if (failsPair(i, j) && (i < j || (i == j && left[i] >= 2))) ++badLeft;
    }
  inv.assign(t + 1, 1);
  for (int n = 2; n <= t; ++n) inv[n] = (kMod - kMod / n) * inv[kMod % n] % kMod;
  binom.assign(size_t(t + 1) * (t + 1), 0);
  for (int n = 0; n <= t; ++n) {
    binom[size_t(n) * (t + 1)] = 1;
    for (int k = 1; k <= n; ++k) {
      uint64_t a = binom[size_t(n - 1) * (t + 1) + k - 1], b = binom[size_t(n - 1) * (t + 1) + k];
      binom[size_t(n) * (t + 1) + k] = a > kHuge - b ? kHuge : a + b;
    }
  }
  int64_t mod = 1;  // t! divided by the factorials of the counts, modulo kMod
  for (int n = 2; n <= t; ++n) mod = mod * n % kMod;
  for (int i = 0; i < m; ++i)
    for (int k = 2; k <= left[i]; ++k) mod = mod * inv[k] % kMod;
  uint64_t exact = arrangements();

  walk(0, -1, true, false, nullptr, exact, mod);
  walk(0, -1, true, true, nullptr, exact, mod);
  char line[16];
  int len = snprintf(line, sizeof line, "%d\n", int(count));
  emit(std::string(line, len), 1);
  flush();
  if (std::fflush(stdout) != 0) io_failed("write", errno);
  if (read_failed != 0) io_failed("read", read_failed);
  return 0;
}
