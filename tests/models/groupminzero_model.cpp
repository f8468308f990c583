// Literal model of groupminzero: every search walks every path of links,
// entering a shared vertex once per path. Exponential in the worst case;
// meant for small graphs whose links join different vertices 1..n.
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <vector>

long long num[100005];
std::vector<int> v[100005];
bool visit[100005];

long long slove(int u) {
  long long best = num[u];
  visit[u] = 1;
  for (int w : v[u]) {
    long long r = slove(w);
    if (r < best) best = r;
  }
  return best;
}

int main() {
  int n, m, x, y;
  scanf("%d%d", &n, &m);
  for (int i = 0; i < n; ++i) scanf("%lld", &num[i]);
  for (int i = 0; i < m; ++i) {
    scanf("%d%d", &x, &y);
    if (y < x) {
      int t = x;
      x = y;
      y = t;
    }
    v[x - 1].push_back(y - 1);
  }
  long long total = 0;
  for (int k = 0; k < n; ++k)
    if (visit[k] != 1) total = (long long)(uint64_t(total) + uint64_t(slove(k)));
  printf("%lld\n", total);
  return 0;
}
