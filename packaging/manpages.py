#!/usr/bin/env python3
"""Manual pages for the suite, generated from the programs themselves.

Each program's first comment is its documentation: a first line
"NAME: summary" (at most 60 characters after the name: the page's NAME line
and the program's row in README and filtersuite(7)), a description in one or
more paragraphs, then paragraphs labelled "Input:", "Output:", "Cost:",
optionally "Method:", "Outside the contract:" and optionally "Notes:" (for
the next developer: how the program reads and buffers, the speed devices it
keeps; it stays in the source and is left out of the page). A labelled paragraph runs until the next label; unlabelled paragraphs
belong to the label before them. Every paragraph starts with a capital
letter, the description does not repeat the summary, and "Input:" and
"Cost:" speak of the format and the input, never of buffers or streams. A line starting with "- " opens a list item (its
continuation lines are indented); other indented lines are shown as they
stand. The program's example (examples/NAME.in and .out) becomes the page's
EXAMPLE section, so the page cannot say other than the code and its example.

  manpages.py page --name N --source FILE --example-in FILE --example-out FILE
                   --version V --changelog FILE --out N.1.gz
  manpages.py overview --version V --changelog FILE --out filtersuite.7.gz
                   NAME=SOURCE...
  manpages.py readme [--check README] [NAME=SOURCE...]
                   (README's table of the programs, from their summary lines,
                   for every program of programs.list when none is named;
                   with --check, fails where README's table differs)
  manpages.py gzip IN OUT          (gzip -9n: no name, no time stamp)
  manpages.py epoch CHANGELOG      (the newest entry's time, in seconds, as
                                    dpkg-parsechangelog -STimestamp gives it)
  manpages.py lint PAGE            (fails on any groff or mandoc message, and
                                    on a whatis line over 80 characters)

Every page is written gzipped with maximum compression and without a time
stamp, so the same sources always give the same bytes. A header that lacks
a required paragraph stops the build with a message naming the file.
"""

import argparse
import gzip
import datetime
import os
import re
import shutil
import subprocess
import sys

REQUIRED = ("Input", "Output", "Cost", "Outside the contract")
ORDER = ("Input", "Output", "Cost", "Method", "Outside the contract", "Notes")
TITLES = {
    "Input": "INPUT",
    "Output": "OUTPUT",
    "Cost": "COST",
    "Method": "METHOD",
    "Outside the contract": "OUTSIDE THE CONTRACT",
    "Notes": "NOTES",
}
# A label opens a line; "Output, in this order:" keeps its qualifier.
LABEL = re.compile(r"^(Input|Output|Cost|Method|Outside the contract|Notes)"
                   r"(,[^:]{1,40})?:(?:\s+(.*))?$")
SUMMARY_MAX = 60     # characters after "NAME: "
WHATIS_MAX = 80      # characters of the line whatis prints
# Internals that belong under "Notes:", not in the sections about the format.
INTERNALS = re.compile(r"\b(buffer|stream)", re.I)
NO_INTERNALS = ("Input", "Cost")


class HeaderError(Exception):
    pass


def first_comment(path):
    """The lines of the file's leading // comment, without the slashes."""
    lines = []
    with open(path, encoding="utf-8") as f:
        for raw in f:
            line = raw.rstrip("\n")
            if not line.startswith("//"):
                break
            body = line[2:]
            lines.append((body[1:] if body.startswith(" ") else body).rstrip())
    return lines


