// Every program, when the system refuses to read its input or to take its
// output: no crash, one line on standard error naming the program, status 1.
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <stdexcept>

#include "support/runner.hpp"

namespace {

struct Finished {
  std::string out, err;
  bool exited = false;  // ended by exit, not by a signal
  int status = -1;      // exit status, or 128 + signal number
  bool timed_out = false;
};

// Runs program `name` with standard input from `in` and standard output to
// `out` (both descriptors are closed here). With out < 0 the output goes to
// a pipe that is read whole, or closed after `keep` bytes when keep > 0.
// With ignore_pipe the program starts with SIGPIPE ignored, as a parent that
// ignores it leaves it.
Finished run_with(const std::string& name, int in, int out, bool ignore_pipe = false,
             std::size_t keep = 0, double seconds = 60) {
  int o[2] = {-1, -1}, e[2];
  if ((out < 0 && pipe2(o, O_CLOEXEC) != 0) || pipe2(e, O_CLOEXEC) != 0)
    throw std::runtime_error("pipe failed");
  std::string path = suite::program_path(name);
  pid_t pid = fork();
  if (pid < 0) throw std::runtime_error("fork failed");
  if (pid == 0) {
    signal(SIGPIPE, ignore_pipe ? SIG_IGN : SIG_DFL);
    dup2(in, 0);
    dup2(out < 0 ? o[1] : out, 1);
    dup2(e[1], 2);
    execl(path.c_str(), path.c_str(), static_cast<char*>(nullptr));
    _exit(127);
  }
  close(in);
  if (out >= 0) close(out);
  close(o[1]);
  close(e[1]);
  Finished r;
  auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(int(seconds * 1000));
  char buf[1 << 16];
  int from_out = o[0], from_err = e[0];
  while (from_out >= 0 || from_err >= 0) {
    auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
                    deadline - std::chrono::steady_clock::now()).count();
    if (left <= 0) {
      r.timed_out = true;
      break;
    }
    pollfd p[2] = {{from_out, POLLIN, 0}, {from_err, POLLIN, 0}};
    if (poll(p, 2, int(left)) <= 0) continue;
    for (int k = 0; k < 2; ++k) {
      int& fd = k == 0 ? from_out : from_err;
      if (fd < 0 || !p[k].revents) continue;
      ssize_t n = read(fd, buf, sizeof buf);
      if (n > 0) (k == 0 ? r.out : r.err).append(buf, std::size_t(n));
      if (n <= 0 || (k == 0 && keep > 0 && r.out.size() >= keep)) {
        close(fd);
        fd = -1;
      }
    }
  }
  if (r.timed_out) kill(pid, SIGKILL);
  if (from_out >= 0) close(from_out);
  if (from_err >= 0) close(from_err);
  int ws = 0;
  waitpid(pid, &ws, 0);
  r.exited = WIFEXITED(ws);
  r.status = r.exited ? WEXITSTATUS(ws) : 128 + WTERMSIG(ws);
  return r;
}

int open_or_throw(const std::string& path, int flags) {
  int fd = open(path.c_str(), flags | O_CLOEXEC);
  if (fd < 0) throw std::runtime_error("cannot open " + path);
  return fd;
}

std::string example_path(const std::string& name) {
  return std::string(SUITE_EXAMPLE_DIR) + "/" + name + ".in";
}

class IoErrors : public ::testing::TestWithParam<std::string> {};

TEST_P(IoErrors, OutputToAFullDevice) {
  const std::string& name = GetParam();
  Finished r = run_with(name, open_or_throw(example_path(name), O_RDONLY),
                   open_or_throw("/dev/full", O_WRONLY));
  EXPECT_FALSE(r.timed_out);
  EXPECT_TRUE(r.exited) << "status " << r.status;
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.err, name + ": write error: No space left on device\n");
}

// A directory opens for reading, and every read of it fails: the program
// writes what an empty input gives, then says why it stopped.
TEST_P(IoErrors, InputFromADirectory) {
  const std::string& name = GetParam();
  Finished r = run_with(name, open_or_throw(SUITE_EXAMPLE_DIR, O_RDONLY | O_DIRECTORY), -1);
  EXPECT_FALSE(r.timed_out);
  EXPECT_TRUE(r.exited) << "status " << r.status;
  EXPECT_EQ(r.out, suite::run_program(name, "").out);
  if (name == "pointdiff" || name == "twoprint") {  // they read nothing
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.err, "");
  } else {
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, name + ": read error: Is a directory\n");
  }
}

INSTANTIATE_TEST_SUITE_P(AllPrograms, IoErrors, ::testing::ValuesIn(suite::all_programs()),
                         [](const auto& info) { return info.param; });

// Inputs whose output is endless in practice (10^12 bytes and more): with
// SIGPIPE ignored, a reader that leaves after 10 bytes makes every later
// write fail, and the program must stop there rather than run on for hours.
TEST(IoErrors, EndlessOutputStopsWhenTheReaderLeaves) {
  const std::pair<std::string, std::string> cases[] = {
      {"letterblock", "1\n474316\n"},
      {"permcount", "12\n2 3 5 7 11 13 17 19 23 29 31 37\n"},
      {"campsum", "2000000000\n"},
  };
  for (const auto& [name, input] : cases) {
    SCOPED_TRACE(name);
    EXPECT_EQ(suite::programs_with("output-follows-counts").count(name), 1u);
    int p[2];
    ASSERT_EQ(pipe2(p, O_CLOEXEC), 0);
    ASSERT_EQ(write(p[1], input.data(), input.size()), ssize_t(input.size()));
    close(p[1]);
    Finished r = run_with(name, p[0], -1, true, 10, 30);
    EXPECT_FALSE(r.timed_out);
    EXPECT_GE(r.out.size(), 10u);
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, name + ": write error: Broken pipe\n");
  }
}

}  // namespace
