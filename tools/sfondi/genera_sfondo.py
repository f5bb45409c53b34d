#!/usr/bin/env python3
"""Draws the default background of the main window: a soft blue texture
that tiles without seams (every wave has a whole number of periods across
the picture), written as a 24-bit uncompressed BMP.

    tools/sfondi/genera_sfondo.py data/SFONDI/irtex67b.Bmp
"""
import math
import random
import struct
import sys

LATO = 128
BASE = (34, 78, 122)  # RGB of the middle tone


def onde(seme):
    rnd = random.Random(seme)
    return [(rnd.randint(1, 6), rnd.randint(-6, 6), rnd.uniform(0, 2 * math.pi), rnd.uniform(0.3, 1.0))
            for _ in range(14)]


def tono(x, y, elenco):
    v = sum(a * math.sin(2 * math.pi * (fx * x + fy * y) / LATO + fase) for fx, fy, fase, a in elenco)
    return v / sum(a for *_, a in elenco)


def pixel(x, y, elenco):
    t = tono(x, y, elenco)
    return tuple(max(0, min(255, int(c * (1 + 0.35 * t)))) for c in BASE)


def bmp(larghezza, altezza, righe):
    riga_byte = (larghezza * 3 + 3) & ~3
    dati = bytearray()
    for riga in reversed(righe):  # BMP rows go bottom to top
        r = bytearray()
        for rosso, verde, blu in riga:
            r += bytes((blu, verde, rosso))
        r += b"\0" * (riga_byte - len(r))
        dati += r
    testa = struct.pack("<2sIHHI", b"BM", 54 + len(dati), 0, 0, 54)
    info = struct.pack("<IiiHHIIiiII", 40, larghezza, altezza, 1, 24, 0, len(dati), 2835, 2835, 0, 0)
    return testa + info + bytes(dati)


def main():
    elenco = onde(67)
    righe = [[pixel(x, y, elenco) for x in range(LATO)] for y in range(LATO)]
    with open(sys.argv[1], "wb") as f:
        f.write(bmp(LATO, LATO, righe))


if __name__ == "__main__":
    main()