def parse_header(name, path):
    """{'summary': str, 'what': [...], 'Input': [...], ...}: the summary line
    and each section's comment lines; refuses a header out of shape."""
    lines = first_comment(path)
    prefix = name + ":"
    if not lines or not lines[0].startswith(prefix):
        raise HeaderError(f"{path}: the first comment must start with '{prefix} "
                          "summary'")
    summary = lines[0][len(prefix):].strip()
    if not summary or len(summary) > SUMMARY_MAX or summary.endswith("."):
        raise HeaderError(f"{path}: the summary line must hold 1 to {SUMMARY_MAX} "
                          f"characters after '{prefix}' and no final full stop "
                          f"({len(summary)}: '{summary}')")
    sections = {"summary": summary, "what": []}
    current = "what"
    for line in lines[1:]:
        m = LABEL.match(line)
        if m:
            current = m.group(1)
            if current in sections:
                raise HeaderError(f"{path}: two paragraphs labelled '{current}:'")
            body = sections[current] = []
            text = (m.group(3) or "").strip()
            qualifier = (m.group(2) or "").lstrip(",").strip()
            if qualifier:   # "Output, in this order:" gives "In this order:"
                text = (qualifier[0].upper() + qualifier[1:] + ":" +
                        (" " + text if text else ""))
            if text:
                body.append(text)
            continue
        sections[current].append(line)
    missing = [label for label in REQUIRED if label not in sections]
    if missing:
        raise HeaderError(f"{path}: the first comment has no paragraph labelled " +
                          ", ".join(f"'{label}:'" for label in missing))
    for key in ("what",) + ORDER:
        body = sections.get(key)
        if body is None:
            continue
        while body and not body[0]:
            body.pop(0)
        while body and not body[-1]:
            body.pop()
        label = "the description" if key == "what" else f"'{key}:'"
        if not body:
            raise HeaderError(f"{path}: {label} is empty (the description is the "
                              "paragraph after the summary line)")
        first = body[0].lstrip("- ")
        if first[:1].isalpha() and not first[:1].isupper():
            raise HeaderError(f"{path}: {label} starts in lower case: '{body[0]}'")
    opening = " ".join(l.strip() for l in sections["what"]).lower()
    if opening.startswith(summary.lower().rstrip(".")):
        raise HeaderError(f"{path}: the description repeats the summary line")
    for key in NO_INTERNALS:
        for line in sections[key]:
            m = INTERNALS.search(line)
            if m:
                raise HeaderError(f"{path}: '{key}:' speaks of the program's "
                                  f"{m.group(1).lower()}s ('{line.strip()}'): "
                                  "that belongs under 'Notes:'")
    return sections


def blocks(lines):
    """Paragraphs, list items and verbatim runs of a section's lines."""
    out = []
    cur = None
    for line in lines:
        if not line:
            cur = None
        elif line.startswith("- "):
            cur = ["item", [line[2:].strip()]]
            out.append(cur)
        elif line.startswith("  "):
            if cur and cur[0] == "item":
                cur[1].append(line.strip())
            elif cur and cur[0] == "verbatim":
                cur[1].append(line)
            else:
                cur = ["verbatim", [line]]
                out.append(cur)
        elif cur and cur[0] == "para":
            cur[1].append(line)
        else:
            cur = ["para", [line]]
            out.append(cur)
    return out


# --- roff -----------------------------------------------------------------

def hyphens(text, keep_words):
    """'-' between a letter or digit and a letter stays a hyphen (32-bit,
    zero-filled); every other one is a minus sign, as in -1 or N-1."""
    if not keep_words:
        return text.replace("-", "\\-")
    return re.sub(r"-", lambda m: "-" if _is_hyphen(m.string, m.start()) else "\\-",
                  text)


def _is_hyphen(s, i):
    return 0 < i < len(s) - 1 and s[i - 1].isalnum() and s[i + 1].isalpha()


def escape_text(line, prose=True):
    """One input line of running text, safe for roff."""
    text = line.replace("\\", "\\e")
    text = hyphens(text, prose)
    if prose:
        # `name` in a comment is an identifier of the code.
        text = re.sub(r"`([^`]+)`", r"\\fB\1\\fR", text)
    if text.startswith((".", "'")):
        text = "\\&" + text
    return text


def escape_literal(line):
    """One line of a no-fill block: every character as it stands."""
    text = escape_text(line.expandtabs(8), prose=False)
    if text.endswith(" "):
        text += "\\&"   # keep trailing spaces visible and the source clean
    return text or "\\&"


def roff_blocks(lines):
    out = []
    for kind, body in blocks(lines):
        if kind == "para":
            out.append(".PP")
            out.extend(escape_text(l.strip()) for l in body)
        elif kind == "item":
            out.append(".IP \\(bu 2")
            out.extend(escape_text(l) for l in body)
        else:
            indent = min(len(l) - len(l.lstrip()) for l in body)
            out += [".PP", ".RS 4", ".nf"]
            out.extend(escape_text(l[indent:]) for l in body)
            out += [".fi", ".RE"]
    return out


def literal_block(data):
    text = data.decode("utf-8", errors="replace")
    lines = text.split("\n")
    if lines and lines[-1] == "":
        lines.pop()
    return [".RS 4", ".nf"] + [escape_literal(l) for l in lines] + [".fi", ".RE"]


