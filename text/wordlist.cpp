// wordlist: Distinct words of a text, in lower case and sorted
//
// The program reads a text to its end, cuts it into words made of letters,
// folds each word to lower case and writes every distinct word once, in
// ascending order.
//
// Input: Any bytes, read to the end. A word is a maximal run of the ASCII
// letters A-Z and a-z (isalpha on the unsigned byte in the classic locale,
// which the program never changes): every other byte, white space, a zero
// byte and bytes above 127 included, separates words.
// Output: Each distinct word once, in ascending order (plain alphabetical,
// a word before its longer extensions), each followed by a newline. An input
// without letters writes nothing. Nothing is written before the input has
// ended.
//
// Cost: One pass over the input, then time linear in the words kept of up to
// 12 letters (a radix sort) and O(L log L) for the L longer ones. On 5.6 MB
// of text holding 300,000 distinct words twice each, a run takes about half
// the time it took with a sort of five full passes (side by side, median of
// 9); the pass over the text and the sort take about a third of it each,
// writing the list a tenth.
//
// Method: Taking the input as white-space-delimited tokens, rewriting each
// (letters to lower case, every other byte to a space) and splitting it at
// the spaces gives the same words as one pass over the bytes that cuts out
// the runs of letters, since white space is no letter; that pass is what the
// program does. A word of up to 12 letters is kept as a number, 5 bits a
// letter (a = 1 ... z = 26) from the top down and 0 after the end, so that
// numbers compare as the words do; a longer word is kept as a string. Each
// list is sorted and cleared of repeats at the end, and along the way
// whenever it has doubled since the last time, so that it holds at most
// about twice the distinct words; the two are then merged. The numbers are
// sorted by radix: dealt out by their top 12 bits, then each part by the
// next 8 bits down in turn, a part of a few numbers by insertion.
//
// Outside the contract: Nothing; any input is text. A read that fails is
// taken as the end of the input there, so the words read before it are
// written; a write that fails stops the program at once. Either is the
// system refusing, reported on standard error with status 1.
//
// Notes: The pass over the bytes runs on blocks of the input, and notes the
// words that end in a block without a branch on where they end. The list is
// written a buffer at a time once the input has ended, and flushed at exit.
// The lists of numbers, and the spare list that the sort deals them into,
// are asked for in huge pages where the system offers them: with small
// pages a run took 2,800 page faults, which cost more than the sort (now
// under 200). A profile of a run: the pass over the text 35%, the sort 31%,
// writing 8%, the rest the system's (reading, starting the program).
#include <sys/mman.h>

#include <algorithm>
#include <bit>
#include <cctype>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <new>
#include <string>
#include <utility>
#include <vector>

constexpr int kShort = 12;  // letters that fit in a number of 60 bits

// Memory for the lists of numbers. A block of 2 MiB or more is aligned to
// 2 MiB and asked for in huge pages where the system offers them: touching
// fresh memory a small page at a time cost more than the sort itself.
template <class T>
struct HugeAlloc {
  using value_type = T;
  static constexpr std::size_t kHuge = std::size_t(1) << 21;
  HugeAlloc() = default;
  template <class U>
  HugeAlloc(const HugeAlloc<U>&) {}
  T* allocate(std::size_t n) {
    if (n > (SIZE_MAX - kHuge) / sizeof(T)) throw std::bad_alloc();
    std::size_t bytes = n * sizeof(T);
    if (bytes < kHuge) return static_cast<T*>(::operator new(bytes));
    bytes = (bytes + kHuge - 1) / kHuge * kHuge;
    void* p = std::aligned_alloc(kHuge, bytes);
    if (p == nullptr) throw std::bad_alloc();
#ifdef MADV_HUGEPAGE
    madvise(p, bytes, MADV_HUGEPAGE);  // a hint: refused, small pages serve
#endif
    return static_cast<T*>(p);
  }
  void deallocate(T* p, std::size_t n) {
    if (n * sizeof(T) < kHuge)
      ::operator delete(p);
    else
      std::free(p);
  }
  bool operator==(const HugeAlloc&) const = default;
};
using Keys = std::vector<uint64_t, HugeAlloc<uint64_t>>;

