// Literal ledger: fixed arrays cleared in full for every case, the recursive
// tree over them, and the command loop read word by word. Input within the
// contract only (1 <= N <= 50005, query ranges overlapping 0..N-1).
#include <cstdint>
#include <cstdio>
#include <cstring>

struct node {
  int l, r, sum;
};

int a[50005];
node camps[200020];
char s[1 << 16];

int wrap(uint32_t v) { return int(v); }

void build(int k, int l, int r) {
  camps[k].l = l;
  camps[k].r = r;
  if (l == r) {
    camps[k].sum = a[l];
    return;
  }
  int m = (l + r) >> 1;
  build(2 * k, l, m);
  build(2 * k + 1, m + 1, r);
  camps[k].sum = wrap(uint32_t(camps[2 * k].sum) + uint32_t(camps[2 * k + 1].sum));
}

void add(int k, int p, int v) {
  if (camps[k].l == camps[k].r) {
    camps[k].sum = wrap(uint32_t(camps[k].sum) + uint32_t(v));
    return;
  }
  int m = (camps[k].l + camps[k].r) >> 1;
  if (p <= m)
    add(2 * k, p, v);
  else
    add(2 * k + 1, p, v);
  camps[k].sum = wrap(uint32_t(camps[2 * k].sum) + uint32_t(camps[2 * k + 1].sum));
}

int que(int k, int ql, int qr) {
  if (camps[k].l >= ql && camps[k].r <= qr) return camps[k].sum;
  int m = (camps[k].l + camps[k].r) >> 1;
  uint32_t res = 0;
  if (ql <= m) res += uint32_t(que(2 * k, ql, qr));
  if (qr > m) res += uint32_t(que(2 * k + 1, ql, qr));
  return wrap(res);
}

int main() {
  int T = 0, N = 0, x = 0, y = 0;
  scanf("%d", &T);
  for (int c = 1; c <= T; ++c) {
    memset(camps, 0, sizeof camps);
    memset(a, 0, sizeof a);
    scanf("%d", &N);
    for (int i = 0; i < N; ++i) scanf("%d", &a[i]);
    build(1, 0, N - 1);
    printf("Case %d:\n", c);
    while (scanf("%65535s", s) == 1 && s[0] != 'E') {
      scanf("%d%d", &x, &y);
      if (s[0] == 'A') add(1, x, y);
      if (s[0] == 'S') add(1, x, wrap(0u - uint32_t(y)));
      if (s[0] == 'Q') printf("%d\n", que(1, x, y));
    }
  }
  return 0;
}
