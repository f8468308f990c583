// Literal model of halfraise: the zero-filled fixed array, one sort, and
// check's running sum over the whole upper half with its exit after every
// term. Expects 0 <= n <= 200005, every value present, and values small
// enough that no sum leaves the 64-bit range.
#include <algorithm>
#include <cstdio>
#include <cstring>

long long arr[200005];
long long n, k;

bool check(long long x) {
  long long sum = 0;
  for (int i = n / 2; i < n; ++i) {
    sum += x - arr[i];
    if (sum > k) return false;
  }
  return sum <= k;
}

int main() {
  memset(arr, 0, sizeof arr);
  scanf("%lld%lld", &n, &k);
  for (int i = 0; i < n; ++i) scanf("%lld", &arr[i]);
  std::sort(arr, arr + n);
  long long lo = arr[n / 2], hi = 100000000000000LL;
  while (lo <= hi) {
    long long mid = (lo + hi) >> 1;
    if (check(mid))
      lo = mid + 1;
    else
      hi = mid - 1;
  }
  printf("%lld\n", hi);
  return 0;
}
