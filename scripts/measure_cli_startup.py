#!/usr/bin/env python3
"""Times the start of the command line as a whole process, from spawning it
to its exit, against PARI/GP's `gp -q -f` on an empty script measured in
the same run, the two interleaved so that both meet the same load. Prints,
for each, the median and the best wall time and the median processor time
(user and system, which a busy machine disturbs less), and their ratios.
Timings are noisy, so this is not part of ./test.sh.

Usage: measure_cli_startup.py FACTORIX [RUNS]   (default 200)
"""
import os
import statistics
import sys
import tempfile
import time


def one_run(argv):
    """Wall and processor time of one run, in ms."""
    devnull = os.open(os.devnull, os.O_RDWR)
    try:
        started = time.perf_counter()
        pid = os.posix_spawn(argv[0], argv, os.environ,
                             file_actions=[(os.POSIX_SPAWN_DUP2, devnull, 0), (os.POSIX_SPAWN_DUP2, devnull, 1),
                                           (os.POSIX_SPAWN_DUP2, devnull, 2)])
        _, status, usage = os.wait4(pid, 0)
        elapsed = (time.perf_counter() - started) * 1000
    finally:
        os.close(devnull)
    if os.waitstatus_to_exitcode(status) != 0:
        raise RuntimeError(f"{' '.join(argv)} failed")
    return elapsed, (usage.ru_utime + usage.ru_stime) * 1000


def main():
    factorix = os.path.abspath(sys.argv[1])
    runs = int(sys.argv[2]) if len(sys.argv) > 2 else 200
    gp = "/usr/bin/gp"
    with tempfile.NamedTemporaryFile(suffix=".gp") as empty:
        commands = {
            "factorix --calcular 2xe3-16": [factorix, "--calcular", "2xe3-16"],
            "gp -q -f empty.gp": [gp, "-q", "-f", empty.name],
        }
        times = {name: [] for name in commands}
        for argv in commands.values():
            one_run(argv)  # the first start warms the disk cache; not counted
        for _ in range(runs):
            for name, argv in commands.items():
                times[name].append(one_run(argv))
    summary = {}
    for name, values in times.items():
        wall = [w for w, _ in values]
        cpu = [c for _, c in values]
        summary[name] = (statistics.median(wall), min(wall), statistics.median(cpu))
        print(f"{name}: wall median {summary[name][0]:.2f} ms, best {summary[name][1]:.2f} ms; "
              f"processor median {summary[name][2]:.2f} ms; over {runs} runs")
    fx, gpt = summary["factorix --calcular 2xe3-16"], summary["gp -q -f empty.gp"]
    print(f"factorix / gp: wall median {fx[0] / gpt[0]:.2f}, best {fx[1] / gpt[1]:.2f}; "
          f"processor median {fx[2] / gpt[2]:.2f}")


if __name__ == "__main__":
    main()
