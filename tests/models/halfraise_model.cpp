// Literal model of halfraise: the zero-filled fixed array, one sort, and
// check's running sum over the whole upper half with its exit after every
// term, summed in 128 bits so that it is the exact sum for every 64-bit
// value, as are the bounds (the middle value minus 1 wraps only when
// written). Expects n of at most 200005; a negative n is taken as 0, as
// the program takes it.
#include <algorithm>
#include <cstdio>
#include <cstring>

long long arr[200005];
long long n, k;

bool check(long long x) {
  __int128 sum = 0;
  for (int i = n / 2; i < n; ++i) {
    sum += (__int128)x - arr[i];
    if (sum > k) return false;
  }
  return sum <= k;
}

int main() {
  memset(arr, 0, sizeof arr);
  scanf("%lld%lld", &n, &k);
  if (n < 0) n = 0;
  for (int i = 0; i < n; ++i) scanf("%lld", &arr[i]);
  std::sort(arr, arr + n);
  __int128 lo = arr[n / 2], hi = 100000000000000LL;
  while (lo <= hi) {
    __int128 mid = (lo + hi) >> 1;
    if (check((long long)mid))
      lo = mid + 1;
    else
      hi = mid - 1;
  }
  printf("%lld\n", (long long)hi);
  return 0;
}
