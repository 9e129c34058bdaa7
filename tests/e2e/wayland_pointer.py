#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Gives a headless wlroots compositor a pointer: without an input device its seat offers
none, so no client would see the pointer that `swaymsg seat seat0 cursor` moves. Creates a
virtual pointer on the seat and keeps it until killed. Given a FIFO, lines "motion DX DY"
written to it move the pointer as a real device would: an interactive move follows those, not
`cursor set`. Speaks the Wayland wire protocol itself, so that the test needs no client
library."""
import os
import select
import signal
import socket
import struct
import sys


def message(object_id, opcode, payload=b""):
    return struct.pack("<II", object_id, (8 + len(payload)) << 16 | opcode) + payload


def string(text):
    data = text.encode() + b"\0"
    return struct.pack("<I", len(data)) + data + b"\0" * (-len(data) % 4)


def main():
    path = os.path.join(os.environ["XDG_RUNTIME_DIR"], os.environ["WAYLAND_DISPLAY"])
    connection = socket.socket(socket.AF_UNIX, socket.SOCK_STREAM)
    connection.connect(path)
    # wl_display.get_registry (registry 2), then wl_display.sync (callback 3).
    connection.sendall(message(1, 1, struct.pack("<I", 2)) + message(1, 0, struct.pack("<I", 3)))
    manager = None
    buffer = b""
    done = False
    while not done:
        chunk = connection.recv(65536)
        if not chunk:
            sys.exit("the compositor closed the connection")
        buffer += chunk
        while len(buffer) >= 8:
            object_id, word = struct.unpack_from("<II", buffer)
            size = word >> 16
            if len(buffer) < size:
                break
            body = buffer[8:size]
            if object_id == 2 and word & 0xFFFF == 0:  # wl_registry.global
                name, length = struct.unpack_from("<II", body)
                interface = body[8:8 + length - 1].decode()
                if interface == "zwlr_virtual_pointer_manager_v1":
                    manager = name
            elif object_id == 3:
                done = True
            buffer = buffer[size:]
    if manager is None:
        sys.exit("the compositor offers no virtual pointer")
    # wl_registry.bind (manager 4), then create_virtual_pointer on the default seat (pointer 5).
    connection.sendall(
        message(2, 0, struct.pack("<I", manager) + string("zwlr_virtual_pointer_manager_v1")
                + struct.pack("<II", 1, 4))
        + message(4, 0, struct.pack("<II", 0, 5)))
    print("pointer", flush=True)
    signal.signal(signal.SIGTERM, lambda *_: sys.exit(0))
    # Opened for writing too, so that it never reaches its end.
    moves = os.open(sys.argv[1], os.O_RDWR) if len(sys.argv) > 1 else None
    pending = b""
    while True:
        for source in select.select([connection] + ([moves] if moves else []), [], [])[0]:
            if source is connection:
                if not connection.recv(65536):
                    return
                continue
            pending += os.read(moves, 4096)
            *lines, pending = pending.split(b"\n")
            for line in lines:
                words = line.split()
                if len(words) == 3 and words[0] == b"motion":
                    # zwlr_virtual_pointer_v1.motion (time, dx, dy in 24.8 fixed point), frame.
                    dx, dy = (round(float(v) * 256) for v in words[1:])
                    connection.sendall(message(5, 0, struct.pack("<Iii", 0, dx, dy))
                                       + message(5, 4))

if __name__ == "__main__":
    main()
