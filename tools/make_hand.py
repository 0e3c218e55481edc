#!/usr/bin/env python3
"""Writes resources/hand.png: a 32 x 32 pointing hand, white with a black
outline, transparent elsewhere. The raised index finger's tip is at (12, 4)."""
import struct
import zlib
from pathlib import Path

# '#' black outline, '.' white fill, ' ' transparent. 32 columns per row.
ART = """
           ##
          #..#
          #..#
          #..#
          #..#
          #..###
          #..#..###
          #..#..#..##
          #..#..#..#.#
      ### #..#..#..#..#
      #..##........#..#
      #...#...........#
       #..#...........#
       #..............#
        #.............#
        #.............#
         #...........#
         #...........#
          #.........#
          #.........#
          ###########
"""

def main():
    rows = ART.strip("\n").split("\n")
    size = 32
    pixels = []
    for y in range(size):
        line = rows[y - 4] if 4 <= y < 4 + len(rows) else ""
        row = bytearray()
        for x in range(size):
            c = line[x] if x < len(line) else " "
            row += {"#": b"\x00\x00\x00\xff", ".": b"\xff\xff\xff\xff"}.get(c, b"\x00\x00\x00\x00")
        pixels.append(b"\x00" + bytes(row))
    raw = b"".join(pixels)

    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF)

    png = b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0))
    png += chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b"")
    out = Path(__file__).resolve().parent.parent / "resources" / "hand.png"
    out.write_bytes(png)

if __name__ == "__main__":
    main()
