#include "support/runner.hpp"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace suite {

std::string program_path(const std::string& name) {
  const char* dir = std::getenv("SUITE_PROGRAM_DIR");
  return std::string(dir && *dir ? dir : SUITE_PROGRAM_DIR) + "/" + name;
}

namespace {

// The input goes through an unlinked temporary file, so a program that
// never reads it cannot block the writer.
int input_file(const std::string& input) {
  const char* dir = std::getenv("TMPDIR");
  std::string tmpl = std::string(dir && *dir ? dir : "/tmp") + "/suite-input-XXXXXX";
  int fd = mkstemp(tmpl.data());
  if (fd < 0) throw std::runtime_error("mkstemp failed");
  unlink(tmpl.c_str());
  std::size_t done = 0;
  while (done < input.size()) {
    ssize_t n = write(fd, input.data() + done, input.size() - done);
    if (n <= 0) throw std::runtime_error("writing the input failed");
    done += std::size_t(n);
  }
  lseek(fd, 0, SEEK_SET);
  return fd;
}

std::string slurp(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error("cannot read " + path);
  std::ostringstream all;
  all << in.rdbuf();
  return all.str();
}

std::string describe(const Outcome& r) {
  std::ostringstream s;
  s << "status " << r.status << (r.timed_out ? " (timed out)" : "")
    << (r.capped ? " (output cap reached)" : "") << ", " << r.out.size() << " bytes";
  return s.str();
}

// Shows a long output by its first difference rather than in full.
std::string first_difference(const std::string& got, const std::string& want) {
  std::size_t i = 0;
  while (i < got.size() && i < want.size() && got[i] == want[i]) ++i;
  std::size_t from = i < 40 ? 0 : i - 40;
  std::ostringstream s;
  s << "first difference at byte " << i << "\n  got:  "
    << ::testing::PrintToString(got.substr(from, 120)) << "\n  want: "
    << ::testing::PrintToString(want.substr(from, 120));
  return s.str();
}

}  // namespace

Outcome run_binary(const std::string& path, const std::string& input, Limits limits) {
  int in = input_file(input);
  int pipefd[2];
  if (pipe(pipefd) != 0) throw std::runtime_error("pipe failed");
  pid_t pid = fork();
  if (pid < 0) throw std::runtime_error("fork failed");
  if (pid == 0) {
    dup2(in, 0);
    dup2(pipefd[1], 1);
    close(in);
    close(pipefd[0]);
    close(pipefd[1]);
    execl(path.c_str(), path.c_str(), static_cast<char*>(nullptr));
    _exit(127);
  }
  close(in);
  close(pipefd[1]);

  Outcome r;
  auto deadline = std::chrono::steady_clock::now() +
                  std::chrono::milliseconds(std::int64_t(limits.seconds * 1000));
  char buf[1 << 16];
  for (;;) {
    auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
                    deadline - std::chrono::steady_clock::now())
                    .count();
    if (left <= 0) {
      r.timed_out = true;
      break;
    }
    pollfd p{pipefd[0], POLLIN, 0};
    if (poll(&p, 1, int(left)) == 0) continue;
    ssize_t n = read(pipefd[0], buf, sizeof buf);
    if (n <= 0) break;
    r.out.append(buf, std::size_t(n));
    if (r.out.size() > limits.max_output) {
      r.capped = true;
      break;
    }
  }
  if (r.timed_out || r.capped) kill(pid, SIGKILL);
  close(pipefd[0]);
  int ws = 0;
  waitpid(pid, &ws, 0);
  r.status = WIFEXITED(ws) ? WEXITSTATUS(ws) : 128 + WTERMSIG(ws);
  return r;
}

Outcome run_program(const std::string& name, const std::string& input, Limits limits) {
  return run_binary(program_path(name), input, limits);
}

Outcome run_model(const std::string& name, const std::string& input, Limits limits) {
  return run_binary(std::string(SUITE_MODEL_DIR) + "/" + name + "_model", input, limits);
}

std::string example_input(const std::string& name) {
  return slurp(std::string(SUITE_EXAMPLE_DIR) + "/" + name + ".in");
}

std::string example_output(const std::string& name) {
  return slurp(std::string(SUITE_EXAMPLE_DIR) + "/" + name + ".out");
}

