// groupminzero: the sum, over depth-first searches, of the cheapest cost that
// each search can reach, vertices shared between searches counting in each.
//
// Input: n and m, then n signed 64-bit costs (the k-th is held at index k-1),
// then m links x y of vertex numbers 1..n. A link is stored once, at 0-based
// indices, from its smaller index to its larger one, and searches follow
// links only in that direction.
// Output: one line "%lld\n", the total. Indices are taken in increasing
// order; each one that no earlier search has entered starts a search, whose
// result is the smallest cost among its start and every index reachable from
// it, whether or not an earlier search entered that index. The total wraps in
// two's complement.
//
// Cost: O(n + m) time; storage grows with the costs and links actually read.
//
// Method: the result of a search from an index depends only on the costs and
// the links, so `slove` remembers it the first time it is found and every
// later path into that index takes the remembered result instead of walking
// the index's links again. The search runs on an explicit stack, so a chain
// of any length needs no call stack. It enters (and flags) the same indices
// as a search that walks every path.
//
// Outside the contract: a link from a vertex to itself adds no vertex to what
// can be reached, so it is dropped (walked literally it would never end); a
// link with an endpoint outside 1..n is read and dropped; n of any size is
// accepted, storage covering only the vertices whose cost was read or that a
// link names, because every other vertex is alone with cost 0 and adds 0.
// When a read fails (the input ends, or a token is not a number), every later
// read would fail too, so reading stops there: costs not read stay 0, and a
// link whose second number is missing keeps the second number of the link
// before it (0 if there is none), as the failed conversion leaves it.
#include <cstdint>
#include <cstdio>
#include <utility>
#include <vector>

std::vector<long long> num;          // num[i]: cost of vertex i+1
std::vector<std::vector<int>> v;     // v[i]: larger indices of links from i
std::vector<unsigned char> visit;    // visit[i]: index i has been entered
std::vector<long long> best_from;    // best_from[i]: result of slove(i) once known
std::vector<unsigned char> known;    // known[i]: best_from[i] holds it

long long wrap_add(long long x, long long y) { return (long long)(uint64_t(x) + uint64_t(y)); }

// The smallest cost among u and every index reachable from u.
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
      if (known[w]) {
        if (best_from[w] < f.best) f.best = best_from[w];
      } else {
        visit[w] = 1;
        stack.push_back({w, 0, num[w]});
      }
      continue;
    }
    int done = f.u;
    long long result = f.best;
    stack.pop_back();
    best_from[done] = result;
    known[done] = 1;
    if (stack.empty()) return result;
    if (result < stack.back().best) stack.back().best = result;
  }
}

int main() {
  int n = 0, m = 0, x = 0, y = 0;
  scanf("%d%d", &n, &m);
  bool input_left = true;
  for (int64_t i = 0; i < n; ++i) {
    long long c = 0;
    if (scanf("%lld", &c) != 1) {
      input_left = false;
      break;
    }
    num.push_back(c);
  }
  std::vector<std::pair<int, int>> links;
  int size = int(num.size());  // indices 0..size-1 are stored
  for (int i = 0; i < m && input_left; ++i) {
    int got = scanf("%d%d", &x, &y);
    if (got < 1) break;
    if (got < 2) input_left = false;
    int lo = x, hi = y;
    if (hi < lo) std::swap(lo, hi);
    if (lo < 1 || hi > n) continue;  // not a vertex: the link is dropped
    if (lo == hi) continue;          // a self-link reaches nothing new
    links.emplace_back(lo - 1, hi - 1);
    if (hi > size) size = hi;
  }

  num.resize(std::size_t(size), 0);
  v.resize(std::size_t(size));
  visit.assign(std::size_t(size), 0);
  best_from.assign(std::size_t(size), 0);
  known.assign(std::size_t(size), 0);
  for (const auto& [lo, hi] : links) v[lo].push_back(hi);

  long long total = 0;
  for (int k = 0; k < size; ++k)
    if (visit[k] != 1) total = wrap_add(total, slove(k));
  printf("%lld\n", total);
  return 0;
}