Keys dic;                      // the words of up to kShort letters
std::vector<std::string> big;  // the longer words
std::size_t dic_limit = 1 << 20, big_limit = 1 << 12;

// Ascending order of keys[0..n), which agree on every bit above shift + 8:
// dealt out by bits [shift, shift + 8) into `spare` and back, then each part
// sorted by the next 8 bits down, a part of a few keys by insertion.
void sort_bucket(uint64_t* keys, uint64_t* spare, std::size_t n, int shift) {
  if (n <= 16) {
    for (std::size_t i = 1; i < n; ++i)
      for (std::size_t j = i; j > 0 && keys[j - 1] > keys[j]; --j) std::swap(keys[j - 1], keys[j]);
    return;
  }
  std::size_t start[257] = {};
  for (std::size_t i = 0; i < n; ++i) ++start[(keys[i] >> shift & 255) + 1];
  for (std::size_t b = 1; b <= 256; ++b) start[b] += start[b - 1];
  std::size_t next[256];
  std::copy(start, start + 256, next);
  for (std::size_t i = 0; i < n; ++i) spare[next[keys[i] >> shift & 255]++] = keys[i];
  std::copy(spare, spare + n, keys);
  if (shift == 0) return;
  for (std::size_t b = 0; b < 256; ++b) {
    std::size_t size = start[b + 1] - start[b];
    if (size > 1) sort_bucket(keys + start[b], spare, size, shift - 8);
  }
}

// Ascending order of numbers below 2^60: one pass deals them out by their
// top 12 bits, into buckets small enough to be sorted in the cache.
void sort_keys(Keys& keys) {
  std::size_t n = keys.size();
  if (n < 2) return;
  Keys spare(n);
  std::vector<std::size_t> start(4097);
  for (uint64_t key : keys) ++start[(key >> 48) + 1];
  for (std::size_t b = 1; b <= 4096; ++b) start[b] += start[b - 1];
  std::vector<std::size_t> next(start.begin(), start.end() - 1);
  for (uint64_t key : keys) spare[next[key >> 48]++] = key;
  // The keys' own memory, free now, serves the buckets as spare.
  for (std::size_t b = 0; b < 4096; ++b)
    sort_bucket(spare.data() + start[b], keys.data(), start[b + 1] - start[b], 40);
  keys.swap(spare);
}

void sort_words(Keys& words) { sort_keys(words); }
void sort_words(std::vector<std::string>& words) { std::sort(words.begin(), words.end()); }

template <class List>
void compact(List& words, std::size_t& limit) {
  sort_words(words);
  words.erase(std::unique(words.begin(), words.end()), words.end());
  limit = std::max(limit, 2 * words.size());
}

// The first kShort letters of a word as a number; 0 codes past its end.
uint64_t key_of(const std::string& word) {
  uint64_t key = 0;
  for (int i = 0; i < kShort && i < int(word.size()); ++i)
    key |= uint64_t(word[i] - 'a' + 1) << (5 * (kShort - 1 - i));
  return key;
}

// A word read: its first letters in `key`, the latest lowest, or, when it
// has more than kShort, all of them in `word`.
void end_word(uint64_t key, std::size_t length, const std::string& word) {
  if (length > std::size_t(kShort)) {
    big.push_back(word);
    if (big.size() > big_limit) compact(big, big_limit);
  } else {
    dic.push_back(key << (5 * (kShort - length)));
    if (dic.size() > dic_limit) compact(dic, dic_limit);
  }
}

// The system's refusal to read or write is reported; input content never is.
[[noreturn]] void io_failed(const char* what, int err) {
  std::fprintf(stderr, "wordlist: %s error: %s\n", what, std::strerror(err));
  std::_Exit(1);
}

char out[1 << 16];
std::size_t out_len = 0;

void write_out() {
  if (std::fwrite(out, 1, out_len, stdout) != out_len) io_failed("write", errno);
  out_len = 0;
}

