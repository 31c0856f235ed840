#!/usr/bin/env python3
"""Times whole commands, as a user waits for them: each command runs in turn,
round after round, so that a slow moment of the machine falls on all alike.

    time-commands.py ROUNDS LABEL 'COMMAND' [LABEL 'COMMAND' ...]

Prints, per command, the median wall time and the peak resident memory."""
import os
import shlex
import statistics
import subprocess
import sys
import time


def run_once(command):
    start = time.perf_counter()
    process = subprocess.Popen(command, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    _, status, usage = os.wait4(process.pid, 0)
    elapsed = time.perf_counter() - start
    process.returncode = os.waitstatus_to_exitcode(status)
    if process.returncode != 0:
        sys.exit(f"failed with exit code {process.returncode}: {shlex.join(command)}")
    return elapsed, usage.ru_maxrss / 1024


def main():
    rounds = int(sys.argv[1])
    pairs = sys.argv[2:]
    commands = [(pairs[i], shlex.split(pairs[i + 1])) for i in range(0, len(pairs), 2)]
    times = {label: [] for label, _ in commands}
    memory = {label: 0.0 for label, _ in commands}
    for _ in range(rounds):
        for label, command in commands:
            elapsed, peak = run_once(command)
            times[label].append(elapsed)
            memory[label] = max(memory[label], peak)
    first = statistics.median(times[commands[0][0]])
    for label, _ in commands:
        median = statistics.median(times[label])
        print(f"{label:<40} median {median * 1000:8.1f} ms  peak {memory[label]:6.1f} MiB"
              f"  ({median / first:.2f} x {commands[0][0]})")


if __name__ == "__main__":
    main()
