// primeruns: how many runs of one or more consecutive primes sum to n.
//
// Input: integers read with "%d" until a 0, which ends the run; nothing after
// the 0 is read.
// Output: per number other than 0, "%d\n": the count.
//
// Cost: the tables once; then O(n) for the first query of each value and a
// look-up for a repeated one (a query's count depends on n alone, so the
// counts for 1..10005 are remembered once printed).
//
// Method: a sieve over 0..10004 (i from 2 to 100 marks i*i, i*i+i, ...) and
// the list `b` of its 1229 primes, built once at start and zero beyond them.
// A query slides a window over `b` while its end index i is below n, one pass
// making three tests in turn: take in entry i if the sum is below n; count a
// hit and drop the window's first entry if the sum equals n; drop the first
// entry if the sum is above n. A negative query writes 0 at once.
//
// Outside the contract: the input ending (or a token that is not a number)
// before a 0 ends the run. A query above 10005 would read past the list: the
// window reads every entry beyond it as 0, as the list's own tail is, so the
// count is that of runs of primes below 10005; once the index is past the list
// and the sum is below n, no later pass can change the count and the window
// stops there instead of idling up to n.
#include <cstdint>
#include <cstdio>
#include <cstring>

constexpr int kCap = 10005;

int64_t prime[kCap];
int64_t b[kCap];
int known[kCap + 1];  // count + 1 for a query already answered, 0 before

void isprime() {
  memset(prime, 0, sizeof prime);
  for (int i = 2; i <= 100; ++i)
    if (prime[i] == 0)
      for (int k = i * i; k < kCap; k += i) prime[k] = 1;
}

// Entry i of the list; entries past its capacity read as 0.
int entry(int i) { return i < kCap ? int(b[i]) : 0; }

void slove(int n) {
  if (n >= 1 && n <= kCap && known[n] != 0) {
    printf("%d\n", known[n] - 1);
    return;
  }
  int sum = 0, count = 0, len = 0, i = 0;
  while (i < n) {
    if (i >= kCap && sum < n) break;  // only zeros remain to take in
    if (sum < n) {
      sum += entry(i);
      ++len;
      ++i;
    }
    if (sum == n) {
      ++count;
      sum -= entry(i - len);
      --len;
    }
    if (sum > n) {
      sum -= entry(i - len);
      --len;
    }
  }
  if (n >= 1 && n <= kCap) known[n] = count + 1;
  printf("%d\n", count);
}

int main() {
  isprime();
  memset(b, 0, sizeof b);
  int count = 0;
  for (int j = 2; j < kCap; ++j)
    if (prime[j] == 0) b[count++] = j;
  int n = 0;
  while (scanf("%d", &n) == 1 && n != 0) slove(n);  // a failed read ends the run
  return 0;
}
