#!/usr/bin/env python3
"""Random hostile inputs through every qarel-launch command, as the closing
notes report them: each run's two streams must be valid UTF-8 holding no
control (but the tool's own line breaks), no format character (Cf), no line
or paragraph separator and no Hangul filler, judged by this Python's
Unicode data rather than by the tool's own table; no masked value in clear;
no quote from outside between two marker letters; and a status below 3.
JSON is held to the same in every text it holds, as `jq -r` would print it,
and must be valid: one document, or one per line for check.

  scripts/hostile-trials.py TOOL [RUNS] [SEED]
"""
import json
import os
import random
import subprocess
import sys
import tempfile
import unicodedata

URI = "quorvane-qarel://"
TABLE = ("|address|valued||uri|Host\n|table|valued||uri,masked|T\n"
         "t|ticket|valued||uri,masked|Ticket\n|explain|switch||uri|E\n"
         "|logfile|valued||uri|Log\n")
PIECES = ["\n", "\r", "\x1b]0;t\x07", "\x7f", "\u0085", "\u2028", "\u2029",
          "\u200b", "\u00ad", "\ufeff", "\u2060", "\u202e", "\U000e0001",
          "\U000e007f", "\u115f", "\u3164", "\uffa0", "Q\"Q", "Q'Q", "\\",
          "=", "&", "?", "%", "%22", "%E2%80%A8", "%E3%85%A4", "%0a", "-",
          "--", " ", "desk", "\xff", "\udcff"]


def hostile(rng):
    return "".join(rng.choice(PIECES) for _ in range(rng.randint(1, 6)))


def secret(rng, n):
    return f"hush{n}x{rng.randrange(10**6)}"


def arguments(rng, folder):
    s1, s2, s3 = (secret(rng, n) for n in range(3))
    kind = rng.randrange(6)
    if kind in (0, 5):
        # Secrets: values of masked keys, and tokens after a masked key
        # that waits.
        choices = [[f"--ticket={s1}"], [f"--TABLE={s1}"], ["--ticket", s2],
                   ["-t", f"--explain={s3}"], [f"{URI}h?ticket={s1}"],
                   [f"{URI}{hostile(rng)}?logfile={hostile(rng)}"],
                   [hostile(rng)], [f"logfile={hostile(rng)}"]]
        groups = [rng.choice(choices) for _ in range(rng.randint(1, 6))]
        launch = [a for group in groups for a in group]
        if kind == 5:
            # The same as lines of a file for check, each line a launch of
            # its own: a group of arguments in compose's quoted form, unless
            # one holds a quote (then that line would be one argument, and
            # a secret in it no value of a masked key).
            lines = [g[0] if len(g) == 1 else '"' + '" "'.join(g) + '"'
                     for g in groups if len(g) == 1 or '"' not in "".join(g)]
            with open(f"{folder}/links", "w", encoding="utf-8",
                      errors="surrogateescape") as f:
                f.write("\n".join(lines))
            json_out = ["--json"] if rng.random() < 0.5 else []
            return (["check", "--table", f"{folder}/table", *json_out,
                     f"{folder}/links"], [s1, s2, s3])
        head = ["parse", "--table", f"{folder}/table"]
        head += rng.choice([[], ["--explain"], ["--json"]])
        return head + ["--"] + launch, [s1, s2, s3]
    if kind == 1:
        return ["compose", f"host={hostile(rng)}", f"sni={hostile(rng)}",
                f"port={hostile(rng)}", f"{hostile(rng)}=1"], []
    if kind == 2:
        return ["options", "--table", f"{folder}/{rng.choice(['table', 'bad'])}"], []
    if kind == 3:
        return [rng.choice(["help", "version", "options", hostile(rng)]),
                hostile(rng)], []
    return ["parse", "--open-log", f"{folder}/logs", f"logfile={hostile(rng)}"], []


def faults(data):
    try:
        text = data.decode("utf-8")
    except UnicodeDecodeError:
        return ["invalid UTF-8"]
    bad = {c for c in text if c != "\n" and (
        unicodedata.category(c) in ("Cc", "Cf", "Zl", "Zp")
        or unicodedata.name(c, "").endswith("HANGUL FILLER")
        or unicodedata.name(c, "") == "HANGUL CHOSEONG FILLER"
        or unicodedata.name(c, "") == "HANGUL JUNGSEONG FILLER")}
    found = [f"raw U+{ord(c):04X}" for c in sorted(bad)]
    # Quotes count outside the library's option report, whose columns are
    # not quoted fields.
    outside_report, in_report = [], False
    for line in text.split("\n"):
        in_report = line.startswith("Short ") or (in_report and line != "")
        if not in_report:
            outside_report.append(line)
    told = "\n".join(outside_report)
    return found + [q for q in ("Q\"Q", "Q'Q") if q in told]


def texts(value):
    """Every text a JSON value holds, keys included."""
    if isinstance(value, dict):
        return [t for k, v in value.items() for t in [k, *texts(v)]]
    if isinstance(value, list):
        return [t for v in value for t in texts(v)]
    return [value] if isinstance(value, str) else []


def json_faults(data):
    try:
        found = [texts(json.loads(line)) for line in data.decode().splitlines()]
    except ValueError:
        return ["invalid JSON"]
    return faults("\n".join(t for line in found for t in line).encode(
        "utf-8", "surrogatepass"))


def main(tool, runs=2000, seed=1):
    rng = random.Random(seed)
    failed = 0
    with tempfile.TemporaryDirectory() as folder:
        with open(f"{folder}/table", "w") as f:
            f.write(TABLE)
        with open(f"{folder}/bad", "w", encoding="utf-8", errors="surrogateescape") as f:
            f.write(f"|{hostile(rng)}|valued||-|{hostile(rng)}\n")
        os.mkdir(f"{folder}/logs")
        for run in range(runs):
            args, secrets = arguments(rng, folder)
            args = [a.encode("utf-8", "surrogateescape").replace(b"\0", b"") for a in args]
            done = subprocess.run([tool] + args, capture_output=True, timeout=10)
            out = done.stdout + done.stderr
            problems = faults(done.stdout) + faults(done.stderr)
            if b"--json" in args:
                problems += json_faults(done.stdout)
            problems += [f"secret {s}" for s in secrets if s.encode() in out]
            if done.returncode >= 3:
                problems.append(f"status {done.returncode}")
            if problems:
                failed += 1
                print(f"run {run}: {args!r}: {', '.join(problems)}")
    print(f"{runs} runs (seed {seed}), {failed} with a fault")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1], *(int(a) for a in sys.argv[2:4])))
