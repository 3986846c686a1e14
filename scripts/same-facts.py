#!/usr/bin/env python3
"""Whether two reports of one run hold the same facts: every data cell of the
default report, with the same text, in the same order, in the modern one.

    scripts/same-facts.py DEFAULT.html MODERN.html

Data cells are the innermost table cells that are not headings or title
blocks; a swatch's painted cell is no text. Texts compare after un-escaping,
with blanks at their ends and non-breaking spaces dropped. Prints the first
difference and ends with status 1, or the number of cells and status 0."""
import sys
from html.parser import HTMLParser

NOT_DATA = {"cfeatureheading", "cfeaturetypeheading", "dictname", "dictdesc"}


class Cells(HTMLParser):
    """The text of every innermost data cell, in document order."""

    def __init__(self):
        super().__init__(convert_charrefs=True)
        self.open = []  # [text pieces, has a cell inside, counts as data]
        self.cells = []

    def handle_starttag(self, tag, attrs):
        if tag not in ("td", "table"):
            return
        # A cell that opens a table holds other cells, even where it is
        # closed before them.
        if self.open:
            self.open[-1][1] = True
        if tag == "table":
            return
        attributes = dict(attrs)
        classes = set((attributes.get("class") or "").split())
        data = not (classes & NOT_DATA) and "bgcolor" not in attributes
        self.open.append([[], False, data])

    def handle_endtag(self, tag):
        if tag != "td" or not self.open:
            return
        pieces, nested, data = self.open.pop()
        if data and not nested:
            self.cells.append("".join(pieces).replace("\xa0", "").strip())

    def handle_data(self, text):
        if self.open:
            self.open[-1][0].append(text)


def cells_of(path):
    parser = Cells()
    with open(path, encoding="utf-8", errors="replace") as f:
        parser.feed(f.read())
    parser.close()
    return parser.cells


def main():
    default, modern = cells_of(sys.argv[1]), cells_of(sys.argv[2])
    for i, (a, b) in enumerate(zip(default, modern)):
        if a != b:
            print(f"cell {i + 1}: default {a!r}, modern {b!r}")
            return 1
    if len(default) != len(modern):
        print(f"{len(default)} cells in the default report, {len(modern)} in the modern one")
        return 1
    print(f"same facts: {len(default)} cells")
    return 0


if __name__ == "__main__":
    sys.exit(main())
