#!/usr/bin/python3
"""The WebAssembly tool under node against the native tool, byte for byte.

    web-compare.py NATIVE_TOOL NODE_TOOL

Runs both over every input of the launch fuzz corpus (a line each an
argument, plain and with --explain, with the client table of the tool test)
and over the tool test's parse and compose cases, in a fresh folder each,
and compares standard output, standard error and the status. Only the time
stamps of the core event log's lines may differ. resolve and the version
stamp are left out: the browser resolves no name, and builds differ. No
case may find the tool's self-check failing (status 3) in either.
"""
import os
import pathlib
import re
import subprocess
import sys
import tempfile

ROOT = pathlib.Path(__file__).resolve().parent.parent
TABLE = str(ROOT / "tests/tools/client_table.txt")
CORPUS = ROOT / "fuzz/corpus/launch_arguments_fuzzer"
URI = "quorvane-qarel://"
STAMP = re.compile(rb"^\d{4}-\d\d-\d\dT[0-9:.]+Z ", re.M)

CASES = [
    ["parse", "-l", "debug", "connect-tag=hush-c1", URI + "h:900?sni=a%20b"],
    ["parse", "foo", "--", "-l"],
    ["parse", URI + "?a b", "%%s%n", "x" * 5000],
    ["parse", "quorvane-qarel:h?connect-tag=hush-c2"],
    ["parse", URI + "h?logfile=%2ftmp%2fx.log"],
    ["parse", "--table"],
    ["parse", "--help"],
    ["parse", "--table", TABLE, "--explain", "-l", "--name", "v"],
    ["parse", "--table", TABLE, "--explain", "--name=a%20b", "-f", "-f", "-n=a b"],
    ["parse", "--table", TABLE, "--explain", "-l", "--bogus", "--9x=1", "-f=1"],
    ["parse", "--table", TABLE, "--explain",
     URI + "h?cl-only=1&name&name=a=b", URI + ":900", URI + "h?%&"],
    ["parse", "--table", TABLE, "--explain", "-o", "2"],
    ["parse", "--table", TABLE, "--explain", "--pin=hush-p1", "--ticket", "-hush-x2",
     "-t", "hush-t3", "-t4", URI + "h?pin=hush-p5&ticket=hush-t6&connect-tag=hush-c7",
     "connect-tag=hush-c8"],
    ["parse", "--table", TABLE, "--explain", "--ticket", "l5", "-f=a' CL_param:'zz=b"],
    ["parse", "--explain", "sni=x%0a%0aRejected%3a%20nothing%1b%5b8m%e2%80%ae"],
    ["parse", "--table", "none", "x"],
    ["compose", "host=h", "port=900", "sni=desk pool", "connect-tag=t/1",
     "use-smartcard", "log-level=DEBUG"],
    ["compose", "host=xn--bcher-kva.example.", "windowed", "sni=a%20b"],
    ["compose", "host=h", "port=9?logfile=/srv/inj"],
    ["compose", "port=0", "log-level=4294967299", "sni", "locale=", "--host=h"],
    ["compose", "host=::1", "windowed=1", "windowed", "hostname=x"],
    ["compose", "host=a b"], ["compose", "host=10.0.0.256"], ["compose", "host=a..b"],
    ["compose", "host=h", "port=1\nqarel-launch: compose: all good"],
    ["options"], ["options", "--table", TABLE, "--as-table"], ["options", "--as-table"],
    ["frobnicate"], ["--help"], ["help", "compose"], [],
]


def corpus_cases():
    for path in sorted(CORPUS.iterdir()):
        args = re.split(r"[\n\0]", path.read_bytes().decode("utf-8", "surrogateescape"))
        yield ["parse", "--table", TABLE] + args
        yield ["parse", "--table", TABLE, "--explain"] + args


def outcome(command, args):
    with tempfile.TemporaryDirectory() as folder:
        run = subprocess.run(command + args, cwd=folder, capture_output=True, timeout=60,
                             env=dict(os.environ, NODE_PATH=""))
    return run.returncode, run.stdout, STAMP.sub(b"", run.stderr)


def main():
    native, node = (os.path.abspath(path) for path in sys.argv[1:3])
    cases = CASES + list(corpus_cases())
    differ = 0
    for args in cases:
        want = outcome([native], args)
        got = outcome(["node", node], args)
        if got != want or want[0] == 3:
            differ += 1
            print(f"differs: {args[:6]!r}\n  native: {want!r:.400}\n  wasm:   {got!r:.400}")
    print(f"compared {len(cases)} cases with the native tool: {differ} differ or fail "
          "the self-check")
    return 1 if differ else 0


if __name__ == "__main__":
    sys.exit(main())
