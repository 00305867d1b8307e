#!/usr/bin/env python3
"""A braille display for BRLTTY's virtual driver (vr), for the smoke tests.

Usage: virtual-braille-display.py SOCKET CELLS KEYS LOG

Listens on the unix socket SOCKET for the driver (started as `-d client:SOCKET`), says it
has CELLS cells in one row, and writes each window BRLTTY shows to LOG as one line: the
text, a tab, and the cells as Unicode braille patterns. Each line written to the FIFO KEYS
is passed to the driver as a key of the display ("FWinRt", "Top"...). It serves one
connection and ends when the driver closes it or on SIGTERM.
"""

import os
import select
import signal
import socket
import sys


def unquote(line):
    """The string argument of a command line, as text: "..." with \\\\, \\" and \\Xhh escapes
    of the bytes of its UTF-8."""
    start = line.find(b'"')
    end = line.rfind(b'"')
    if start < 0 or end <= start:
        return ""
    body = line[start + 1:end]
    out = bytearray()
    i = 0
    while i < len(body):
        c = body[i:i + 1]
        if c == b"\\" and i + 1 < len(body):
            nxt = body[i + 1:i + 2]
            if nxt in (b"x", b"X") and i + 3 < len(body):
                out += bytes([int(body[i + 2:i + 4], 16)])
                i += 4
                continue
            out += nxt
            i += 2
            continue
        out += c
        i += 1
    return out.decode("utf-8", errors="replace")


def pattern(dots):
    """One cell, "1|2|..." style dot numbers, as its Unicode braille pattern."""
    bits = 0
    for d in dots:
        if d in "12345678":
            bits |= 1 << (int(d) - 1)
    return chr(0x2800 + bits)


def main():
    if len(sys.argv) != 5:
        sys.exit("usage: virtual-braille-display.py SOCKET CELLS KEYS LOG")
    path, cells, keys, log = sys.argv[1], int(sys.argv[2]), sys.argv[3], sys.argv[4]
    signal.signal(signal.SIGTERM, lambda *_: sys.exit(0))

    server = socket.socket(socket.AF_UNIX, socket.SOCK_STREAM)
    server.bind(path)
    # BRLTTY may run as another user than this display.
    os.chmod(path, 0o666)
    server.listen(1)
    # Opened for writing too, so that the FIFO never reads as closed between two writers.
    control = os.open(keys, os.O_RDWR | os.O_NONBLOCK)

    driver, _ = server.accept()
    driver.sendall(b"cells %d\n" % cells)
    received = b""
    pending = b""
    visual = ""
    with open(log, "a", encoding="utf-8") as out:
        while True:
            ready, _, _ = select.select([driver, control], [], [])
            if control in ready:
                pending += os.read(control, 4096)
                while b"\n" in pending:
                    key, pending = pending.split(b"\n", 1)
                    if key.strip():
                        driver.sendall(key.strip() + b"\n")
            if driver in ready:
                data = driver.recv(4096)
                if not data:
                    return
                received += data
                while b"\n" in received:
                    raw, received = received.split(b"\n", 1)
                    line = raw.rstrip(b"\r")
                    command = line.split(b" ", 1)[0].lower()
                    if command == b"visual":
                        visual = unquote(line)
                    elif command == b"braille":
                        shown = "".join(pattern(c) for c in unquote(line).split("|"))
                        out.write("%s\t%s\n" % (visual.rstrip(" "), shown))
                        out.flush()


if __name__ == "__main__":
    main()
