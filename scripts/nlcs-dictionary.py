#!/usr/bin/env python3
"""Turns the NLCS object table (NLCS, DigiGO; CC BY 4.0) into a Plotwarden dictionary.

    scripts/nlcs-dictionary.py ../shared/realdata/nlcs-5.1-all-objects.csv OUT.csv [--european]

Each object becomes one feature: its description, layer name, and the colour, weight and line type
of its "new" status (of "existing" where "new" is empty), its symbol as the cell name, and element
types from its element letters (G geometry: lines and shapes; text-height rows: text). With
--european the file is written as a European spreadsheet saves CSV: a byte-order mark, ';' between
fields, decimal commas.
"""
import csv
import sys


def element_types(letters):
    if letters.startswith("("):  # a text height such as (T2.5)
        return "[17]"
    return "[3,4,6,16]"


def main():
    source, target = sys.argv[1], sys.argv[2]
    european = "--european" in sys.argv[3:]
    with open(source, encoding="utf-8", newline="") as f:
        rows = list(csv.DictReader(f))
    header = ["FEATURE NAME", "LEVEL", "COLOUR", "WEIGHT", "LINE STYLE", "CELL NAME", "TEXT SCALE",
              "ELEMENT TYPES"]
    with open(target, "w", encoding="utf-8-sig" if european else "utf-8", newline="") as out:
        writer = csv.writer(out, delimiter=";" if european else ",", lineterminator="\r\n")
        writer.writerow(header)
        for row in rows:
            status = "n" if row["kl_n"] else "b"
            weight = row["lw_" + status]
            letters = row["element"]
            height = letters[2:-1] if letters.startswith("(") else ""
            if european:
                weight, height = weight.replace(".", ","), height.replace(".", ",")
            writer.writerow([row["omschrijving"], row["laagnaam"], row["kl_" + status], weight,
                             row["lt_" + status], row["sobject"], height, element_types(letters)])


if __name__ == "__main__":
    main()
