#!/usr/bin/env python3
"""Benchmark of the filter suite.

For every program whose cost grows with its input, a generator below writes a
deterministic input (fixed seed) at the program's capacity or at a size where
the cost shows. The built program runs on it once to capture its output, then
--runs times with its output sent into a pipe that this script drains (as in
`prog < in | next`); the helper bench/floor.cpp starts each run and reports
its wall seconds and its peak resident memory (from wait4). Beside each run,
the same helper, as the I/O floor, reads the same input and writes the same
output bytes at once: the least any filter could take there, process start
included; the table gives the program's median over the floor's. A third
series beside them runs the program on empty input (start s: starting the
process, loading its libraries, exiting), and "MB/s past start" divides the
input bytes by the time the run takes beyond that: on a small input "input
MB/s" measures mostly how fast the machine starts a process. Where a
literal model <models>/<name>_model exists, the model runs on the same input
too. The result is a Markdown table on stdout; progress notes go to stderr.

Every program of programs.list that has a generator gen_<name> is timed;
the others are named on stderr with the reason (LEFT_OUT below: their work
does not grow with their input), or as lacking a generator.

Python 3 standard library only.
"""

import argparse
import datetime
import os
import platform
import random
import signal
import statistics
import subprocess
import sys
import tempfile
import threading

SEED = 20240601


def ints(values):
    return " ".join(map(str, values))


def i64(rng):
    return rng.randint(-(2**63), 2**63 - 1)


# Each generator takes a seeded random.Random and returns the input text.

def gen_campsum(rng):
    # T; per case: N, N counts, then commands "<word> x y" until a word starting with 'E'.
    out = []
    small = 2000

    def case(n, commands):
        out.append(str(n))
        out.append(ints(rng.randint(-1000, 1000) for _ in range(n)))
        for _ in range(commands):
            kind = rng.randrange(3)
            if kind == 0:
                out.append(f"{rng.choice(('A', 'Add'))} {rng.randrange(n)} {rng.randint(-100, 100)}")
            elif kind == 1:
                out.append(f"{rng.choice(('S', 'Sub'))} {rng.randrange(n)} {rng.randint(-100, 100)}")
            else:
                x = rng.randrange(n)
                y = rng.randrange(x, n)
                out.append(f"{rng.choice(('Q', 'Query'))} {x} {y}")
        out.append("End")

    out.append(str(small + 1))
    for _ in range(small):
        case(rng.randint(1, 20), rng.randint(1, 10))
    case(50005, 200000)
    return "\n".join(out) + "\n"


def gen_distinctsum(rng):
    # T; per case: n, n values (%lld), q, q pairs "l r" with 0 <= l, r <= 30004.
    n, q = 30004, 200000
    values = set()
    while len(values) < n:
        values.add(i64(rng))
    values = sorted(values)
    rng.shuffle(values)
    queries = "\n".join(f"{rng.randint(0, n)} {rng.randint(0, n)}" for _ in range(q))
    return f"1\n{n}\n{ints(values)}\n{q}\n{queries}\n"


def gen_balancefloor(rng):
    # n, n values; q, q operations: "1 p x" (set position p, 1-based) or "t x" (raise to x).
    n = q = 200005
    ops = []
    for _ in range(q):
        if rng.random() < 0.5:
            ops.append(f"1 {rng.randint(1, n)} {rng.randint(0, 10**12)}")
        else:
            ops.append(f"{rng.choice((0, 2, 3))} {rng.randint(0, 10**12)}")
    return f"{n}\n{ints(rng.randint(0, 10**12) for _ in range(n))}\n{q}\n" + "\n".join(ops) + "\n"


def gen_gamerset(rng):
    # n, then n values from 0 to 9,999,999 (no fixed capacity for n).
    n = 1000000
    return f"{n}\n{ints(rng.randrange(10**7) for _ in range(n))}\n"


def gen_gamerarray(rng):
    # n (at most 100,005), then n signed 64-bit values.
    n = 100005
    return f"{n}\n{ints(rng.randrange(10**9) for _ in range(n))}\n"


