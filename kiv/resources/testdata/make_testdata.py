#!/usr/bin/env python3
"""Regenerates the simulation register images from the KIV emulator.

    make_testdata.py <path to kiv-emulator>

KivTestData.txt is the emulator's standard device. "TestData/DeviceData YJ+.txt" is its relay
device renamed to a YJ+ model: the emulator has no such variant, and the plugin recognises the
model only by "YJ" in the device name (registers 4 to 13, two characters per register, low byte
first, NUL padded).
"""
import os
import subprocess
import sys
import tempfile

NAME_FIRST = 4
NAME_REGISTERS = 10
YJ_PLUS_NAME = "KIV-YJ+ LCD REL"


def dump(emulator, variant, path):
    subprocess.run([emulator, "--variant", variant, "--dump-image", path], check=True)


def set_text(values, first, count, text):
    data = text.encode("latin-1")
    if len(data) > 2 * count:
        raise ValueError("name too long for %d registers" % count)
    data = data.ljust(2 * count, b"\0")
    for i in range(count):
        values[first + i] = data[2 * i] | (data[2 * i + 1] << 8)


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    emulator = sys.argv[1]
    here = os.path.dirname(os.path.abspath(__file__))
    dump(emulator, "standard", os.path.join(here, "KivTestData.txt"))

    with tempfile.TemporaryDirectory() as tmp:
        relay = os.path.join(tmp, "relay.txt")
        dump(emulator, "relay", relay)
        with open(relay) as f:
            values = [int(line) for line in f if line.strip()]
    set_text(values, NAME_FIRST, NAME_REGISTERS, YJ_PLUS_NAME)
    os.makedirs(os.path.join(here, "TestData"), exist_ok=True)
    with open(os.path.join(here, "TestData", "DeviceData YJ+.txt"), "w", newline="\n") as f:
        f.write("".join("%d\n" % v for v in values))


if __name__ == "__main__":
    main()
