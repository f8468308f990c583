// distinctsum: sums of the distinct values of every prefix, queried by pairs.
//
// Input: T, then T cases. A case is n, n signed 64-bit values, q, then q
// pairs l r.
// Output: "%lld\n" per query: ans[r] - ans[l] + 1, where ans[i] is the sum of
// the distinct values among the case's first i values. ans is never cleared:
// an index beyond this case's n still holds what an earlier, longer case
// left there (or 0), and index 0 always holds 0. Sums and results wrap at
// 64 bits; an index is the low 32 bits of l or r. Nothing else is written.
//
// Cost: O(log n) per value, O(1) per query.
//
// Method: a value is added to a running sum when it first enters the set s.
// Wrapping addition does not depend on order, so the running sum equals the
// sum of the whole set taken anew after every insertion.
//
// Outside the contract: ans grows with the longest case read so far, so n
// above 30,004 gets the natural sums; an index that no case has written
// (negative ones included) reads 0. A negative T, n or q counts as 0. When
// the input ends, or a token is not a number, the run stops there: a query
// pair read only in part writes nothing.
#include <cstdint>
#include <cstdio>
#include <set>
#include <vector>

std::vector<long long> ans(1, 0);  // index 0 is never written
std::set<long long> s;

long long wrap_add(long long a, long long b) { return (long long)(uint64_t(a) + uint64_t(b)); }

// The entry at the low 32 bits of index; 0 where nothing was ever stored.
long long at(long long index) {
  int32_t i = int32_t(index);
  return i >= 0 && size_t(i) < ans.size() ? ans[i] : 0;
}

// One case; false once the input can no longer be read.
bool slove() {
  int n = 0, q = 0;
  if (scanf("%d", &n) != 1) return false;
  s.clear();
  long long sum = 0;
  for (int64_t i = 1; i <= n; ++i) {
    long long v = 0;
    if (scanf("%lld", &v) != 1) return false;
    if (s.insert(v).second) sum = wrap_add(sum, v);
    if (size_t(i) < ans.size())
      ans[i] = sum;
    else
      ans.push_back(sum);  // i is exactly ans.size() here
  }
  if (scanf("%d", &q) != 1) return false;
  for (; q > 0; --q) {
    long long l = 0, r = 0;
    if (scanf("%lld%lld", &l, &r) != 2) return false;
    printf("%lld\n", (long long)(uint64_t(at(r)) - uint64_t(at(l)) + 1));
  }
  return true;
}

int main() {
  int T = 0;
  scanf("%d", &T);
  for (; T > 0; --T)
    if (!slove()) break;
  return 0;
}
