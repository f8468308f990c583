// permcount: counts the distinct arrangements of a multiset of integers in
// which the product of every two neighbours passes a single-precision
// perfect-square test, with a trace line for every arrangement that fails.
//
// Input: t, then t values, each read with "%d"; a value that cannot be read
// stays 0, and anything after the t values is not read.
// Output: per failing arrangement, "%f    %d\n": the root at its first
// failing pair and that root's integer part; then "%d\n": the number of
// passing arrangements modulo 1000000007.
// Method: the walk starts from the input order, steps with next-permutation
// (wrapping from the largest arrangement to the smallest) and ends when it is
// back at the input order, so each distinct arrangement is seen once. A pair
// passes when r = sqrtf(float(p)), p the 32-bit wrapping product, has r - k
// equal to 0 in single precision, k being r truncated. A negative p gives a
// NaN root: k is then 0 and the root is written as "nan".
// Cost: one pass over the pairs, stopping at the first failing pair, per
// distinct arrangement: up to t! arrangements. A trace line depends on the
// failing product alone, so each distinct line is formatted once and then
// copied out.
//
// Outside the contract: t below 0 holds no values (as t = 0, it writes 1);
// t above 305 does not fit the arrangement store: no value is read and
// nothing is written.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <unordered_map>

constexpr int kCap = 305;

int t;
int arr[kCap];
int temp[kCap];

// The trace line of a failing product p, formatted on first use.
std::unordered_map<int, std::string> lines;

const std::string& trace(int p, float r, int k) {
  auto [it, fresh] = lines.try_emplace(p);
  if (fresh) {
    char buf[64];
    if (std::isnan(r))
      snprintf(buf, sizeof buf, "nan    %d\n", k);  // "%f" would write "-nan" for this NaN
    else
      snprintf(buf, sizeof buf, "%f    %d\n", double(r), k);
    it->second = buf;
  }
  return it->second;
}

bool judge() {
  for (int i = 0; i < t; ++i)
    if (arr[i] != temp[i]) return false;
  return true;
}

int main() {
  // The trace can run to many megabytes: write it in large blocks.
  static char out[1 << 16];
  setvbuf(stdout, out, _IOFBF, sizeof out);
  memset(arr, 0, sizeof arr);
  memset(temp, 0, sizeof temp);
  scanf("%d", &t);
  if (t > kCap) return 0;  // too many values for the store: no instance
  if (t < 0) t = 0;        // no values at all
  for (int i = 0; i < t; ++i) {
    scanf("%d", &arr[i]);
    temp[i] = arr[i];
  }
  int count = 0;
  do {
    bool pass = true;
    for (int i = 0; i < t - 1; ++i) {
      int p = int(uint32_t(arr[i]) * uint32_t(arr[i + 1]));
      float r = sqrtf(float(p));
      int k = std::isnan(r) ? 0 : int(r);  // r <= 46341 here, so the truncation fits
      if (r - float(k) != 0.0f) {
        const std::string& line = trace(p, r, k);
        fwrite(line.data(), 1, line.size(), stdout);
        pass = false;
        break;
      }
    }
    std::next_permutation(arr, arr + t);
    if (pass) ++count;
    count %= 1000000007;
  } while (!judge());
  printf("%d\n", count);
  return 0;
}
