#!/usr/bin/python3
"""Runs the console examples of the documents with cram, and requires each
to print exactly what the document shows: a cram file (.t) as it is, and
in Markdown every fenced block whose first line starts with "$ " as a
session: its commands run in turn in one shell, in a folder of its own,
with the folders named on the command line (a PATH) first on PATH. A command goes on
in the next line after a "\\", and in the lines shown after "> ", as a
shell's second prompt shows them. "$ echo $?" and the line after it state
the status of the command before (cram itself shows a status as "[N]").

Each C++ block of a Markdown document must follow a comment that names
the file it shows, "<!-- examples/x.cpp -->", relative to the document,
and hold that file as it stands: the tests build and run the file.

  scripts/doc-examples.py PATH_DIRS DOCUMENT...

The manual page's examples come from tools/qarel_launch/examples.t, a cram
file, so that they are run too.
"""
import os
import re
import subprocess
import sys
import tempfile

BLOCK = re.compile(r"^```[a-z]*\n(\$ .*?)^```", re.M | re.S)
SNIPPET = re.compile(r"^(?:<!-- (\S+) -->\n)?```cpp\n(.*?)^```", re.M | re.S)


def snippet_faults(document, text):
    """Each C++ block that does not show its file as it stands."""
    faults = []
    for match in SNIPPET.finditer(text):
        line = text.count("\n", 0, match.start()) + 1
        name, code = match.groups()
        path = os.path.join(os.path.dirname(document), name or "")
        if not name or not os.path.isfile(path):
            faults.append(f"{document}:{line}: a C++ block names no file")
        elif open(path, encoding="utf-8").read() != code:
            faults.append(f"{document}:{line}: the block is not {name}")
    return faults



def session(block):
    """The cram lines of one block."""
    lines, out = block.rstrip("\n").split("\n"), []
    i = 0
    while i < len(lines):
        line = lines[i]
        if line == "$ echo $?":
            status = lines[i + 1]
            if status != "0":
                out.append(f"  [{status}]")
            i += 2
            continue
        if line.startswith("$ "):
            out.append("  $ " + line[2:])
            # It goes on after a "\\", and in lines shown after "> ".
            while line.endswith("\\") or lines[i + 1:i + 2] != [] and \
                    lines[i + 1].startswith("> "):
                i += 1
                line = lines[i]
                out.append("  > " + line.removeprefix("> "))
        else:
            out.append("  " + line)
        i += 1
    return out


def main(path_dirs, documents):
    faults = []
    with tempfile.TemporaryDirectory() as folder:
        tests = []
        for document in documents:
            text = open(document, encoding="utf-8").read()
            if document.endswith(".t"):  # a cram file already
                tests.append(os.path.basename(document))
                with open(os.path.join(folder, tests[-1]), "w") as t:
                    t.write(text)
                continue
            faults += snippet_faults(document, text)
            for match in BLOCK.finditer(text):
                line = text.count("\n", 0, match.start()) + 1
                name = f"{os.path.basename(document)}-{line}.t"
                with open(os.path.join(folder, name), "w") as t:
                    t.write(f"{document}, line {line}:\n")
                    t.write("\n".join(session(match.group(1))) + "\n")
                tests.append(name)
        env = dict(os.environ, PATH=f"{path_dirs}:{os.environ['PATH']}")
        done = subprocess.run(["cram3", "--shell=/bin/bash", *tests],
                              cwd=folder, env=env)
        print(f"{len(tests)} sessions from {', '.join(documents)}")
    print("\n".join(faults))
    return 1 if faults or done.returncode else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1], sys.argv[2:]))
