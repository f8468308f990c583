// Literal model of spancover: the intervals in a zero-filled array of
// 25,005, sorted with std::sort and cmp, then the greedy scans. Expects n of
// at most 25,005 and every number present.
#include <algorithm>
#include <cstdio>

struct cow {
  int start, end;
} mew[25005];

int cmp(cow a, cow b) {
  if (a.start == b.start) return a.end > b.end;
  return a.start < b.start;
}

int main() {
  int n, T;
  scanf("%d%d", &n, &T);
  for (int i = 0; i < n; ++i) scanf("%d%d", &mew[i].start, &mew[i].end);
  if (n > 0) std::sort(mew, mew + n, cmp);  // elements 0 to n-1: none when n <= 0
  int count = 0, pos = 0, reach = 0;
  while (reach < T) {
    int target = reach + 1;
    for (int i = pos; i < n; ++i) {
      if (mew[i].start > target) {
        pos = i;
        break;
      }
      reach = std::max(reach, mew[i].end);
    }
    if (reach < target) {
      puts("-1");
      break;
    }
    ++count;
  }
  if (reach >= T) printf("%d", count);
  return 0;
}
