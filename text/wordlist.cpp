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
// 12 letters and O(L log L) for the L longer ones; memory for about twice
// the distinct words.
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
// sorted by radix, 8 bits at a time from the top down.
//
// Outside the contract: Nothing; any input is text. A read that fails is
// taken as the end of the input there, so the words read before it are
// written; a write that fails stops the program at once. Either is the
// system refusing, reported on standard error with status 1.
//
// Notes: The pass over the bytes runs on the reading block's buffer; the
// list is written once the input has ended. Kept for speed: the radix sort
// of the numbers (std::sort in its place: 1.6 times the run's time) and
// their lists in huge pages where the system offers them (small pages: 1.24
// times).
#include <sys/mman.h>
#include <unistd.h>

#include <algorithm>
#include <bit>
#include <cctype>
#include <cerrno>
#include <charconv>
#include <climits>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <new>
#include <string>
#include <string_view>
#include <vector>

constexpr char kProgram[] = "wordlist";

// ---- reading and writing: the same text in every program that has it ----
// Input comes a block at a time, one read(2) each, and is taken a token at
// a time: a run of bytes other than white space. Answers wait in one buffer,
// written out before every read (which may wait for a client's next
// question) and at exit. A read that fails ends the input there and is
// reported at exit; a write that fails stops the program at once.
char* in_buf = nullptr;  // grows for a token longer than it
std::size_t in_size = 0, in_pos = 0, in_len = 0;
bool in_end = false;  // no byte will come any more
int read_err = 0;     // errno of the read that failed
char out[1 << 16];    // answers not yet written
std::size_t out_len = 0;

[[noreturn]] void io_failed(const char* what, int err) {
  std::fprintf(stderr, "%s: %s error: %s\n", kProgram, what, std::strerror(err));
  std::_Exit(1);
}

// Writes out the answers waiting, then `more`.
void flush(std::string_view more = {}) {
  if (std::fwrite(out, 1, out_len, stdout) != out_len || std::fflush(stdout) != 0 ||
      (!more.empty() && std::fwrite(more.data(), 1, more.size(), stdout) != more.size()))
    io_failed("write", errno);
  out_len = 0;
}

void put(std::string_view s) {
  if (s.size() > sizeof out - out_len) return flush(s);
  std::memcpy(out + out_len, s.data(), s.size());
  out_len += s.size();
}

// v in decimal, then `end`.
void put_int(long long v, std::string_view end = "\n") {
  if (sizeof out - out_len < 20) flush();
  out_len = std::size_t(std::to_chars(out + out_len, out + sizeof out, v).ptr - out);
  put(end);
}

// Reads more behind the bytes from in_pos on, which move to the front;
// false at the end of the input.
bool refill() {
  if (in_end) return false;
  flush();
  in_len -= in_pos;
  if (in_len == in_size && !(in_buf = static_cast<char*>(std::realloc(in_buf, in_size += in_size + (1 << 16)))))
    io_failed("read", ENOMEM);  // full: more room (64 KiB at the first read)
  std::memmove(in_buf, in_buf + in_pos, in_len);
  in_pos = 0;
  ssize_t n;
  while ((n = read(0, in_buf + in_len, in_size - in_len)) < 0 && errno == EINTR) continue;
  if (n < 0) read_err = errno;
  in_end = n <= 0;
  in_len += in_end ? 0 : std::size_t(n);
  return !in_end;
}

