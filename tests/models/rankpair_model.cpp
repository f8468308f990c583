// Literal model of rankpair: three zero-filled arrays of 200,005, both
// sequences sorted with std::sort and cmp, the trace through the stream
// (a flush per record) and printf, kept in step. Expects n of at most
// 200,005 and all 2n values present.
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <iostream>

struct node {
  long long value, index;
} a[200005], b[200005];
long long ans[200005];

bool cmp(node x, node y) { return x.value < y.value; }

int main() {
  memset(ans, 0, sizeof ans);
  memset(a, 0, sizeof a);
  memset(b, 0, sizeof b);
  int n;
  scanf("%d", &n);
  for (int i = 0; i < n; ++i) {
    scanf("%lld", &a[i].value);
    a[i].index = i;
  }
  for (int j = 0; j < n; ++j) {
    scanf("%lld", &b[j].value);
    b[j].index = j;
  }
  if (n > 0) {  // the first n records: none when n <= 0
    std::sort(a, a + n, cmp);
    std::sort(b, b + n, cmp);
  }
  for (int k = 0; k < n; ++k) std::cout << "a\n" << k << ":" << a[k].value << std::endl;
  for (int l = 0; l < n; ++l) ans[int(b[l].index)] = n - 1 - l;
  for (int m = 0; m < n - 1; ++m) printf("%lld ", a[int(ans[m])].value);
  for (int q = 0; q < n; ++q) std::cout << "ans\n" << q << ":" << ans[q] << std::endl;
  return 0;
}