def gen_stallgap(rng):
    # "N C", then N positions (%lld); N at most 100,005.
    n = 100005
    return f"{n} 1000\n{ints(rng.randrange(10**12) for _ in range(n))}\n"


def gen_stonegap(rng):
    # "A B", then A positions (%lld); A at most 1,000,005.
    n = 1000005
    return f"{n} 10000\n{ints(rng.randrange(10**12) for _ in range(n))}\n"


def gen_halfraise(rng):
    # "n k", then n values (%lld); n at most 200,005. The budget keeps every step walking far.
    n = 200005
    return f"{n} {10**14}\n{ints(rng.randrange(10**9) for _ in range(n))}\n"


def gen_pie(rng):
    # T; per case: "N F", then N radii (%lf); N at most 10,005.
    cases = []
    for _ in range(20):
        n = 10005
        radii = ints(f"{rng.uniform(1, 10000):.3f}" for _ in range(n))
        cases.append(f"{n} {rng.randint(10000, 100000)}\n{radii}")
    return f"{len(cases)}\n" + "\n".join(cases) + "\n"


def gen_recipemax(rng):
    # A recipe line read by characters up to '\n' (only B, S, C count), then seven integers.
    letters = [rng.choice("abcdefxyz BSC-") if rng.random() < 0.00002 else rng.choice("abcxyz ")
               for _ in range(1000000)]
    return "".join(letters) + "\n100 200 300 1 2 3 1000000000000\n"


def gen_groupmin(rng):
    # "n m", n costs (%lld), m links "x y" (1-based, either order); n at most 100,004.
    n, m = 100004, 200000
    links = [(i, i + 1) for i in range(1, n)]          # one chain: searches nest n deep
    links += [(rng.randint(1, n), rng.randint(1, n)) for _ in range(m - len(links))]
    rng.shuffle(links)
    links = [(y, x) if rng.random() < 0.5 else (x, y) for x, y in links]
    costs = ints(rng.randint(-10**12, 10**12) for _ in range(n))
    return f"{n} {m}\n{costs}\n" + "\n".join(f"{x} {y}" for x, y in links) + "\n"


def gen_groupminzero(rng):
    # "n m", n costs (%lld), m links "x y" (1-based, distinct endpoints); n at most 100,005.
    # Ladders of 24 vertices (links i-(i+1) and i-(i+2)): the number of paths to the
    # j-th vertex of a ladder is the j-th Fibonacci number, so a search that enters
    # shared vertices once per path does about 121,000 entries per ladder.
    n, size = 100004, 24
    links = []
    for start in range(1, n + 1, size):
        last = min(start + size - 1, n)
        links += [(i, i + 1) for i in range(start, last)]
        links += [(i, i + 2) for i in range(start, last - 1)]
    rng.shuffle(links)
    links = [(y, x) if rng.random() < 0.5 else (x, y) for x, y in links]
    costs = ints(rng.randint(-10**12, 10**12) for _ in range(n))
    return f"{n} {len(links)}\n{costs}\n" + "\n".join(f"{x} {y}" for x, y in links) + "\n"


def gen_blobcount(rng):
    # Grids "m n" + m rows of at least n characters (m <= 105, rows <= 104), ended by "0 0".
    grids = []
    for g in range(300):
        rows, cols = 105, 104
        if g == 0:   # one region filling the grid: the search nests rows*cols deep
            body = ["@" * cols] * rows
        else:
            body = ["".join(rng.choices("@*.", weights=(4, 5, 1), k=cols)) for _ in range(rows)]
        grids.append(f"{rows} {cols}\n" + "\n".join(body))
    return "\n".join(grids) + "\n0 0\n"


def gen_spancover(rng):
    # "n T", then n intervals "start end"; n at most 25,005.
    n, t = 25005, 1000000
    spans = [(k * 1000 + 1, k * 1000 + 1500) for k in range(1000)]   # a cover exists
    while len(spans) < n:
        s = rng.randint(-10, t)
        spans.append((s, s + rng.randint(0, 1200)))
    rng.shuffle(spans)
    return f"{n} {t}\n" + "\n".join(f"{s} {e}" for s, e in spans) + "\n"


