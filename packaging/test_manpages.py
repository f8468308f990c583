#!/usr/bin/env python3
"""Checks of manpages.py on headers shaped to trip it: roff control
characters at line starts, backslashes, minus signs, a qualified label, list
items, an indented block; and headers out of shape, which it must refuse: a
missing paragraph, a long summary, a lower-case start, a description that
repeats the summary, buffers spoken of under Input.
Run by CTest as man.generator; exits non-zero on the first failure."""

import os
import subprocess
import sys
import tempfile

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import manpages  # noqa: E402

HEADER = """\
// odd: counts what starts a line, for .dots and 'quotes'
//
// The program counts
// .dots and 'quotes'.
//
// Input: Bytes up to '\\n'; N-1 values, a 32-bit count, -1 to end.
// Output, in this order:
//   "a\\n" first;
//   then the count.
//
// Cost: O(n).
// Method: `scan` walks once.
//
// Outside the contract:
// - An item that runs on
//   to a second line;
// - a second item.
//
// Notes: The buffer is small.
int main() {}
"""


def check(cond, what):
    if not cond:
        print("FAIL:", what)
        sys.exit(1)


def main():
    with tempfile.TemporaryDirectory() as d:
        src = os.path.join(d, "odd.cpp")
        ins, outs = os.path.join(d, "odd.in"), os.path.join(d, "odd.out")
        with open(src, "w") as f:
            f.write(HEADER)
        with open(ins, "w") as f:
            f.write(".x\n'y\n\n-3 \n")
        with open(outs, "w") as f:
            f.write("5")
        page = manpages.program_page("odd", src, ins, outs, "1.0", "2026-01-01")
        lines = page.split("\n")
        text = [l for l in lines if not l.startswith(".")]
        check(all(not l.startswith(("'", " ")) for l in lines), "a line opens with ' or space")
        check("odd \\- counts what starts a line, for .dots and 'quotes'" in lines,
              "NAME is the summary line")
        check("\\&.dots and 'quotes'." in lines, "a leading dot escaped")
        check("'\\en'" in page and "\"a\\en\"" in page, "backslashes escaped as \\e")
        check("N\\-1" in page and "32-bit" in page and "\\-1 to end" in page,
              "minus signs and hyphens told apart")
        check('.SH "OUTSIDE THE CONTRACT"' in lines and ".SH METHOD" in lines,
              "labelled sections")
        check(page.index(".SH COST") < page.index(".SH METHOD") <
              page.index('.SH "OUTSIDE THE CONTRACT"') < page.index(".SH EXIT STATUS"),
              "fixed section order")
        check(".SH NOTES" not in page and "The buffer is small." not in page,
              "notes stay in the source")
        check("In this order:" in page and ".nf" in lines, "qualifier and indented block")
        check(lines.count(".IP \\(bu 2") == 2 and "to a second line;" in lines,
              "list items with continuation lines")
        check("\\fBscan\\fR walks once." in page, "identifiers in bold")
        check("\\&.x" in lines and "\\&'y" in lines and "\\-3 \\&" in lines,
              "example lines kept literally")
        check("The output ends without a newline." in page, "missing final newline noted")
        check(all(len(l) <= 80 for l in text), "text lines wrapped")
        if manpages.shutil.which("groff"):
            gz = os.path.join(d, "odd.1.gz")
            manpages.write_gzip(page.encode(), gz)
            check(manpages.lint(gz) == [], f"lint: {manpages.lint(gz)}")

        refused = {
            "'Cost:'": HEADER.replace("// Cost: O(n).\n", ""),
            "summary line": HEADER.replace("for .dots", "for " + "x" * 30),
            "lower case": HEADER.replace("Method: `scan`", "Method: then `scan`"),
            "repeats": HEADER.replace("The program counts", "Counts what starts a line, for"),
            "buffers": HEADER.replace("Bytes up to", "Bytes from a buffer up to"),
        }
        for why, text in refused.items():
            with open(src, "w") as f:
                f.write(text)
            try:
                manpages.parse_header("odd", src)
                check(False, f"a header out of shape is refused ({why})")
            except manpages.HeaderError as e:
                check(why in str(e) and src in str(e), f"the refusal names file and fault: {e}")
    print("manpages.py: all checks passed")


if __name__ == "__main__":
    main()
