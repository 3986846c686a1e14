#!/usr/bin/python3
"""Writes an ASCII DXF drawing of COUNT entities on the levels of the bundled
example, for timing --audit: bench/make-drawing.py COUNT OUT.dxf

Lines, polylines, arcs, circles, texts and inserts in turn, every twentieth
with a fault (a colour the standard does not allow)."""
import sys

LAYERS = [("RD_CL", 1, "DASHDOT"), ("RD_EDGE", 3, "Continuous"), ("RD_KERB", 7, "Continuous"),
          ("RD_TEXT", 4, "Continuous"), ("ST_LAMP", 7, "Continuous")]


def pairs(*items):
    return "".join(f"{code}\n{value}\n" for code, value in zip(items[::2], items[1::2]))


def entity(i):
    handle = format(0x100 + i, "X")
    colour = 5 if i % 20 == 0 else 256
    kind = i % 6
    x, y = i % 1000, i // 1000
    if kind == 0:
        return pairs(0, "LINE", 5, handle, 100, "AcDbEntity", 8, "RD_CL", 62, colour, 370, 200,
                     100, "AcDbLine", 10, x, 20, y, 30, 0, 11, x + 1, 21, y, 31, 0)
    if kind == 1:
        return pairs(0, "LWPOLYLINE", 5, handle, 100, "AcDbEntity", 8, "RD_KERB", 62, colour,
                     100, "AcDbPolyline", 90, 2, 70, 0, 10, x, 20, y, 10, x + 1, 20, y + 1)
    if kind == 2:
        return pairs(0, "ARC", 5, handle, 100, "AcDbEntity", 8, "RD_EDGE", 62, colour,
                     100, "AcDbCircle", 10, x, 20, y, 30, 0, 40, 1, 100, "AcDbArc", 50, 0, 51, 90)
    if kind == 3:
        return pairs(0, "LINE", 5, handle, 100, "AcDbEntity", 8, "RD_EDGE", 62, colour,
                     100, "AcDbLine", 10, x, 20, y, 30, 0, 11, x, 21, y + 1, 31, 0)
    if kind == 4:
        return pairs(0, "TEXT", 5, handle, 100, "AcDbEntity", 8, "RD_TEXT", 62, colour,
                     100, "AcDbText", 10, x, 20, y, 30, 0, 40, 2.5, 1, f"Road {i}", 7, "Road Names")
    return pairs(0, "INSERT", 5, handle, 100, "AcDbEntity", 8, "ST_LAMP", 62, 0,
                 100, "AcDbBlockReference", 2, "LAMP", 10, x, 20, y, 30, 0)


def main():
    count, out = int(sys.argv[1]), sys.argv[2]
    with open(out, "w", newline="\r\n") as f:
        f.write(pairs(0, "SECTION", 2, "HEADER", 9, "$ACADVER", 1, "AC1032", 0, "ENDSEC"))
        f.write(pairs(0, "SECTION", 2, "TABLES", 0, "TABLE", 2, "LAYER", 70, len(LAYERS)))
        for name, colour, line_type in LAYERS:
            f.write(pairs(0, "LAYER", 100, "AcDbSymbolTableRecord", 100, "AcDbLayerTableRecord",
                          2, name, 70, 0, 62, colour, 6, line_type, 370, -3))
        f.write(pairs(0, "ENDTAB", 0, "ENDSEC"))
        f.write(pairs(0, "SECTION", 2, "BLOCKS", 0, "BLOCK", 8, "0", 2, "LAMP", 70, 0))
        f.write(pairs(0, "CIRCLE", 8, "0", 62, 0, 10, 0, 20, 0, 30, 0, 40, 0.3))
        f.write(pairs(0, "ENDBLK", 8, "0", 0, "ENDSEC"))
        f.write(pairs(0, "SECTION", 2, "ENTITIES"))
        for i in range(count):
            f.write(entity(i))
        f.write(pairs(0, "ENDSEC", 0, "EOF"))


if __name__ == "__main__":
    main()