void put(const char* bytes, std::size_t size) {
  while (size > 0) {
    if (out_len == sizeof out) write_out();
    std::size_t part = std::min(size, sizeof out - out_len);
    std::memcpy(out + out_len, bytes, part);
    out_len += part;
    bytes += part;
    size -= part;
  }
}

// A word kept as a number, and its newline. Its length is read off the
// number's low zero bits (past the end the codes are 0, a letter's never):
// all kShort letters are written and those past the end overwritten later.
void put_key(uint64_t key) {
  if (sizeof out - out_len < std::size_t(kShort) + 1) write_out();
  char* p = out + out_len;
  for (int i = 0; i < kShort; ++i) p[i] = char('a' - 1 + int(key >> (5 * (kShort - 1 - i)) & 31));
  std::size_t length = std::size_t(kShort - std::countr_zero(key) / 5);
  p[length] = '\n';
  out_len += length + 1;
}

// A word of more than kShort letters, its first kShort taken from `key`.
void start_long(std::string& word, uint64_t key) {
  word.clear();
  for (int j = 0; j < kShort; ++j) word += char('a' - 1 + int(key >> (5 * (kShort - 1 - j)) & 31));
}

int main() {
  dic.reserve(dic_limit + 1);
  uint8_t code[256];  // 1 to 26 for the letters, folded; 0 for a separator
  for (int c = 0; c < 256; ++c) code[c] = std::isalpha(c) ? uint8_t(std::tolower(c) - 'a' + 1) : 0;

  // The word being read, which may run on from one block into the next: its
  // first kShort letters in `key`, the latest lowest, and once it is longer
  // all of them in `word`.
  uint64_t key = 0;
  std::size_t length = 0;
  std::string word;
  static char in[1 << 16];
  // Words ending in a block: each but one carried in ends at the separator
  // after its last letter, so at most one in two bytes, and one slot more.
  static uint64_t ends[sizeof in / 2 + 2];
  int read_err = 0;
  for (std::size_t n; read_err == 0 && (n = std::fread(in, 1, sizeof in, stdin)) > 0;) {
    if (std::ferror(stdin)) read_err = errno;  // the bytes before it still count
    // A word of fewer than kShort letters is noted without a branch on
    // where it ends, as a branch at each edge of each word cost more than
    // the rest of the loop: the next slot of `ends` is written at every byte
    // (the letters so far, and their count in the top 4 bits) and kept
    // where a word ends. A word that reaches kShort letters takes a branch.
    std::size_t ended = 0;
    for (std::size_t i = 0; i < n; ++i) {
      uint64_t c = code[static_cast<unsigned char>(in[i])];
      if (length >= std::size_t(kShort)) {
        if (c != 0) {
          if (length == std::size_t(kShort)) start_long(word, key);
          word += char('a' - 1 + c);
          ++length;
        } else {
          end_word(key, length, word);
          key = 0;
          length = 0;
        }
        continue;
      }
      uint64_t letter = 0 - uint64_t(c != 0);
      ends[ended] = key | uint64_t(length) << 60;
      ended += (c == 0) & (length != 0);
      key = (key << 5 | c) & letter;
      length = (length + 1) & letter;
    }
    for (std::size_t j = 0; j < ended; ++j)
      end_word(ends[j] & ((uint64_t(1) << 60) - 1), ends[j] >> 60, word);
  }
  // fread gives 0 at a failure as at the end; ferror tells them apart.
  if (read_err == 0 && std::ferror(stdin)) read_err = errno;
  if (length > 0) end_word(key, length, word);
  compact(dic, dic_limit);
  compact(big, big_limit);

  // A short word comes before a long one when it is at most the long one's
  // first kShort letters: equal, it is a prefix of the long one.
  std::size_t b = 0;
  for (uint64_t k : dic) {
    for (; b < big.size() && key_of(big[b]) < k; ++b) {
      put(big[b].data(), big[b].size());
      put("\n", 1);
    }
    put_key(k);
  }
  for (; b < big.size(); ++b) {
    put(big[b].data(), big[b].size());
    put("\n", 1);
  }
  write_out();
  if (std::fflush(stdout) != 0) io_failed("write", errno);
  if (read_err != 0) io_failed("read", read_err);
  return 0;
}
