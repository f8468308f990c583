// groupmin: the sum, over depth-first searches, of the cheapest cost that each
// search reaches first.
//
// Input: n and m, then n signed 64-bit costs for vertices 1..n, then m links
// x y. A link is stored once, from its smaller vertex to its larger one, and
// searches follow links only in that direction.
// Output: one line "%lld\n", the total. Vertices are taken in increasing
// order; each one that no earlier search has reached starts a search, which
// takes the smallest cost among its start and the vertices it reaches for the
// first time. The total wraps in two's complement.
//
// Cost: O(n + m) time; storage grows with the costs and links actually read.
//
// Method: `slove` is a depth-first search on an explicit stack that enters
// the links of each vertex in list order, as the recursive search would, so a
// chain of any length needs no call stack.
//
// Outside the contract: a link with an endpoint outside 1..n is read and
// dropped; n of any size is accepted, storage covering only the vertices
// whose cost was read or that a link names, because every other vertex is
// alone with cost 0 and adds 0. When a read fails (the input ends, or a token
// is not a number), every later read would fail too, so reading stops there:
// costs not read stay 0, and a link whose second number is missing keeps the
// second number of the link before it (0 if there is none), as the failed
// conversion leaves it.
#include <cstdint>
#include <cstdio>
#include <utility>
#include <vector>

std::vector<long long> num;          // num[i]: cost of vertex i; index 0 unused
std::vector<std::vector<int>> v;     // v[i]: larger endpoints of links from i
std::vector<unsigned char> visit;    // visit[i]: vertex i has been reached

long long wrap_add(long long x, long long y) { return (long long)(uint64_t(x) + uint64_t(y)); }

// The smallest cost among u and the vertices first reached from u.
long long slove(int u) {
  struct frame {
    int u;
    std::size_t next;  // the next entry of v[u] to examine
    long long best;
  };
  std::vector<frame> stack;
  visit[u] = 1;
  stack.push_back({u, 0, num[u]});
  for (;;) {
    frame& f = stack.back();
    if (f.next < v[f.u].size()) {
      int w = v[f.u][f.next++];
      if (visit[w] != 1) {
        visit[w] = 1;
        stack.push_back({w, 0, num[w]});
      }
      continue;
    }
    long long result = f.best;
    stack.pop_back();
    if (stack.empty()) return result;
    if (result < stack.back().best) stack.back().best = result;
  }
}

int main() {
  int n = 0, m = 0, x = 0, y = 0;
  scanf("%d%d", &n, &m);
  num.push_back(0);
  bool input_left = true;
  for (int64_t i = 1; i <= n; ++i) {
    long long c = 0;
    if (scanf("%lld", &c) != 1) {
      input_left = false;
      break;
    }
    num.push_back(c);
  }
  std::vector<std::pair<int, int>> links;
  int last = int(num.size()) - 1;  // the highest vertex that storage must cover
  for (int i = 0; i < m && input_left; ++i) {
    int got = scanf("%d%d", &x, &y);
    if (got < 1) break;
    if (got < 2) input_left = false;
    int lo = x, hi = y;
    if (hi < lo) std::swap(lo, hi);
    if (lo < 1 || hi > n) continue;  // not a vertex: the link is dropped
    links.emplace_back(lo, hi);
    if (hi > last) last = hi;
  }

  num.resize(std::size_t(last) + 1, 0);
  v.resize(std::size_t(last) + 1);
  visit.assign(std::size_t(last) + 1, 0);
  for (const auto& [lo, hi] : links) v[lo].push_back(hi);

  long long total = 0;
  for (int k = 1; k <= last; ++k)
    if (visit[k] != 1) total = wrap_add(total, slove(k));
  printf("%lld\n", total);
  return 0;
}
