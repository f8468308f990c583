// inversions: the number of inversions of each scenario's sequence.
//
// Input: T, then T scenarios, each n followed by n signed 64-bit values.
// Output: per scenario, "Scenario #%lld:\n%lld\n" with the heading number
// (1, 2, 3, ... over the whole run) and the number of position pairs i < j
// whose value at i is strictly greater than the value at j.
//
// Method: a merge sort counts the pairs: when the merge takes a value from
// the right half because it is strictly smaller than the next value of the
// left half, it forms a pair with every value still waiting in the left half.
// Equal values are taken from the left first and so never form a pair.
// Cost: O(n log n) per scenario.
//
// Outside the contract: T of 0 or less writes nothing. Storage grows with
// the values read, so n above 1,005 gets its natural count. When a read
// fails (the input ends, or a token is not a number), every later read would
// fail too, so the input ends there: a scenario whose n cannot be read is not
// written, and neither is any later one; a scenario whose values run out is
// written with the values not read taken as 0, as the zero-filled storage
// leaves them, and ends the run.
#include <cstdint>
#include <cstdio>
#include <vector>

std::vector<long long> s;
long long cnt = 1;

// Sorts s[lo, hi) and returns its number of inversions.
long long count_pairs(std::vector<long long>& scratch, std::size_t lo, std::size_t hi) {
  if (hi - lo < 2) return 0;
  std::size_t mid = lo + (hi - lo) / 2;
  long long pairs = count_pairs(scratch, lo, mid) + count_pairs(scratch, mid, hi);
  std::size_t i = lo, j = mid, k = lo;
  while (i < mid && j < hi) {
    if (s[j] < s[i]) {
      pairs += (long long)(mid - i);
      scratch[k++] = s[j++];
    } else {
      scratch[k++] = s[i++];
    }
  }
  while (i < mid) scratch[k++] = s[i++];
  while (j < hi) scratch[k++] = s[j++];
  for (k = lo; k < hi; ++k) s[k] = scratch[k];
  return pairs;
}

int main() {
  int T = 0;
  scanf("%d", &T);
  std::vector<long long> scratch;
  while (T > 0) {
    --T;
    int n = 0;
    if (scanf("%d", &n) != 1) break;
    s.clear();
    bool input_left = true;
    long long positives = 0;
    for (int64_t i = 0; i < n; ++i) {
      long long value = 0;
      if (scanf("%lld", &value) != 1) {
        input_left = false;
        break;
      }
      s.push_back(value);
      if (value > 0) ++positives;
    }
    scratch.resize(s.size());
    long long count = count_pairs(scratch, 0, s.size());
    // Every value read that is above 0 comes before each missing 0.
    if (!input_left) count += positives * (long long)(n - int64_t(s.size()));
    printf("Scenario #%lld:\n%lld\n", cnt, count);
    ++cnt;
    if (!input_left) break;
  }
  return 0;
}
