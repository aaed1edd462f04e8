#!/usr/bin/env python3
"""Whole-process CPU time of sorvel-cli commands against their yardsticks.

Runs each command line in turn, round after round (so a busy moment of the
machine falls on every command alike), pinned to one core, and prints the
median and the quartiles of user + system time as the kernel counts it for
the process and what it executes.

    python3 bench/cli_startup.py build/bin [ROUNDS]

Compares `sorvel-cli chart` with bench_minimal_qt (a QCoreApplication that
prints a line), and `sorvel-cli barcode --kind 0` with `qrencode -o` for the
same text (Debian's qrencode; skipped when it is not installed).
"""
import os
import shutil
import statistics
import sys
import tempfile


def cpu_times(commands, rounds, core):
    os.sched_setaffinity(0, {core})
    devnull = os.open(os.devnull, os.O_WRONLY)
    spawn = [(os.POSIX_SPAWN_DUP2, devnull, 1), (os.POSIX_SPAWN_DUP2, devnull, 2)]
    times = [[] for _ in commands]
    for round_ in range(rounds + 5):  # five rounds to warm the caches
        for k, argv in enumerate(commands):
            pid = os.posix_spawnp(argv[0], argv, os.environ, file_actions=spawn)
            _, status, usage = os.wait4(pid, 0)
            if status != 0:
                sys.exit("failed: " + " ".join(argv))
            if round_ >= 5:
                times[k].append((usage.ru_utime + usage.ru_stime) * 1000)
    return times


def main():
    if len(sys.argv) < 2:
        sys.exit(__doc__)
    bin_dir = sys.argv[1]
    rounds = int(sys.argv[2]) if len(sys.argv) > 2 else 200
    out = tempfile.mkdtemp()
    text = "HELLO-SORVEL-12345"
    cli = os.path.join(bin_dir, "sorvel-cli")
    commands = [
        [os.path.join(bin_dir, "bench_minimal_qt")],
        [cli, "chart", "--full", "John Adam Smith", "--birth", "1990-05-17"],
        [cli, "barcode", "--kind", "0", "--text", text, "--out", os.path.join(out, "sorvel.png")],
    ]
    if shutil.which("qrencode"):
        commands.append(["qrencode", "-o", os.path.join(out, "qrencode.png"), text])
    core = max(os.sched_getaffinity(0))
    times = cpu_times(commands, rounds, core)
    medians = []
    for argv, samples in zip(commands, times):
        q = statistics.quantiles(samples, n=4)
        medians.append(statistics.median(samples))
        print("%-60s median %6.2f ms  (quartiles %.2f - %.2f)" %
              (" ".join(os.path.basename(a) if i == 0 else a for i, a in enumerate(argv))[:60],
               medians[-1], q[0], q[2]))
    print("chart / minimal Qt program: %.2f" % (medians[1] / medians[0]))
    if len(medians) > 3:
        print("QR Code / qrencode: %.2f" % (medians[2] / medians[3]))
    shutil.rmtree(out)


if __name__ == "__main__":
    main()