def newest_entry(changelog):
    """(version, time) of the newest changelog entry, the time as a datetime,
    as dpkg-parsechangelog reads them."""
    def field(name):
        try:
            r = subprocess.run(["dpkg-parsechangelog", "-l", changelog, "-S" + name],
                               capture_output=True, text=True)
        except FileNotFoundError:
            raise HeaderError("dpkg-parsechangelog is missing: apt-get install dpkg-dev")
        if r.returncode != 0 or not r.stdout.strip():
            raise HeaderError(f"{changelog}: not in changelog format ({r.stderr.strip()})")
        return r.stdout.strip()
    when = datetime.datetime.fromtimestamp(int(field("Timestamp")), datetime.timezone.utc)
    return field("Version"), when


def release(changelog):
    """(version, date) of the newest changelog entry."""
    version, when = newest_entry(changelog)
    return version, when.strftime("%Y-%m-%d")


def tidy(lines):
    """No paragraph macro straight after a heading, and no text line of fill
    mode longer than 78 bytes (wrapped at spaces)."""
    out = []
    fill = True
    for line in "\n".join(lines).split("\n"):
        if line == ".PP" and out and out[-1].startswith((".SH", ".SS")):
            continue
        if line == ".nf":
            fill = False
        elif line == ".fi":
            fill = True
        if fill and not line.startswith(".") and len(line) > 78:
            words = line.split(" ")
            cur = words[0]
            for w in words[1:]:
                if len(cur) + 1 + len(w) > 78:
                    out.append(cur)
                    cur = ("\\&" + w) if w.startswith((".", "'")) else w
                else:
                    cur += " " + w
            out.append(cur)
            continue
        out.append(line)
    return "\n".join(out) + "\n"


def th(title, section, version, date, volume):
    return f'.TH {title.upper()} {section} {date} "filtersuite {version}" "{volume}"'


def program_page(name, source, example_in, example_out, version, date):
    s = parse_header(name, source)
    reads_nothing = re.match(r"none\b", " ".join(s["Input"]).strip(), re.I)
    out = [
        f'.\\" Generated from {source.split("/")[-2]}/{name}.cpp and '
        f"examples/{name}.in/.out; edit those, not this page.",
        th(name, 1, version, date, "User Commands"),
        ".nh",
        ".ad l",
        ".SH NAME",
        f"{name} \\- " + escape_text(s["summary"]),
        ".SH SYNOPSIS",
        f".B {name}" if reads_nothing else f'.B {name}\n.RI "< " input',
        ".SH DESCRIPTION",
    ]
    out += roff_blocks(s["what"])
    out += [".PP", f".B {name}",
            "is a filter of the suite: it takes no options or arguments "
            "(any given are ignored), reads no file and no environment variable,"]
    if reads_nothing:
        out.append("and does not read its standard input.")
    else:
        out += ["and reads its input from standard input: a pipe, a file or the",
                "terminal, where Ctrl\\-D ends the input."]
    out += ["It writes its answers to standard output and nothing else:",
            "no prompt, and no diagnostic of what its input holds."]
    for label in ORDER:
        if label in s and label != "Notes":  # notes are for the next developer
            out.append(f'.SH "{TITLES[label]}"' if " " in TITLES[label]
                       else f".SH {TITLES[label]}")
            body = roff_blocks(s[label])
            if label == "Outside the contract":
                body[:0] = [".PP", "Input beyond the formats above is never diagnosed."]
            out += body
    if reads_nothing:
        status = "0; 1 when standard output cannot be written, after one line on standard error"
    else:
        status = ("0; 1 when standard input cannot be read or standard output cannot be "
                  "written, after one line on standard error")
    out += [".SH EXIT STATUS", f"{status}:", ".IP", f"{name}: read error: \\fIreason\\fR"
            if not reads_nothing else f"{name}: write error: \\fIreason\\fR"]
    if not reads_nothing:
        out += [".br", f"{name}: write error: \\fIreason\\fR"]
    out += [".PP", "where \\fIreason\\fR is the system's own text for the failure."]
    if not reads_nothing:
        out += ["A read that fails ends the input there: the answers due for the input",
                "read so far are written first."]
    out += ["A write that fails ends the program at once.", ".SH EXAMPLE"]
    with open(example_in, "rb") as f:
        given = f.read()
    with open(example_out, "rb") as f:
        wanted = f.read()
    if given:
        out += [".PP", f"Given this input (examples/{name}.in among the suite's documentation):"]
        out += literal_block(given)
        out += [".PP", f".B {name}", "writes:" if wanted else "writes nothing."]
    else:
        out += [".PP", f"Run with empty input",
                f"(\\fB{name} < /dev/null\\fR),",
                f".B {name}", "writes:" if wanted else "writes nothing."]
    if wanted:
        out += literal_block(wanted)
        if not wanted.endswith(b"\n"):
            out += [".PP", "The output ends without a newline."]
    out += [".SH SEE ALSO", ".BR filtersuite (7)"]
    return tidy(out)


