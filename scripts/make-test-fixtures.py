#!/usr/bin/env python3
"""Writes the binary fixtures of tests/data: ".tah" load diagrams and ".mot" motor files,
plain little-endian doubles without a header. Run it from the repository root after changing
a fixture here; the files it writes are kept in the repository."""

import struct
from pathlib import Path

DATA = Path(__file__).resolve().parent.parent / "tests" / "data"


def doubles(values):
    return b"".join(struct.pack("<d", v) for v in values)


def tah(rows):
    """31 rows of (time, speed, torque, acceleration, inertia); missing rows are zeros."""
    rows = list(rows) + [(0, 0, 0, 0, 0)] * (31 - len(rows))
    return doubles(v for row in rows for v in row)


def row(time, speed, torque, inertia):
    return (time, speed, torque, 0 if time == 0 else speed / time, inertia)


# The sample drive's first four points: start, steady run, stop.
SAMPLE_POINTS = [row(0, 0, 30, 0.5), row(0.576, 98, 30, 0.5), row(5.5, 98, 30, 0.5), row(6, 0, -30, 0.5)]

# Motors in the units of the motor window's fields (slips and efficiency in percent).
SAMPLE_MOTOR = [13, 220, 104.7, 6.4, 36.5, 398, 83.5, 0.81, 16.62, 0.363, 0.635, 0.597, 0.831]
SAMPLE_SPEED_1 = [6, 220, 104.7, 2.9, 16, 102.6, 83, 0.68, 24.6, 0.696, 1.37, 0.45, 2.32]
SAMPLE_SPEED_2 = [6.2, 380, 157.1, 2, 14, 72.5, 81.5, 0.85, 136, 2.13, 3.48, 0.968, 5.32]

FIXTURES = {
    "sample-four-points.tah": tah(SAMPLE_POINTS),
    "sample-motor.mot": doubles(SAMPLE_MOTOR),
    "sample-speed-1.mot": doubles(SAMPLE_SPEED_1),
    "sample-speed-2.mot": doubles(SAMPLE_SPEED_2),
    # 100 bytes: the 13th value is cut short.
    "short-by-four-bytes.mot": doubles(SAMPLE_MOTOR)[:100],
    # 48 bytes: row 1 and the time of row 2, then the file ends inside the row.
    "ends-inside-row-2.tah": tah(SAMPLE_POINTS)[:48],
}


def main():
    DATA.mkdir(parents=True, exist_ok=True)
    for name, content in FIXTURES.items():
        (DATA / name).write_bytes(content)


if __name__ == "__main__":
    main()
