// Helper of bench/run.py, in two roles.
//
// floor OUTPUT-FILE < input
//   The I/O floor of a benchmark run: maps OUTPUT-FILE (a program's output on
//   that input), reads all of stdin with one read loop, then writes the mapped
//   bytes to stdout at once. Its time is what reading that input and writing
//   that output cost, with process start, and nothing else.
//
// floor --measure PROGRAM [ARG...]
//   Runs PROGRAM with this process's stdin and stdout, its stderr thrown away,
//   and when it ends writes "SECONDS PEAK-KIB STATUS" to stderr: wall seconds
//   from fork to exit, its peak resident set size from wait4, and its exit
//   status (128 + N when killed by signal N). The peak comes from here rather
//   than from the script because a process started straight from the script
//   inherits the script's own peak across exec.
//
// Exit status 1 when the helper itself fails (a file it cannot read, a write
// that fails, a fork or exec that fails).
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <sys/mman.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

static int floor_run(const char* path) {
    int fd = open(path, O_RDONLY);
    struct stat st;
    if (fd < 0 || fstat(fd, &st) != 0) return 1;
    size_t size = size_t(st.st_size);
    const char* out = "";
    if (size != 0) {
        void* map = mmap(nullptr, size, PROT_READ, MAP_PRIVATE | MAP_POPULATE, fd, 0);
        if (map == MAP_FAILED) return 1;
        out = static_cast<const char*>(map);
    }
    static char buf[1 << 16];
    for (ssize_t n; (n = read(0, buf, sizeof buf)) != 0;)
        if (n < 0 && errno != EINTR) break;
    for (size_t done = 0; done < size;) {
        ssize_t n = write(1, out + done, size - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            return 1;
        }
        done += size_t(n);
    }
    return 0;
}

static int measure(char** argv) {
    timespec start, end;
    clock_gettime(CLOCK_MONOTONIC, &start);
    pid_t pid = fork();
    if (pid < 0) return 1;
    if (pid == 0) {
        int null = open("/dev/null", O_WRONLY);
        if (null < 0 || dup2(null, 2) < 0) _exit(127);
        execv(argv[0], argv);
        _exit(127);
    }
    // The reader of stdout sees its end when the program exits, not when this does.
    close(0);
    close(1);
    int status;
    rusage usage;
    while (wait4(pid, &status, 0, &usage) < 0)
        if (errno != EINTR) return 1;
    clock_gettime(CLOCK_MONOTONIC, &end);
    double seconds = double(end.tv_sec - start.tv_sec) + double(end.tv_nsec - start.tv_nsec) / 1e9;
    int code = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    fprintf(stderr, "%.6f %ld %d\n", seconds, usage.ru_maxrss, code);
    return 0;
}

int main(int argc, char** argv) {
    if (argc >= 3 && std::strcmp(argv[1], "--measure") == 0) return measure(argv + 2);
    if (argc == 2) return floor_run(argv[1]);
    return 1;
}