def overview_page(programs, version, date):
    """programs: [(name, folder, source)] in build order."""
    entries = []
    for name, folder, source in programs:
        entries.append((name, folder, parse_header(name, source)["summary"]))
    out = [
        '.\\" Generated from the first comment of every program; edit those.',
        th("filtersuite", 7, version, date, "Miscellaneous Information"),
        ".nh",
        ".ad l",
        ".SH NAME",
        "filtersuite \\- small filters: problem instances in, answers out",
        ".SH DESCRIPTION",
        f"The suite is {len(entries)} small, independent programs.",
        "Each reads problem instances from standard input in a fixed plain\\-text",
        "format and writes its answers to standard output, byte for byte as its",
        "format promises.",
        "No program takes options or arguments, reads a file or the environment,",
        "or writes anything but its answers; every program exits with status 0,",
        "or 1 when standard input cannot be read or standard output cannot be",
        "written, after one line on standard error.",
        "A program given no input on a terminal waits for it: type the input",
        "and end it with Ctrl\\-D, or redirect a file or a pipe into it.",
        ".PP",
        "Each program has a manual page of its own: what it computes, its input",
        "and output formats, its cost, what it does with input outside its",
        "formats, and an example.",
        ".SH PROGRAMS",
    ]
    folder = None
    for name, where, text in entries:
        if where != folder:
            folder = where
            out.append(f".SS {folder}")
        out += [".TP", f".BR {name} (1)", escape_text(text)]
    out += [".SH EXIT STATUS", "For every program: 0; 1 when standard input cannot be read or",
            "standard output cannot be written, after one line on standard error",
            "that names the program and the reason.", ".SH SEE ALSO"]
    refs = [f".BR {name} (1)" + ("," if i + 1 < len(entries) else "")
            for i, (name, _, _) in enumerate(entries)]
    out += refs
    return tidy(out)


README_HEAD = ("| program | folder | what it computes | example |", "|---|---|---|---|")


def readme_table(programs):
    """README's table of the programs, a row each from its summary line."""
    rows = list(README_HEAD)
    for name, folder, source in programs:
        text = parse_header(name, source)["summary"].replace("|", "\\|")
        rows.append(f"| {name} | {folder} | {text} | [in](examples/{name}.in) / "
                    f"[out](examples/{name}.out) |")
    return rows


def readme_differences(readme, programs):
    """Where README's table of the programs differs from the headers."""
    with open(readme, encoding="utf-8") as f:
        lines = f.read().split("\n")
    if README_HEAD[0] not in lines:
        return [f"{readme}: no table headed '{README_HEAD[0]}'"]
    start = lines.index(README_HEAD[0])
    end = start
    while end < len(lines) and lines[end].startswith("|"):
        end += 1
    have, want = lines[start:end], readme_table(programs)
    out = []
    for i in range(max(len(have), len(want))):
        h = have[i] if i < len(have) else "(nothing)"
        w = want[i] if i < len(want) else "(nothing)"
        if h != w:
            out.append(f"{readme}:{start + i + 1}: has  {h}\n{' ' * len(readme)}  wants {w}")
    return out


def write_gzip(data, path):
    """gzip -9n: no name, no time stamp, so two builds give the same bytes."""
    with open(path, "wb") as f:
        subprocess.run(["gzip", "-9n"], input=data, stdout=f, check=True)