def gen_rankpair(rng):
    # n (at most 200,005), n values of the first sequence, n of the second (%lld).
    n = 200005
    return f"{n}\n{ints(i64(rng) for _ in range(n))}\n{ints(i64(rng) for _ in range(n))}\n"


def gen_inversions(rng):
    # T; per scenario: n (at most 1,005), then n values (%lld).
    cases = [f"1005\n{ints(i64(rng) for _ in range(1005))}" for _ in range(200)]
    return f"{len(cases)}\n" + "\n".join(cases) + "\n"


def gen_seqmod7(rng):
    # Triples "a b c" until one holds a zero; c from 1 to 10^18, |a|, |b| below 3*10^9.
    def nonzero(lo, hi):
        return rng.choice((-1, 1)) * rng.randint(lo, hi)
    lines = [f"{nonzero(1, 3 * 10**9)} {nonzero(1, 3 * 10**9)} {rng.randint(1, 10**18)}"
             for _ in range(300000)]
    return "\n".join(lines) + "\n0 0 0\n"


def gen_primeruns(rng):
    # Queries from 1 to 10,005, one a line, ended by 0.
    return "\n".join(str(rng.randint(1, 10005)) for _ in range(50000)) + "\n0\n"


def gen_permcount(rng):
    # t (at most 305), then t values: 13 distinct values 3 k^2 in a shuffled order. Every
    # product is a perfect square, so all 13! arrangements pass: a literal walk takes
    # minutes, the output is the count alone.
    values = [3 * k * k for k in range(1, 14)]
    rng.shuffle(values)
    return f"{len(values)}\n{ints(values)}\n"


def gen_goldenpair(rng):
    # Pairs "x y" (%lld%lld) until the end of the input; a third of them golden pairs.
    phi = (1 + 5 ** 0.5) / 2
    lines = []
    for _ in range(500000):
        if rng.random() < 0.33:
            k = rng.randint(0, 10**6)
            a = int(k * phi)
            lines.append(f"{a + k} {a}")
        else:
            lines.append(f"{rng.randint(-10**9, 10**9)} {rng.randint(-10**9, 10**9)}")
    return "\n".join(lines) + "\n"


def gen_gridpairs(rng):
    # Pairs "x y" until one holds a zero; dimensions from 1 to 10^6.
    lines = [f"{rng.randint(1, 10**6)} {rng.randint(1, 10**6)}" for _ in range(500000)]
    return "\n".join(lines) + "\n0 0\n"


def gen_recurtable(rng):
    # T, then T indices from 1 to 30.
    t = 500000
    return f"{t}\n" + "\n".join(str(rng.randint(1, 30)) for _ in range(t)) + "\n"


def gen_powersum(rng):
    # T, then T values of n from 1 to 59.
    t = 500000
    return f"{t}\n" + "\n".join(str(rng.randint(1, 59)) for _ in range(t)) + "\n"


def gen_abchains(rng):
    # One line read by characters up to the first '\n'; a and b count, other bytes are passed over.
    return "".join(rng.choices("aaab c", k=4000000)) + "\n"


def gen_divpair(rng):
    # One integer x (at most 2,147,483,645); the search is linear in x.
    return "1000000000\n"


def gen_trianglepath(rng):
    # T; per case: n (at most 104), then rows 1..n of i numbers each (%lld).
    cases = []
    for _ in range(100):
        n = 104
        rows = [ints(rng.randint(-10**12, 10**12) for _ in range(i)) for i in range(1, n + 1)]
        cases.append(f"{n}\n" + "\n".join(rows))
    return f"{len(cases)}\n" + "\n".join(cases) + "\n"


def gen_wordlist(rng):
    # Any text; words are runs of ASCII letters, folded to lower case.
    words = set()
    while len(words) < 300000:
        words.add("".join(rng.choices("abcdefghijklmnopqrstuvwxyz", k=rng.randint(3, 12))))
    tokens = []
    for w in sorted(words):
        tokens.append(w)
        tokens.append(rng.choice((w.upper(), w.capitalize() + ",", "(" + w + ")", w + "'s")))
    rng.shuffle(tokens)
    lines = [" ".join(tokens[i:i + 12]) for i in range(0, len(tokens), 12)]
    return "\n".join(lines) + "\n"


