#!/usr/bin/env python3
"""A run stopped by the line limit holds the lines it read, not the file.

Usage: limit_memory.py KORVEX

Korvex reads a 64 MiB source under the default line limit; the run must end
with the line-limit error, and its peak memory may exceed that of a run of a
one-line file by less than a quarter of the file's size.
"""
import os
import subprocess
import sys
import tempfile


def peak_kib(cmd, cwd):
    with open(os.devnull, "wb") as null:
        proc = subprocess.Popen(cmd, cwd=cwd, stdout=null, stderr=subprocess.PIPE)
        _, status, usage = os.wait4(proc.pid, 0)
        err = proc.stderr.read()
    return os.waitstatus_to_exitcode(status), usage.ru_maxrss, err


def main():
    korvex = os.path.abspath(sys.argv[1])
    with tempfile.TemporaryDirectory() as d:
        with open(os.path.join(d, "small.v"), "w") as f:
            f.write("wire a;\n")
        line = "assign signal_%07d = other_%07d;\n"
        with open(os.path.join(d, "big.v"), "w") as f:
            size = 0
            i = 0
            while size < 64 << 20:
                text = line % (i, i)
                f.write(text)
                size += len(text)
                i += 1
        status, small, _ = peak_kib([korvex, "small.v"], d)
        if status != 0:
            print(f"the one-line file ended with status {status}")
            return 1
        status, big, err = peak_kib([korvex, "big.v"], d)
        print(f"peak: one-line file {small} KiB, 64 MiB file under the limit {big} KiB")
        if status != 101 or err:
            print(f"the large file ended with status {status} (want 101), stderr {err!r}")
            return 1
        if big - small >= (64 << 10) // 4:
            print("the run held memory for the whole file")
            return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
