// Literal model of primeruns: the sieve, the prime list and a fresh sliding
// window for every query, with no remembered counts. Queries must stay at or
// below 10005.
#include <cstdint>
#include <cstdio>
#include <cstring>

int64_t prime[10005];
int64_t b[10005];

void isprime() {
  memset(prime, 0, sizeof prime);
  for (int i = 2; i <= 100; i++)
    if (!prime[i])
      for (int k = i * i; k <= 10004; k += i) prime[k] = 1;
}

void slove(int n) {
  int sum = 0, count = 0, len = 0, i = 0;
  while (i < n) {
    if (sum < n) sum += int(b[i]), len++, i++;
    if (sum == n) count++, sum -= int(b[i - len]), len--;
    if (sum > n) sum -= int(b[i - len]), len--;
  }
  printf("%d\n", count);
}

int main() {
  isprime();
  memset(b, 0, sizeof b);
  int cnt = 0;
  for (int j = 2; j <= 10004; j++)
    if (!prime[j]) b[cnt++] = j;
  int n;
  while (scanf("%d", &n) == 1 && n != 0) slove(n);
  return 0;
}
