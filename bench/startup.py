#!/usr/bin/env python3
"""Start-up of qarel-launch against a trivial program linked the same way.

Runs the two alternately, so that drifts of the machine's speed fall on both,
and prints the median wall time of each and their ratio.
  bench/startup.py TRIVIAL QAREL_LAUNCH [RUNS]
"""
import statistics
import subprocess
import sys
import time

LAUNCH = ["parse", "--address=192.0.2.10", "--port", "900", "-l3",
          "--full-screen", "--use-smartcard", "--sni=desk-pool",
          "--session-id", "s-42", "--locale=en_US",
          "quorvane-qarel://192.0.2.10:900?full-screen&sni=desk%20pool&"
          "session-id=s-42&use-smartcard&usb-auto-forward&locale=en_US&"
          "log-level=3"]


def timed(command):
    start = time.perf_counter()
    subprocess.run(command, stdout=subprocess.DEVNULL, check=True)
    return time.perf_counter() - start


def main():
    trivial, launch = [sys.argv[1]], [sys.argv[2]] + LAUNCH
    runs = int(sys.argv[3]) if len(sys.argv) > 3 else 3000
    times = {"trivial": [], "launch": []}
    for i in range(runs):
        pair = [("trivial", trivial), ("launch", launch)]
        for name, command in pair if i % 2 == 0 else reversed(pair):
            times[name].append(timed(command))
    t = statistics.median(times["trivial"])
    q = statistics.median(times["launch"])
    print(f"trivial client     median {t * 1e3:.3f} ms")
    print(f"qarel-launch parse median {q * 1e3:.3f} ms")
    print(f"ratio {q / t:.3f}")


if __name__ == "__main__":
    main()
