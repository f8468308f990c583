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
// Cost: One pass over the input, then O(W log W) for W distinct words; a run
// takes about 5x the time of merely copying its bytes.
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
// sorted by radix, five passes over them.
//
// Outside the contract: Nothing; any input is text. A read that fails is
// taken as the end of the input there, so the words read before it are
// written; a write that fails stops the program at once. Either is the
// system refusing, reported on standard error with status 1.
//
// Notes: The pass over the bytes runs on blocks of the input. The list is
// written a buffer at a time once the input has ended, and flushed at exit.
// The sort and the memory it touches are what keep a run at about 5x the
// time of merely copying its bytes.
#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <utility>
#include <vector>

constexpr int kShort = 12;  // letters that fit in a number of 60 bits

std::vector<uint64_t> dic;     // the words of up to kShort letters
std::vector<std::string> big;  // the longer words
std::size_t dic_limit = 1 << 20, big_limit = 1 << 12;

// Ascending order of numbers below 2^60: five stable counting passes of 12
// bits each, lowest first.
void sort_keys(std::vector<uint64_t>& keys) {
  std::unique_ptr<uint64_t[]> spare(new uint64_t[keys.size()]);
  uint64_t* from = keys.data();
  uint64_t* to = spare.get();
  std::vector<std::size_t> count(1 << 12);
  for (int shift = 0; shift < 60; shift += 12) {
    std::fill(count.begin(), count.end(), 0);
    for (std::size_t i = 0; i < keys.size(); ++i) ++count[from[i] >> shift & 4095];
    std::size_t sum = 0;
    for (std::size_t& c : count) sum += std::exchange(c, sum);
    for (std::size_t i = 0; i < keys.size(); ++i) to[count[from[i] >> shift & 4095]++] = from[i];
    std::swap(from, to);
  }
  if (from != keys.data()) std::copy(from, from + keys.size(), keys.data());  // five passes: odd
}

void sort_words(std::vector<uint64_t>& words) { sort_keys(words); }
void sort_words(std::vector<std::string>& words) { std::sort(words.begin(), words.end()); }

template <class T>
void compact(std::vector<T>& words, std::size_t& limit) {
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

void put_key(uint64_t key) {
  char word[kShort + 1];
  int n = 0;
  for (; n < kShort; ++n) {
    int code = int(key >> (5 * (kShort - 1 - n))) & 31;
    if (code == 0) break;
    word[n] = char('a' + code - 1);
  }
  word[n++] = '\n';
  put(word, std::size_t(n));
}

int main() {
  dic.reserve(dic_limit + 1);
  uint8_t code[256];  // 1 to 26 for the letters, folded; 0 for a separator
  for (int c = 0; c < 256; ++c) code[c] = std::isalpha(c) ? uint8_t(std::tolower(c) - 'a' + 1) : 0;

  // The word being read, which may run on from one block into the next.
  uint64_t key = 0;
  std::size_t length = 0;
  std::string word;  // its letters, once it has more than kShort
  auto end_word = [&] {
    if (length > std::size_t(kShort)) {
      big.push_back(word);
      if (big.size() > big_limit) compact(big, big_limit);
    } else {
      dic.push_back(key);
      if (dic.size() > dic_limit) compact(dic, dic_limit);
    }
    key = 0;
    length = 0;
  };

  static char in[1 << 16];
  int read_err = 0;
  for (std::size_t n; read_err == 0 && (n = std::fread(in, 1, sizeof in, stdin)) > 0;) {
    if (std::ferror(stdin)) read_err = errno;  // the bytes before it still count
    for (std::size_t i = 0; i < n; ++i) {
      uint64_t c = code[static_cast<unsigned char>(in[i])];
      if (c == 0) {
        if (length > 0) end_word();
      } else if (length < std::size_t(kShort)) {
        key |= c << (5 * (kShort - 1 - length));
        ++length;
      } else {
        if (length == std::size_t(kShort)) {
          word.clear();
          for (int j = 0; j < kShort; ++j) word += char('a' + int(key >> (5 * (kShort - 1 - j)) & 31) - 1);
        }
        word += char('a' + c - 1);
        ++length;
      }
    }
  }
  // fread gives 0 at a failure as at the end; ferror tells them apart.
  if (read_err == 0 && std::ferror(stdin)) read_err = errno;
  if (length > 0) end_word();
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
