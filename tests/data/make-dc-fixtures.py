#!/usr/bin/env python3
"""Writes the DC fixtures of tests/data: a ".dpt" motor file and ".tah" load diagrams.

Run from anywhere: python3 tests/data/make-dc-fixtures.py
"""
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))

# A 4 kW, 220 V, 1500 rpm motor with its drive: Uн V, Iн A, Wн 1/s, Rя Ohm, Pн kW, Jc kg*m^2,
# ПВ %, B, K, Мс N*m, Iхх A, Uвн V, Iвн A.
MOTOR_4KW = [220, 22, 157, 0.9, 4, 0.12, 40, 1, 2, 15, 2, 220, 0.8]

# Forward start to 150 1/s, run, slow to 50 1/s, run, stop, reverse to -100 1/s, run, stop:
# (time s, speed 1/s) after the all-"0" first row. Every speed change of 100 1/s or more takes
# at least 1,5 s, so the converter's transients fit their stretches.
FORWARD_REVERSE = [(1.5, 150), (11.5, 150), (13.5, 50), (18.5, 50), (19.5, 0), (21, -100), (26, -100), (27.5, 0)]

STATIC_TORQUE = 15
INERTIA = 0.12
TAH_ROWS = 31


def write(name, values):
    with open(os.path.join(HERE, name), "wb") as f:
        f.write(b"".join(struct.pack("<d", float(v)) for v in values))


def tah(points):
    """31 rows of (time, speed, static torque, acceleration, inertia); row 1 all zero."""
    rows = [(0, 0, 0, 0, 0)]
    for time, speed in points:
        rows.append((time, speed, STATIC_TORQUE, speed / time, INERTIA))
    rows += [(0, 0, 0, 0, 0)] * (TAH_ROWS - len(rows))
    return [v for row in rows for v in row]


write("dc-motor-4kw-220v.dpt", MOTOR_4KW)
# The generator-motor's transients are short: a 10 s pause keeps the duty factor near 40 %.
write("dc-forward-reverse-pause-10s.tah", tah(FORWARD_REVERSE + [(37.5, 0)]))
# The converter-motor's steady stretches count in full: a 35 s pause keeps it near 40 %.
write("dc-forward-reverse-pause-35s.tah", tah(FORWARD_REVERSE + [(62.5, 0)]))
# A start and a run at 150 1/s, then braking to 50 1/s in 0,2 s, which demands 500 1/s^2, more
# than the motor allows.
write("dc-braking-too-steep.tah", tah([(1.5, 150), (11.5, 150), (11.7, 50), (12.7, 0), (22.7, 0)]))
# Reverse running only: the greatest signed speed is that of the standstill points, 0.
write("dc-reverse-only.tah", tah([(1.5, -100), (11.5, -100), (13, 0), (40, 0)]))
