// Test support shared by every test file: run a built program on given
// standard-input bytes and collect its standard output and exit status;
// compare a program with its literal model; a small seeded random source.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <set>
#include <string>
#include <vector>

namespace suite {

struct Outcome {
  std::string out;         // every byte written to standard output
  int status = -1;         // exit status, or 128 + signal number
  bool timed_out = false;  // killed after Limits::seconds
  bool capped = false;     // killed after writing more than Limits::max_output
};

struct Limits {
  double seconds = 120;             // generous: the sanitizer build is slow
  std::size_t max_output = 256u << 20;
};

// Runs the executable at `path` with `input` on standard input.
Outcome run_binary(const std::string& path, const std::string& input, Limits limits = {});
// Where the suite's program `name` is: in the folder that the environment
// variable SUITE_PROGRAM_DIR names, when set (another architecture's build,
// an installed copy), else in the folder the build names.
std::string program_path(const std::string& name);
// Runs the suite's program `name`.
Outcome run_program(const std::string& name, const std::string& input, Limits limits = {});
// Runs the literal model tests/models/<name>_model.cpp.
Outcome run_model(const std::string& name, const std::string& input, Limits limits = {});

// The bytes of examples/<name>.in and examples/<name>.out.
std::string example_input(const std::string& name);
std::string example_output(const std::string& name);

// The names of every program the build defines, in build order (defined in
// the program_list.cpp that CMake generates).
std::vector<std::string> all_programs();
// The programs that programs.list gives the trait `trait` (output-follows-counts,
// value-bound).
std::set<std::string> programs_with(const std::string& trait);
// The paths of their source files, in the same order.
std::vector<std::string> all_program_sources();

// Success when `name` fed `input` exits 0 and writes exactly `expected`.
::testing::AssertionResult Produces(const std::string& name, const std::string& input,
                                    const std::string& expected);
// Success when `name` and its model, fed `input`, both exit 0 with the same bytes.
::testing::AssertionResult MatchesModel(const std::string& name, const std::string& input);

// The suite's program `name` run with a pipe on each side, driven the way an
// interactive client drives it: send a question, wait for its answer, then
// send the next. Every wait is bounded, so a program that holds an answer
// back fails the test rather than hanging it.
class Session {
 public:
  explicit Session(const std::string& name);
  ~Session();  // kills the program if it is still running
  Session(const Session&) = delete;
  Session& operator=(const Session&) = delete;

  // Writes `bytes` to the program's standard input.
  void send(const std::string& bytes, double seconds = 10);
  // What the program writes until `size` bytes have come, its output ends,
  // or `seconds` pass.
  std::string receive(std::size_t size, double seconds = 10);
  // Closes the program's standard input and collects the rest of its output
  // and its exit status; the program is killed if it has not ended in time.
  Outcome finish(double seconds = 10);

 private:
  int pid_ = -1, to_ = -1, from_ = -1;
};

// Deterministic random source for generated inputs.
class Rng {
 public:
  explicit Rng(std::uint64_t seed) : gen_(seed) {}
  // Uniform in [lo, hi], both inclusive.
  std::int64_t range(std::int64_t lo, std::int64_t hi) {
    std::uint64_t span = std::uint64_t(hi) - std::uint64_t(lo) + 1;
    std::uint64_t r = gen_();
    return std::int64_t(std::uint64_t(lo) + (span == 0 ? r : r % span));
  }
  bool chance(int percent) { return range(0, 99) < percent; }
  std::uint64_t bits() { return gen_(); }
  // A number in [lo, hi] drawn to reach every region a format allows: at and
  // next to either end (the ends of a 32- or 64-bit type when those are the
  // bounds), around 0, a repeat of the last number drawn (ties and equal
  // values), small magnitudes, or anywhere in the interval.
  std::int64_t pick(std::int64_t lo, std::int64_t hi) {
    std::int64_t v;
    switch (range(0, 6)) {
      case 0: v = std::int64_t(std::uint64_t(lo) + std::uint64_t(range(0, 2))); break;
      case 1: v = std::int64_t(std::uint64_t(hi) - std::uint64_t(range(0, 2))); break;
      case 2: v = range(-2, 2); break;
      case 3: v = last_; break;
      case 4: v = range(-1000, 1000); break;
      default: v = range(lo, hi);
    }
    if (v < lo || v > hi) v = range(lo, hi);  // also where an end step wrapped
    return last_ = v;
  }

 private:
  std::mt19937_64 gen_;
  std::int64_t last_ = 0;
};

}  // namespace suite
