#!/usr/bin/python3
"""qarel-launch check over a file of typical launch links, in text and in
JSON Lines, side by side with what one would use instead: a Python script
that only splits the links with urllib.parse (bench/split_links.py), and the
library's own launch per link (launch_per_link). Each runs as a process of
its own over the same file, in three rounds, and the median is shown; its
peak memory is the kernel's. Then check's
peak memory over a tenth of the lines.

usage: check_bench.py QAREL_LAUNCH LAUNCH_PER_LINK [LINES]"""
import os
import random
import subprocess
import sys
import tempfile
import time

HERE = os.path.dirname(os.path.abspath(__file__))


def links(count):
    """About 120 bytes each: 80% accepted, 12% refused, 8% malformed."""
    rng = random.Random(40)
    for n in range(count):
        kind = rng.random()
        host = "" if kind > 0.96 else f"desk-{n % 9973}.pool.example.net"
        sni = "a b" if 0.92 < kind <= 0.96 else f"gw{n % 97}.example.net"
        extra = "&colour=blue" if 0.80 < kind <= 0.92 else "&full-screen"
        yield (f"quorvane-qarel://{host}:443?sni={sni}&session-id=s-{n:08}"
               f"&locale=en_US&log-level=info{extra}\n")


def run(command):
    """Seconds, peak resident kilobytes and the last line of the output.
    GNU time starts the command: a child of this Python would count
    Python's own memory, which it had until its exec, as its peak."""
    with tempfile.NamedTemporaryFile("r") as peak:
        start = time.perf_counter()
        child = subprocess.Popen(["/usr/bin/time", "-f", "%M", "-o",
                                  peak.name] + command,
                                 stdout=subprocess.PIPE,
                                 stderr=subprocess.DEVNULL)
        tail = b""
        for chunk in iter(lambda: child.stdout.read(1 << 16), b""):
            tail = (tail + chunk)[-300:]
        status = child.wait()
        seconds = time.perf_counter() - start
        if status not in (0, 1, 2):
            sys.exit(f"{command[0]} failed: {status}")
        last = tail.decode().rstrip("\n").rsplit("\n", 1)[-1]
        return seconds, int(peak.read().split()[-1]), last


def main():
    tool, per_link = sys.argv[1], sys.argv[2]
    count = int(sys.argv[3]) if len(sys.argv) > 3 else 1_000_000
    with tempfile.TemporaryDirectory() as folder:
        big, small = (os.path.join(folder, n) for n in ("big", "small"))
        with open(big, "w") as f:
            f.writelines(links(count))
        with open(small, "w") as f:
            f.writelines(links(count // 10))
        size = os.path.getsize(big)
        print(f"{count:,} links, {size / count:.0f} bytes each on average")
        rows = [("check (text)", [tool, "check", big]),
                ("check --json", [tool, "check", "--json", big]),
                ("Python urlsplit + parse_qsl", [sys.executable,
                 os.path.join(HERE, "split_links.py"), big]),
                ("arg_to_params, fresh table per link", [per_link, big])]
        # Three rounds, each running every command once, so that the
        # machine's drifts fall on all of them; the median of each.
        times = {name: [] for name, _ in rows}
        for _ in range(3):
            for name, command in rows:
                times[name].append(run(command))
        results = {}
        print(f"| | links/s | µs per link | peak RSS | last line |")
        print("|---|---:|---:|---:|---|")
        for name, _ in rows:
            seconds, rss, last = sorted(times[name])[1]
            results[name] = seconds / count * 1e6
            print(f"| {name} | {count / seconds:,.0f} | {results[name]:.2f} |"
                  f" {rss / 1024:.1f} MiB | {last[:60]} |")
        python = results["Python urlsplit + parse_qsl"]
        launch = results["arg_to_params, fresh table per link"]
        text, json = results["check (text)"], results["check --json"]
        print(f"\ncheck text: {python / text:.1f}x Python's links/s "
              f"(goal 10x), JSON {python / json:.1f}x (goal 5x)")
        print(f"check text per link: {text / launch:.2f}x the library's "
              f"launch (goal at most 2.5x)")
        _, rss_small, _ = run([tool, "check", small])
        _, rss_big, _ = run([tool, "check", big])
        print(f"check's peak memory: {rss_small / 1024:.1f} MiB for "
              f"{count // 10:,} lines, {rss_big / 1024:.1f} MiB for "
              f"{count:,} ({(rss_big / rss_small - 1) * 100:+.1f}%, goal "
              f"within 10%)")


main()
