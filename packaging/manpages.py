#!/usr/bin/env python3
"""Manual pages for the suite, generated from the programs themselves.

Each program's first comment is its documentation: a first paragraph
"NAME: what it computes", then paragraphs labelled "Input:", "Output:",
"Cost:", optionally "Method:", and "Outside the contract:". A labelled
paragraph runs until the next label; unlabelled paragraphs belong to the
label before them. A line starting with "- " opens a list item (its
continuation lines are indented); other indented lines are shown as they
stand. The program's example (examples/NAME.in and .out) becomes the page's
EXAMPLE section, so the page cannot say other than the code and its example.

  manpages.py page --name N --source FILE --example-in FILE --example-out FILE
                   --version V --changelog FILE --out N.1.gz
  manpages.py overview --version V --changelog FILE --out filtersuite.7.gz
                   NAME=SOURCE...
  manpages.py gzip IN OUT          (gzip -9n: no name, no time stamp)
  manpages.py epoch CHANGELOG      (the newest entry's time, in seconds)
  manpages.py lint PAGE            (fails on any groff or mandoc message)

Every page is written gzipped with maximum compression and without a time
stamp, so the same sources always give the same bytes. A header that lacks
a required paragraph stops the build with a message naming the file.
"""

import argparse
import email.utils
import gzip
import os
import re
import shutil
import subprocess
import sys

REQUIRED = ("Input", "Output", "Cost", "Outside the contract")
ORDER = ("Input", "Output", "Cost", "Method", "Outside the contract")
TITLES = {
    "Input": "INPUT",
    "Output": "OUTPUT",
    "Cost": "COST",
    "Method": "METHOD",
    "Outside the contract": "OUTSIDE THE CONTRACT",
}
# A label opens a line; "Output, in this order:" keeps its qualifier.
LABEL = re.compile(r"^(Input|Output|Cost|Method|Outside the contract)"
                   r"(,[^:]{1,40})?:(?:\s+(.*))?$")


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
    """{'what': [...], 'Input': [...], ...}: each a list of comment lines."""
    lines = first_comment(path)
    prefix = name + ":"
    if not lines or not lines[0].startswith(prefix):
        raise HeaderError(f"{path}: the first comment must start with '{prefix} "
                          "what it computes'")
    sections = {"what": [lines[0][len(prefix):].strip()]}
    current = "what"
    for line in lines[1:]:
        m = LABEL.match(line)
        if m:
            current = m.group(1)
            body = sections.setdefault(current, [])
            if body:
                body.append("")
            text = (m.group(3) or "").strip()
            qualifier = (m.group(2) or "").lstrip(",").strip()
            if qualifier:
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
    for key in sections:
        while sections[key] and not sections[key][-1]:
            sections[key].pop()
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


def capitalised(text):
    return text[:1].upper() + text[1:]


def summary(sections):
    """The first paragraph, as one line without its final full stop."""
    first = []
    for line in sections["what"]:
        if not line:
            break
        first.append(line.strip())
    return " ".join(first).rstrip(".")


def newest_entry(changelog):
    """(version, time) of the newest changelog entry, the time as a datetime."""
    with open(changelog, encoding="utf-8") as f:
        text = f.read()
    head = re.match(r"^\S+ \(([^)]+)\)", text)
    trailer = re.search(r"^ -- .*?>  (.+)$", text, re.M)
    if not head or not trailer:
        raise HeaderError(f"{changelog}: not in changelog format")
    return head.group(1), email.utils.parsedate_to_datetime(trailer.group(1).strip())


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
        f"{name} \\- " + escape_text(summary(s)),
        ".SH SYNOPSIS",
        f".B {name}" if reads_nothing else f'.B {name}\n.RI "< " input',
        ".SH DESCRIPTION",
    ]
    what = list(s["what"])
    what[0] = capitalised(what[0])
    out += roff_blocks(what)
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
        if label in s:
            out.append(f'.SH "{TITLES[label]}"' if " " in TITLES[label]
                       else f".SH {TITLES[label]}")
            body = roff_blocks(s[label])
            if label == "Outside the contract":
                lead = "Input beyond the formats above is never diagnosed:"
                if body[:1] == [".PP"]:
                    body.insert(1, lead)
                else:
                    body[:0] = [".PP", lead]
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
        entries.append((name, folder, summary(parse_header(name, source))))
    out = [
        '.\\" Generated from the first comment of every program; edit those.',
        th("filtersuite", 7, version, date, "Miscellaneous Information"),
        ".nh",
        ".ad l",
        ".SH NAME",
        "filtersuite \\- small batch filters that read problem instances from "
        "standard input and write their answers to standard output",
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


def write_gzip(data, path):
    """gzip -9n where gzip is installed; the same format from Python if not."""
    gz = shutil.which("gzip")
    if gz:
        packed = subprocess.run([gz, "-9n", "-c"], input=data, stdout=subprocess.PIPE,
                                check=True).stdout
    else:
        packed = gzip.compress(data, compresslevel=9, mtime=0)
    with open(path, "wb") as f:
        f.write(packed)


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
    return messages


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
            programs = []
            for item in a.programs:
                name, source = item.split("=", 1)
                programs.append((name, source.replace("\\", "/").split("/")[-2], source))
            text = overview_page(programs, version, date)
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
