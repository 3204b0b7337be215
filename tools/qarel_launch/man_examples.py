#!/usr/bin/env python3
"""Writes the EXAMPLES section of qarel-launch(1), for help2man's --include,
from examples.t: after the file's own first paragraph, each paragraph of
text and the commands after it, in roff; the output shown is left to the
tests, which run the commands with cram.

  man_examples.py EXAMPLES.t OUTPUT
"""
import sys


def roff(line):
    line = line.replace("\\", "\\\\")
    return "\\&" + line if line[:1] in (".", "'") else line


def main(source, output):
    paragraphs = open(source, encoding="utf-8").read().split("\n\n")[1:]
    out = ["[EXAMPLES]"]
    for paragraph in paragraphs:
        lines = paragraph.strip("\n").split("\n")
        text = [l for l in lines if not l.startswith("  ")]
        commands = [l[4:] for l in lines if l.startswith(("  $ ", "  > "))]
        if text:
            out += [roff(l) for l in text] + [".PP"]
        if commands:
            out += [".RS", ".nf", *map(roff, commands), ".fi", ".RE", ".PP"]
    with open(output, "w", encoding="utf-8") as f:
        f.write("\n".join(out) + "\n")


if __name__ == "__main__":
    main(*sys.argv[1:3])