def gen_halfrepeat(rng):
    # n, then a string of n characters. Only the first is 'a', so no prefix half repeats.
    n = 600000
    return f"{n}\na" + "".join(rng.choices("bcdefghijklmnopqrstuvwxyz", k=n - 1)) + "\n"


def gen_letterblock(rng):
    # T, then T sizes n; each case writes 3n lines of n tokens (9n^2 bytes of output).
    return "4\n1000 1000 1000 1000\n"


def gen_piazza(rng):
    # "r d", then n, then n circles "x y c" with |x|, |y| at most 30,000.
    n = 1000000
    circles = "\n".join(f"{rng.randint(-30000, 30000)} {rng.randint(-30000, 30000)} {rng.randint(-100, 5000)}"
                        for _ in range(n))
    return f"30000 12000\n{n}\n{circles}\n"


ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))


def program_list():
    """[(name, set of traits)] from programs.list, the suite's one list of programs."""
    rows = []
    with open(os.path.join(ROOT, "programs.list"), encoding="ascii") as f:
        for line in f:
            if line[:1].isalpha():
                name, _folder, *traits = line.split()
                rows.append((name, set(traits)))
    return rows


# Programs whose work does not grow with their input: no generator.
LEFT_OUT = {
    "multiplecover": "two counts and a bisection of at most 22 constant-time steps",
    "powerdiff": "two numbers and two square-and-multiply powers",
    "pointdiff": "reads nothing; fixed output",
    "twoprint": "reads nothing; fixed output",
}

# Every program of the list with a generator gen_<name> above is timed.
GENERATORS = {name: globals()[f"gen_{name}"] for name, _ in program_list() if f"gen_{name}" in globals()}

# Programs whose cost is set by the numbers they read, not by the bytes:
# their megabytes per second say nothing and are left blank.
VALUE_BOUND = {name for name, traits in program_list() if "value-bound" in traits}


def note(msg):
    print(msg, file=sys.stderr, flush=True)


def drain(fd):
    """Read `fd` to its end and throw the bytes away, as the next stage of a pipe would."""
    buf = bytearray(1 << 16)
    while os.readv(fd, [buf]):
        pass


def timed_run(helper, argv, stdin, limit):
    """One run of `argv` with `stdin` as its input and its output in a pipe.

    Returns (wall seconds from fork to exit, exit status, peak resident set
    size in KiB), or None when the run exceeds `limit`. The helper's --measure role starts the run,
    waits for it with wait4 and reports these three figures: a process started
    straight from this script would report the script's own peak memory, which
    it inherits across exec. A thread drains the pipe as the next stage of
    `prog < in | next` would, so a program that writes in many small pieces
    pays for each one as it would there. The helper is waited for with a
    blocking wait, and a timer kills its process group at the limit (waiting
    with a timeout polls in sleeps of up to 50 ms)."""
    proc = subprocess.Popen([helper, "--measure"] + argv, stdin=stdin, stdout=subprocess.PIPE,
                            stderr=subprocess.PIPE, start_new_session=True)
    reader = threading.Thread(target=drain, args=(proc.stdout.fileno(),))
    reader.start()
    killed = []

    def kill():
        killed.append(True)
        os.killpg(proc.pid, signal.SIGKILL)

    timer = threading.Timer(limit, kill)
    timer.start()
    proc.wait()
    timer.cancel()
    reader.join()
    report = proc.stderr.read().split()
    proc.stdout.close()
    proc.stderr.close()
    if killed:
        return None
    if proc.returncode != 0 or len(report) != 3:
        sys.exit(f"run.py: the helper {helper} could not run {argv[0]}")
    return float(report[0]), int(report[2]), int(report[1])


class Timing:
    """Median seconds and largest peak memory of a series of runs, or the reason it stopped."""

    def __init__(self, helper):
        self.helper, self.times, self.rss, self.failure = helper, [], 0, None

    def add(self, argv, path, limit):
        if self.failure:
            return
        with open(path, "rb") as stdin:
            result = timed_run(self.helper, argv, stdin, limit)
        if result is None:
            self.failure = f"> {limit:g}"
            return
        elapsed, status, rss = result
        if status != 0:
            self.failure = f"exit {status}"
            return
        self.times.append(elapsed)
        self.rss = max(self.rss, rss)

    def median(self):
        """Median seconds (a float), or a string saying why there is none."""
        return self.failure or (statistics.median(self.times) if self.times else "-")


