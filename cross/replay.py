#!/usr/bin/env python3
"""Replays every file of a corpus through two builds of the programs.

  replay.py --native DIR --cross DIR CORPUS

CORPUS holds one folder per program (CORPUS/NAME/*). Each file is fed to
DIR/NAME of both builds; standard output, standard error and the exit status
must be the same. Each run is bounded (output capped, time limited), so an
input that makes a program write without end is compared on what both
wrote within the cap. Prints one line per difference and a summary; exits 1
when any file differs.
"""

import argparse
import concurrent.futures
import os
import subprocess
import sys
import threading

CAP = 16 << 20       # bytes of standard output compared at most
SECONDS = 60.0       # per run: qemu is slow, and a capped run is stopped early


def run(path, data):
    """Output (capped), error text and status of `path` fed `data`. Reading
    stops at the cap, and the program is stopped there, so that an endless
    writer costs no more than CAP bytes of memory."""
    proc = subprocess.Popen([path], stdin=subprocess.PIPE, stdout=subprocess.PIPE,
                            stderr=subprocess.PIPE)

    def feed():
        try:
            proc.stdin.write(data)
            proc.stdin.close()
        except (BrokenPipeError, OSError):
            pass

    err = []
    threads = [threading.Thread(target=feed, daemon=True),
               threading.Thread(target=lambda: err.append(proc.stderr.read(CAP)), daemon=True)]
    for t in threads:
        t.start()
    timer = threading.Timer(SECONDS, proc.kill)
    timer.start()
    chunks, size = [], 0
    while size < CAP:
        chunk = proc.stdout.read1(1 << 16)
        if not chunk:
            break
        chunks.append(chunk)
        size += len(chunk)
    capped = size >= CAP
    if capped:
        proc.kill()
    status = proc.wait()
    timed_out = not timer.is_alive() and not capped
    timer.cancel()
    for t in threads:
        t.join(5)
    out = b"".join(chunks)[:CAP]
    return out, b"".join(err), "capped" if capped else "timeout" if timed_out else status


def compare(native, cross, name, path):
    with open(path, "rb") as f:
        data = f.read()
    a = run(os.path.join(native, name), data)
    b = run(os.path.join(cross, name), data)
    if a == b:
        return None
    what = []
    if a[2] != b[2]:
        what.append(f"status {a[2]} vs {b[2]}")
    if a[0] != b[0]:
        at = next((i for i, (x, y) in enumerate(zip(a[0], b[0])) if x != y),
                  min(len(a[0]), len(b[0])))
        what.append(f"output differs at byte {at} ({len(a[0])} vs {len(b[0])} bytes)")
    if a[1] != b[1]:
        what.append("standard error differs")
    return f"{name}/{os.path.basename(path)}: " + ", ".join(what)


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("--native", required=True)
    ap.add_argument("--cross", required=True)
    ap.add_argument("corpus")
    args = ap.parse_args()
    jobs = []
    for name in sorted(os.listdir(args.corpus)):
        folder = os.path.join(args.corpus, name)
        for entry in sorted(os.listdir(folder)):
            jobs.append((name, os.path.join(folder, entry)))
    with concurrent.futures.ThreadPoolExecutor(max_workers=os.cpu_count() or 2) as pool:
        results = list(pool.map(lambda j: compare(args.native, args.cross, *j), jobs))
    diffs = [r for r in results if r]
    for d in diffs:
        print("replay: " + d)
    programs = len({name for name, _ in jobs})
    print(f"replay: {len(jobs)} files of {programs} programs, {len(diffs)} differences")
    sys.exit(1 if diffs else 0)


if __name__ == "__main__":
    main()
