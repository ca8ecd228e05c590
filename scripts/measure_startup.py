#!/usr/bin/env python3
"""Starts the program RUNS times and prints how long each start took, from
launching the process to its window's first paint (the program reports the
moment when FACTORIX_TRACE_TIMING is set), and their median.
Run it on an X server: scripts/measure-ui.sh does.

Usage: measure_startup.py FACTORIX [RUNS]
"""
import os
import statistics
import subprocess
import sys
import time


def one_start(binary):
    env = dict(os.environ, FACTORIX_TRACE_TIMING="1")
    started = time.time_ns() / 1e6
    process = subprocess.Popen([binary], env=env, stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True)
    try:
        for line in process.stdout:
            if line.startswith("first-paint "):
                return float(line.split()[1]) - started
        raise RuntimeError(f"{binary} ended without painting its window")
    finally:
        process.terminate()
        process.wait(10)


def main():
    binary = sys.argv[1]
    runs = int(sys.argv[2]) if len(sys.argv) > 2 else 15
    one_start(binary)  # the first start warms the disk cache; not counted
    times = [one_start(binary) for _ in range(runs)]
    print("start-up to first paint, ms: " + " ".join(f"{t:.0f}" for t in times))
    print(f"start-up median {statistics.median(times):.0f} ms, best {min(times):.0f} ms, worst {max(times):.0f} ms"
          f" over {runs} starts")


if __name__ == "__main__":
    main()
