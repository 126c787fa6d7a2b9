#!/usr/bin/env python3
"""Runs a program on a pseudo-terminal of its own and hands it the keys typed
here late, as a slow SSH link would: each read of the keyboard is delivered
`delay` ms plus a random 0..`jitter` ms later, never before the read typed
before it (a link keeps the order, so late bytes arrive in clumps). What the
program writes comes back at once.

    tools/lag_relay.py --delay 50 --jitter 200 -- build/drifter

The terminal is put back as it was when the program ends."""

import argparse
import fcntl
import os
import pty
import random
import select
import signal
import sys
import termios
import time
import tty


def copy_size(source_fd, target_fd):
    try:
        size = fcntl.ioctl(source_fd, termios.TIOCGWINSZ, b"\0" * 8)
        fcntl.ioctl(target_fd, termios.TIOCSWINSZ, size)
    except OSError:
        pass


def relay(master, delay, jitter, rng):
    queue = []  # (when, bytes), in the order typed
    stdin = sys.stdin.fileno()
    while True:
        now = time.monotonic()
        while queue and queue[0][0] <= now:
            os.write(master, queue.pop(0)[1])
        timeout = max(0.0, queue[0][0] - now) if queue else None
        try:
            ready, _, _ = select.select([stdin, master], [], [], timeout)
        except InterruptedError:
            continue
        if master in ready:
            try:
                out = os.read(master, 65536)
            except OSError:
                out = b""
            if not out:
                return
            os.write(sys.stdout.fileno(), out)
        if stdin in ready:
            typed = os.read(stdin, 4096)
            if not typed:
                return
            when = time.monotonic() + (delay + rng.uniform(0, jitter)) / 1000.0
            if queue:
                when = max(when, queue[-1][0])
            queue.append((when, typed))


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--delay", type=float, default=50, help="least lag of a key, ms")
    parser.add_argument("--jitter", type=float, default=200, help="random extra lag, 0..this ms")
    parser.add_argument("--seed", type=int, help="seed of the random lag, for repeatable runs")
    parser.add_argument("program", nargs=argparse.REMAINDER, help="-- program and its arguments")
    args = parser.parse_args()
    program = args.program[1:] if args.program[:1] == ["--"] else args.program
    if not program:
        parser.error("no program given")
    rng = random.Random(args.seed)
    stdin = sys.stdin.fileno()
    saved = termios.tcgetattr(stdin) if os.isatty(stdin) else None
    child, master = pty.fork()
    if child == 0:
        os.execvp(program[0], program)
    copy_size(stdin, master)
    signal.signal(signal.SIGWINCH, lambda *_: copy_size(stdin, master))
    if saved:
        tty.setraw(stdin)
    try:
        relay(master, args.delay, args.jitter, rng)
    finally:
        if saved:
            termios.tcsetattr(stdin, termios.TCSAFLUSH, saved)
    _, status = os.waitpid(child, 0)
    return os.waitstatus_to_exitcode(status)


if __name__ == "__main__":
    sys.exit(main())