def lint(path):
    """Messages of groff -ww (and of mandoc's lint, where installed) on a page."""
    with open(path, "rb") as f:
        data = f.read()
    if path.endswith(".gz"):
        data = gzip.decompress(data)
    env = dict(os.environ, LC_ALL="C.UTF-8")
    runs = [["groff", "-ww", "-z", "-b", "-man", "-Tutf8"]]
    if shutil.which("mandoc"):
        runs.append(["mandoc", "-Tlint", "-Wstyle"])
    messages = []
    for cmd in runs:
        r = subprocess.run(cmd, input=data, stdout=subprocess.PIPE,
                           stderr=subprocess.STDOUT, env=env)
        text = r.stdout.decode("utf-8", errors="replace").strip()
        if r.returncode != 0 and not text:
            text = f"exit status {r.returncode}"
        if text:
            messages.append(f"{cmd[0]}: {text}")
    # The line whatis and apropos print, as man-db's indexer reads it.
    if shutil.which("lexgrog"):
        r = subprocess.run(["lexgrog", path], stdout=subprocess.PIPE,
                           stderr=subprocess.STDOUT, env=env)
        text = r.stdout.decode("utf-8", errors="replace").strip()
        m = re.match(r'^.*?: "(.*)"$', text)
        if r.returncode != 0 or not m or "\n" in text:
            messages.append(f"lexgrog: no single NAME line: {text}")
        elif len(m.group(1)) > WHATIS_MAX:
            messages.append(f"lexgrog: the whatis line has {len(m.group(1))} characters, "
                            f"more than {WHATIS_MAX}: {m.group(1)}")
    return messages


def sources(items):
    """[(name, folder, source)] from NAME=FOLDER/NAME.cpp arguments, or from
    programs.list, the suite's one list of programs, when there are none."""
    if not items:
        root = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
        with open(os.path.join(root, "programs.list"), encoding="ascii") as f:
            rows = [l.split()[:2] for l in f if l[:1].isalpha()]
        items = [f"{n}={os.path.join(root, d, n + '.cpp')}" for n, d in rows]
    programs = []
    for item in items:
        name, source = item.split("=", 1)
        programs.append((name, source.replace("\\", "/").split("/")[-2], source))
    return programs


def main(argv):
    p = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    sub = p.add_subparsers(dest="cmd", required=True)
    pg = sub.add_parser("page")
    for opt in ("name", "source", "example-in", "example-out", "changelog", "out"):
        pg.add_argument("--" + opt, required=True)
    pg.add_argument("--version", required=True)
    pg.add_argument("--roff", help="also write the page uncompressed here")
    ov = sub.add_parser("overview")
    for opt in ("changelog", "out", "version"):
        ov.add_argument("--" + opt, required=True)
    ov.add_argument("--roff")
    ov.add_argument("programs", nargs="+", metavar="NAME=FOLDER/NAME.cpp")
    rd = sub.add_parser("readme")
    rd.add_argument("--check", metavar="README")
    rd.add_argument("programs", nargs="*", metavar="NAME=FOLDER/NAME.cpp",
                    help="default: every program of programs.list")
    ln = sub.add_parser("lint")
    ln.add_argument("page")
    ep = sub.add_parser("epoch")
    ep.add_argument("changelog")
    gzp = sub.add_parser("gzip")
    gzp.add_argument("input")
    gzp.add_argument("output")
    a = p.parse_args(argv)

    try:
        if a.cmd == "lint":
            messages = lint(a.page)
            for m in messages:
                print(f"{a.page}: {m}")
            return 1 if messages else 0
        if a.cmd == "readme":
            programs = sources(a.programs)
            if not a.check:
                print("\n".join(readme_table(programs)))
                return 0
            diffs = readme_differences(a.check, programs)
            for d in diffs:
                print(d)
            return 1 if diffs else 0
        if a.cmd == "epoch":
            print(int(newest_entry(a.changelog)[1].timestamp()))
            return 0
        if a.cmd == "gzip":
            os.makedirs(os.path.dirname(os.path.abspath(a.output)), exist_ok=True)
            with open(a.input, "rb") as f:
                write_gzip(f.read(), a.output)
            return 0
        version, date = release(a.changelog)
        if version != a.version:
            raise HeaderError(f"{a.changelog}: the newest entry is {version}, "
                              f"the project is {a.version}")
        if a.cmd == "page":
            text = program_page(a.name, a.source, a.example_in, a.example_out,
                                version, date)
        else:
            text = overview_page(sources(a.programs), version, date)
    except (HeaderError, OSError) as e:
        print(f"manpages.py: {e}", file=sys.stderr)
        return 1
    data = text.encode("utf-8")
    os.makedirs(os.path.dirname(os.path.abspath(a.out)), exist_ok=True)
    if a.roff:
        with open(a.roff, "wb") as f:
            f.write(data)
    write_gzip(data, a.out)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