bool is_space(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

// The next token as strtoll converts it: 1, or 2 where it saturated at the
// 64-bit bounds. 0, leaving v, where it is not a number: that ends the input.
int read_int(long long& v) {
  for (;;) {
    const char *s = in_buf + in_pos, *e = in_buf + in_len;
    while (s < e && is_space(*s)) ++s;
    in_pos = std::size_t(s - in_buf);
    s += e - s > 1 && *s == '+' && s[1] != '-';
    long long x = 0;
    auto [end, ec] = std::from_chars(s, e, x);
    if ((end == e || e - s < 2) && !in_end) {  // the token may go on in the next block
      refill();
      continue;
    }
    if (ec == std::errc::invalid_argument || (end != e && !is_space(*end)))
      return in_end = true, in_pos = in_len, 0;
    in_pos = std::size_t(end - in_buf);
    v = ec == std::errc() ? x : *s == '-' ? LLONG_MIN : LLONG_MAX;
    return ec == std::errc() ? 1 : 2;
  }
}

// At exit: the answers still waiting go out, and a failed read is reported.
int finish() {
  flush();
  if (read_err != 0) io_failed("read", read_err);
  return 0;
}
// ---- end of reading and writing ----

constexpr int kShort = 12;  // letters that fit in a number of 60 bits

// Memory for the lists of numbers, in whole 2 MiB pages asked for as huge
// pages where the system offers them (refused, small pages serve).
template <class T>
struct HugeAlloc {
  using value_type = T;
  HugeAlloc() = default;
  template <class U>
  HugeAlloc(const HugeAlloc<U>&) {}
  T* allocate(std::size_t n) {
    std::size_t bytes = ((n * sizeof(T) >> 21) + 1) << 21;
    void* p = std::aligned_alloc(std::size_t(1) << 21, bytes);
    if (p == nullptr) throw std::bad_alloc();
    madvise(p, bytes, MADV_HUGEPAGE);
    return static_cast<T*>(p);
  }
  void deallocate(T* p, std::size_t) { std::free(p); }
  bool operator==(const HugeAlloc&) const = default;
};
using Keys = std::vector<uint64_t, HugeAlloc<uint64_t>>;

Keys dic;                      // the words of up to kShort letters
std::vector<std::string> big;  // the longer words
std::size_t dic_limit = 1 << 20, big_limit = 1 << 12;

// Ascending order of keys[0..n), which agree on every bit above shift + 8:
// dealt out by bits [shift, shift + 8) into `spare` and back, then each part
// sorted by the next 8 bits down, a part of a few keys by std::sort.
void sort_bucket(uint64_t* keys, uint64_t* spare, std::size_t n, int shift) {
  if (n <= 16) return std::sort(keys, keys + n);
  std::size_t start[257] = {};
  for (std::size_t i = 0; i < n; ++i) ++start[(keys[i] >> shift & 255) + 1];
  for (std::size_t b = 1; b <= 256; ++b) start[b] += start[b - 1];
  std::size_t next[256];
  std::copy(start, start + 256, next);
  for (std::size_t i = 0; i < n; ++i) spare[next[keys[i] >> shift & 255]++] = keys[i];
  std::copy(spare, spare + n, keys);
  for (std::size_t b = 0; shift > 0 && b < 256; ++b)
    if (start[b + 1] - start[b] > 1) sort_bucket(keys + start[b], spare, start[b + 1] - start[b], shift - 8);
}

// Ascending order of the numbers, by radix from the top 8 bits down.
void sort_words(Keys& words) {
  Keys spare(words.size());
  sort_bucket(words.data(), spare.data(), words.size(), 56);
}
void sort_words(std::vector<std::string>& words) { std::sort(words.begin(), words.end()); }

template <class List>
void compact(List& words, std::size_t& limit) {
  sort_words(words);
  words.erase(std::unique(words.begin(), words.end()), words.end());
  limit = std::max(limit, 2 * words.size());
}

// The kShort letters of a word kept as a number (a backquote past its end).
void spell(uint64_t key, char* w) {
  for (int i = 0; i < kShort; ++i) w[i] = char('a' - 1 + (key >> 5 * (kShort - 1 - i) & 31));
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

int main() {
  dic.reserve(dic_limit + 1);
  uint8_t code[256];  // 1 to 26 for the letters, folded; 0 for a separator
  for (int c = 0; c < 256; ++c) code[c] = std::isalpha(c) ? uint8_t(std::tolower(c) - 'a' + 1) : 0;

  // The word being read, which may run on from one block into the next: its
  // first kShort letters in `key`, the latest lowest, and once it is longer
  // all of them in `word`.
  uint64_t key = 0, length = 0;
  std::string word;
  while (refill()) {
    for (; in_pos < in_len; ++in_pos) {
      uint64_t c = code[static_cast<unsigned char>(in_buf[in_pos])];
      if (c != 0) {
        if (++length <= std::size_t(kShort)) key = key << 5 | c;
        else {
          if (length == std::size_t(kShort) + 1) word.resize(kShort), spell(key, word.data());
          word += char('a' - 1 + c);
        }
      } else if (length != 0) {
        end_word(key, length, word);
        key = 0, length = 0;
      }
    }
  }
  if (length > 0) end_word(key, length, word);
  compact(dic, dic_limit);
  compact(big, big_limit);

  // A short word comes before a long one when it is at most the long one's
  // first kShort letters: equal, it is a prefix of the long one.
  std::size_t b = 0;
  for (uint64_t k : dic) {
    char w[kShort + 1];
    std::size_t len = std::size_t(kShort - std::countr_zero(k) / 5);
    spell(k, w);
    for (; b < big.size() && big[b].compare(0, kShort, w, kShort) < 0; ++b) put(big[b]), put("\n");
    w[len] = '\n';
    put({w, len + 1});
  }
  for (; b < big.size(); ++b) put(big[b]), put("\n");
  return finish();
}
