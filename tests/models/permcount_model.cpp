// Literal model of permcount: every trace line printed as it is found, no
// remembered lines. t must lie in 0..305; a negative t counts as 0.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>

int t;
int arr[305], temp[305];

bool judge() {
  for (int i = 0; i < t; i++)
    if (arr[i] != temp[i]) return false;
  return true;
}

int main() {
  memset(arr, 0, sizeof arr);
  memset(temp, 0, sizeof temp);
  scanf("%d", &t);
  if (t < 0) t = 0;  // no values: the walk below would start outside the array
  for (int i = 0; i < t; i++) {
    scanf("%d", &arr[i]);
    temp[i] = arr[i];
  }
  int count = 0;
  do {
    bool flag = true;
    for (int i = 0; i < t - 1; i++) {
      int p = int(uint32_t(arr[i]) * uint32_t(arr[i + 1]));
      float r = sqrtf(float(p));
      int k = std::isnan(r) ? 0 : int(r);
      if (r - float(k) != 0.0f) {
        if (std::isnan(r))
          printf("nan    %d\n", k);
        else
          printf("%f    %d\n", double(r), k);
        flag = false;
        break;
      }
    }
    std::next_permutation(arr, arr + t);
    if (flag) count++;
    count %= 1000000007;
  } while (!judge());
  printf("%d\n", count);
  return 0;
}