def output_of(exe, path, limit):
    with open(path, "rb") as stdin:
        try:
            return subprocess.run([exe], stdin=stdin, stdout=subprocess.PIPE,
                                  stderr=subprocess.DEVNULL, timeout=limit).stdout
        except subprocess.TimeoutExpired:
            return None


def fmt_seconds(t):
    return f"{t:.3f}" if isinstance(t, float) else t


def ratio(num, den):
    """num / den as 'N.Nx' when both are timings."""
    if isinstance(num, float) and isinstance(den, float) and den > 0:
        return f"{num / den:.1f}x"
    return "-"


def main():
    ap = argparse.ArgumentParser(description="Time the suite's programs on generated inputs.")
    ap.add_argument("--bin", required=True, help="folder of the built programs")
    ap.add_argument("--models", help="folder of the literal models (<name>_model)")
    ap.add_argument("--floor", help="the helper built from bench/floor.cpp, which writes the "
                                    "floor and measures every run (default: bench/floor in the "
                                    "folder above --bin)")
    ap.add_argument("--runs", type=int, default=5,
                    help="runs per program, and as many of the floor beside them (default 5)")
    ap.add_argument("--model-runs", type=int, default=3, help="runs per model (default 3)")
    ap.add_argument("--only", help="comma-separated program names")
    ap.add_argument("--model-limit", type=float, default=30.0,
                    help="seconds after which a model run is stopped and reported as '> LIMIT' (default 30)")
    ap.add_argument("--limit", type=float, default=120.0,
                    help="the same for a program run (default 120)")
    ap.add_argument("--check", action="store_true",
                    help="also run the model once more, capturing its output, and compare it "
                         "with the program's")
    ap.add_argument("--baseline", help="folder of another build of the programs (an earlier "
                                       "commit, say), run alternating with --bin on the same "
                                       "input; adds its median, the ratio new/baseline and "
                                       "whether the two wrote the same bytes")
    ap.add_argument("--inputs", help="write the inputs (<name>.in) and the programs' outputs "
                                     "(<name>.out) into this folder and keep them "
                                     "(default: a temporary folder, removed afterwards)")
    args = ap.parse_args()

    floor = args.floor or os.path.join(os.path.dirname(os.path.abspath(args.bin)), "bench", "floor")
    if not os.access(floor, os.X_OK):
        sys.exit(f"run.py: no floor helper at {floor}; build it with "
                 f"'cmake --build build/release --target bench_floor' or name it with --floor")

    names = list(GENERATORS)
    for name, _ in program_list():
        if name not in GENERATORS:
            why = LEFT_OUT.get(name, f"no generator: add gen_{name} to bench/run.py")
            if not args.only or name in args.only.split(","):
                note(f"note: {name} is left out of the benchmark ({why})")
    if args.only:
        wanted = [w.strip() for w in args.only.split(",") if w.strip()]
        known = {name for name, _ in program_list()}
        for w in wanted:
            if w not in known:
                note(f"note: '{w}' is not a program of programs.list")
        names = [n for n in names if n in wanted]

    tmp = None
    if args.inputs:
        folder = args.inputs
        os.makedirs(folder, exist_ok=True)
    else:
        tmp = tempfile.TemporaryDirectory(prefix="suite-bench-")
        folder = tmp.name

    # The program on empty input: starting the process, loading its libraries
    # and exiting, which every run pays before it reads a byte.
    empty = os.path.join(folder, "empty.in")
    open(empty, "wb").close()
    rows = []
    for name in names:
        exe = os.path.join(args.bin, name)
        if not os.access(exe, os.X_OK):
            note(f"note: {name} is not built in {args.bin}; skipped")
            continue
        model = os.path.join(args.models, name + "_model") if args.models else None
        if model and not os.access(model, os.X_OK):
            model = None
        path = os.path.join(folder, name + ".in")
        out_path = os.path.join(folder, name + ".out")
        note(f"{name}: generating input")
        with open(path, "w", encoding="ascii", newline="\n") as f:
            f.write(GENERATORS[name](random.Random(f"{SEED}-{name}")))
        size = os.path.getsize(path)
        # One untimed run captures the output that the floor writes (and warms the caches).
        note(f"{name}: {size} bytes, capturing the output")
        got = output_of(exe, path, args.limit)
        out_size = "-"
        if got is not None:
            out_size = str(len(got))
            with open(out_path, "wb") as f:
                f.write(got)
        note(f"{name}: timing the program and the floor")
        prog, fl, start, base = Timing(floor), Timing(floor), Timing(floor), Timing(floor)
        base_exe = os.path.join(args.baseline, name) if args.baseline else None
        if base_exe and not os.access(base_exe, os.X_OK):
            base_exe = None
        for _ in range(args.runs):      # side by side, so that a busy spell hits them all
            prog.add([exe], path, args.limit)
            if base_exe:
                base.add([base_exe], path, args.limit)
            if got is not None:
                fl.add([floor, out_path], path, args.limit)
            start.add([exe], empty, args.limit)
        t = prog.median()
        ft = fl.median() if got is not None else "-"
        st = start.median()
        mbs, past = "-", "-"
        if isinstance(t, float) and name not in VALUE_BOUND and t > 0:
            mbs = f"{size / 1e6 / t:.1f}"
            if isinstance(st, float) and t > st:
                past = f"{size / 1e6 / (t - st):.0f}"
        rss = f"{prog.rss / 1024:.1f}" if prog.times else "-"
        mt, speedup, agree = "-", "-", "-"
        if model:
            note(f"{name}: timing the model")
            mtiming = Timing(floor)
            for _ in range(args.model_runs):
                mtiming.add([model], path, args.model_limit)
            mt = mtiming.median()
            speedup = ratio(mt, t)
            if isinstance(mt, str) and mt.startswith(">") and isinstance(t, float) and t > 0:
                speedup = f"> {args.model_limit / t:.1f}x"
            if args.check:
                want = output_of(model, path, args.model_limit)
                agree = "?" if got is None or want is None else ("yes" if got == want else "NO")
        base_cells = ()
        if args.baseline:
            bt = base.median() if base_exe else "-"
            same = "-"
            if base_exe:
                base_got = output_of(base_exe, path, args.limit)
                same = "?" if got is None or base_got is None else ("yes" if got == base_got else "NO")
            base_cells = (fmt_seconds(bt), f"{t / bt:.2f}x" if isinstance(t, float) and isinstance(bt, float) and bt > 0 else "-", same)
        rows.append((name, str(size), out_size, fmt_seconds(t), fmt_seconds(ft), ratio(t, ft),
                     fmt_seconds(st), rss, mbs, past, fmt_seconds(mt), speedup) + base_cells
                    + (agree,))
        if not args.inputs:
            os.remove(path)
            if got is not None:
                os.remove(out_path)

    if tmp:
        tmp.cleanup()

    stamp = datetime.datetime.now().strftime("%Y-%m-%d %H:%M")
    print(f"Benchmark of {stamp} on {platform.machine()} with {os.cpu_count()} CPUs, "
          f"median of {args.runs} runs (as many of the floor, alternating; "
          f"{args.model_runs} for a model), output into a drained pipe, "
          f"model limit {args.model_limit:g} s.\n")
    header = ["program", "input bytes", "output bytes", "median s", "floor s", "x floor",
              "start s", "peak RSS MiB", "input MB/s", "MB/s past start", "model median s",
              "speed-up"]
    if args.baseline:
        header += ["baseline s", "x baseline", "same as baseline"]
    if args.check:
        header.append("same output")
    print("| " + " | ".join(header) + " |")
    print("|" + "---|" * len(header))
    for r in rows:
        cells = list(r if args.check else r[:-1])
        print("| " + " | ".join(cells) + " |")
    if not rows:
        print("\n(no program of the benchmark is built)")


if __name__ == "__main__":
    main()