::testing::AssertionResult Produces(const std::string& name, const std::string& input,
                                    const std::string& expected) {
  Outcome r = run_program(name, input);
  if (r.status != 0 || r.timed_out || r.capped)
    return ::testing::AssertionFailure() << name << ": " << describe(r);
  if (r.out != expected)
    return ::testing::AssertionFailure() << name << ": " << first_difference(r.out, expected);
  return ::testing::AssertionSuccess();
}

::testing::AssertionResult MatchesModel(const std::string& name, const std::string& input) {
  Outcome got = run_program(name, input);
  Outcome want = run_model(name, input);
  if (got.status != 0 || got.timed_out || got.capped)
    return ::testing::AssertionFailure() << name << ": " << describe(got);
  if (want.status != 0 || want.timed_out || want.capped)
    return ::testing::AssertionFailure() << name << " model: " << describe(want);
  if (got.out != want.out)
    return ::testing::AssertionFailure()
           << name << " differs from its model on input "
           << ::testing::PrintToString(input.substr(0, 300)) << "\n"
           << first_difference(got.out, want.out);
  return ::testing::AssertionSuccess();
}

namespace {

int millis_left(std::chrono::steady_clock::time_point deadline) {
  auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
      deadline - std::chrono::steady_clock::now());
  return int(std::max<std::int64_t>(0, left.count()));
}

std::chrono::steady_clock::time_point after(double seconds) {
  return std::chrono::steady_clock::now() + std::chrono::milliseconds(std::int64_t(seconds * 1000));
}

}  // namespace

Session::Session(const std::string& name) {
  signal(SIGPIPE, SIG_IGN);  // a program that has ended must fail the test, not kill it
  int in[2], out[2];
  // Close-on-exec, so that no other child holds an end open.
  if (pipe2(in, O_CLOEXEC) != 0 || pipe2(out, O_CLOEXEC) != 0) throw std::runtime_error("pipe failed");
  std::string path = program_path(name);
  pid_t pid = fork();
  if (pid < 0) throw std::runtime_error("fork failed");
  if (pid == 0) {
    dup2(in[0], 0);
    dup2(out[1], 1);
    execl(path.c_str(), path.c_str(), static_cast<char*>(nullptr));
    _exit(127);
  }
  close(in[0]);
  close(out[1]);
  pid_ = pid;
  to_ = in[1];
  from_ = out[0];
  fcntl(to_, F_SETFL, O_NONBLOCK);  // a full pipe makes send wait in poll, with its limit
}

Session::~Session() {
  if (to_ >= 0) close(to_);
  if (from_ >= 0) close(from_);
  if (pid_ > 0) {
    kill(pid_, SIGKILL);
    waitpid(pid_, nullptr, 0);
  }
}

void Session::send(const std::string& bytes, double seconds) {
  auto deadline = after(seconds);
  std::size_t done = 0;
  while (to_ >= 0 && done < bytes.size()) {
    pollfd p{to_, POLLOUT, 0};
    if (poll(&p, 1, millis_left(deadline)) <= 0) return;
    ssize_t n = write(to_, bytes.data() + done, bytes.size() - done);
    if (n < 0 && errno != EAGAIN && errno != EINTR) return;
    if (n > 0) done += std::size_t(n);
  }
}

std::string Session::receive(std::size_t size, double seconds) {
  auto deadline = after(seconds);
  std::string got;
  char buf[1 << 12];
  while (from_ >= 0 && got.size() < size) {
    pollfd p{from_, POLLIN, 0};
    if (poll(&p, 1, millis_left(deadline)) <= 0) break;
    ssize_t n = read(from_, buf, std::min(sizeof buf, size - got.size()));
    if (n <= 0) break;
    got.append(buf, std::size_t(n));
  }
  return got;
}

Outcome Session::finish(double seconds) {
  auto deadline = after(seconds);
  if (to_ >= 0) close(to_);
  to_ = -1;
  Outcome r;
  for (;;) {
    std::string part = receive(1 << 16, millis_left(deadline) / 1000.0);
    if (part.empty()) break;
    r.out += part;
  }
  int ws = 0;
  while (waitpid(pid_, &ws, WNOHANG) == 0) {
    if (millis_left(deadline) == 0) {
      r.timed_out = true;
      kill(pid_, SIGKILL);
      waitpid(pid_, &ws, 0);
      break;
    }
    poll(nullptr, 0, 10);
  }
  pid_ = -1;
  r.status = WIFEXITED(ws) ? WEXITSTATUS(ws) : 128 + WTERMSIG(ws);
  return r;
}

}  // namespace suite
