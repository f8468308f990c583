// recurtable: terms of the sequence 1, 3, 5, 11, 21, 43, ... (each term the
// previous one plus twice the one before it) by table look-up.
//
// Input: a count T, then T indices, extracted from the standard input stream.
// Output: per index, its term as a 64-bit integer and std::endl (a newline and
// a flush), in input order. Index 0 answers 0, the entry the table leaves
// unwritten. Nothing after the T-th index is read.
//
// Method: the table is built once, before any input is read; a query is one
// look-up.
// Cost: O(1) per query.
//
// Outside the contract: the table runs on past index 30 to index 63, the last
// term that fits in 64 bits, so those indices get their true terms; an index
// below 0 or above 63 answers 0, like index 0. A failed extraction (the input
// ends early or holds a non-number) ends the run, without a line for that
// query. A negative T answers indices until the extractions fail.
#include <cstdint>
#include <iostream>

constexpr int kLast = 63;  // term 64 would pass the signed 64-bit range

int64_t ans[kLast + 1];

int main() {
  ans[1] = 1;
  ans[2] = 3;
  for (int i = 3; i <= kLast; ++i) ans[i] = 2 * ans[i - 2] + ans[i - 1];

  int T = 0, n = 0;
  std::cin >> T;
  // A 64-bit countdown: a negative T runs on instead of wrapping at INT_MIN.
  for (int64_t left = T; left != 0; --left) {
    if (!(std::cin >> n)) break;
    std::cout << (n >= 0 && n <= kLast ? ans[n] : 0) << std::endl;
  }
  return 0;
}
