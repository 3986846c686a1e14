#!/usr/bin/python3
"""Writes the small DXF drawings of tests/data/dxf/ with ezdxf (python3-ezdxf).

Each version gets one drawing of the same content: two layers with colours,
line types and weights, a block with an attribute, and entities of model and
paper space. Run from the repository's top folder; the output is committed.
"""
import os
import ezdxf

OUT = os.path.join("tests", "data", "dxf")
VERSIONS = ["R12", "R2000", "R2004", "R2007", "R2010", "R2013", "R2018"]


def make(version, special_layer):
    doc = ezdxf.new(version, setup=["linetypes", "dimstyles"])
    doc.header["$HANDSEED"] = "FFFF"
    doc.layers.add("Walls", color=1, linetype="DASHED", lineweight=50)
    hidden = doc.layers.add("Hidden", color=3)
    hidden.off()
    doc.layers.add(special_layer, color=200)
    doc.styles.add("Notes", font="arial.ttf")
    door = doc.blocks.new("Door")
    door.add_line((0, 0), (1, 0), dxfattribs={"layer": "Walls"})
    door.add_arc((0, 0), 1, 0, 90)
    door.add_attdef("TAG", (0, 0))
    msp = doc.modelspace()
    msp.add_line((0, 0), (10, 0), dxfattribs={"layer": "Walls", "color": 5, "lineweight": 35})
    msp.add_circle((0, 0), 3, dxfattribs={"layer": "Hidden", "linetype": "BYBLOCK", "color": 0})
    if version == "R12":
        msp.add_polyline2d([(0, 0), (1, 0), (1, 1)], close=True, dxfattribs={"layer": "Walls"})
    else:
        msp.add_lwpolyline([(0, 0), (1, 0), (1, 1)], close=True, dxfattribs={"layer": "Walls"})
    msp.add_polyline2d([(0, 0), (2, 0)], dxfattribs={"layer": special_layer})
    msp.add_text("Hello", dxfattribs={"style": "Notes", "layer": special_layer})
    insert = msp.add_blockref("Door", (5, 5), dxfattribs={"layer": "Walls"})
    insert.add_auto_attribs({"TAG": "D1"})
    mesh = msp.add_polymesh((2, 2))
    for m in range(2):
        for n in range(2):
            mesh.set_mesh_vertex((m, n), (m, n, 0))
    if version != "R12":
        msp.add_mtext("Note", dxfattribs={"style": "Notes"})
        face = msp.add_polyface()
        face.append_face([(0, 0, 0), (1, 0, 0), (1, 1, 0)])
    dim = msp.add_linear_dim(base=(0, 2), p1=(0, 0), p2=(10, 0), dimstyle="EZDXF")
    dim.render()
    doc.layouts.get("Layout1").add_line((0, 0), (1, 1), dxfattribs={"layer": "Walls"})
    return doc


def make_audit(version):
    """One drawing with each audit rule once kept and once broken, against
    tests/data/audit/input/standard.csv and codes.csv."""
    doc = ezdxf.new(version, setup=["linetypes", "dimstyles"])
    doc.header["$HANDSEED"] = "FFFF"
    doc.layers.add("WALLS", color=1, linetype="Continuous", lineweight=50)
    doc.layers.add("Walls_Hidden", color=8)
    doc.layers.add("DOORS", color=3)
    doc.layers.add("NOTES", color=2)
    doc.layers.add("DIMS", color=3)
    doc.layers.add("FENCE_NORTH", color=2, linetype="DASHED")  # the standard says 4
    doc.layers.add("LEADERS", color=2)
    doc.layers.add("HATCH", color=9)
    doc.layers.add("SKETCH", color=7)
    doc.styles.add("NOTES", font="arial.ttf")
    doc.dimstyles.new("DIMS")
    door = doc.blocks.new("DOOR")
    door.add_line((0, 0), (1, 0), dxfattribs={"layer": "0", "color": 0})  # takes the INSERT's
    door.add_line((0, 0), (0, 1), dxfattribs={"layer": "WALLS", "color": 5})  # wrong colour
    doc.blocks.new("WINDOW").add_line((0, 0), (1, 0))
    msp = doc.modelspace()
    weight = {} if version == "R12" else {"lineweight": 50}
    msp.add_line((0, 0), (1, 0), dxfattribs={"layer": "WALLS", "color": 1, **weight})
    msp.add_line((0, 1), (1, 1), dxfattribs={"layer": "WALLS", "color": 5})
    msp.add_line((0, 2), (1, 2), dxfattribs={"layer": "WALLS", "color": 1, "linetype": "DASHED"})
    msp.add_line((0, 3), (1, 3), dxfattribs={"layer": "WALLS", "color": 1, "lineweight": 35})
    msp.add_circle((0, 0), 1, dxfattribs={"layer": "WALLS", "color": 1})
    msp.add_line((0, 4), (1, 4), dxfattribs={"layer": "Walls_Hidden"})
    msp.add_line((0, 5), (1, 5), dxfattribs={"layer": "WALLS_HIDDEN", "color": 8})
    msp.add_blockref("DOOR", (5, 5), dxfattribs={"layer": "DOORS"})
    msp.add_blockref("WINDOW", (6, 5), dxfattribs={"layer": "DOORS"})
    msp.add_text("Right", dxfattribs={"layer": "NOTES", "style": "NOTES", "color": 2})
    msp.add_text("Wrong", dxfattribs={"layer": "NOTES", "style": "Standard", "color": 2})
    msp.add_linear_dim(base=(0, 2), p1=(0, 0), p2=(10, 0), dimstyle="DIMS",
                       dxfattribs={"layer": "DIMS", "color": 3}).render()
    msp.add_linear_dim(base=(0, 3), p1=(0, 0), p2=(10, 0), dimstyle="EZDXF",
                       dxfattribs={"layer": "DIMS", "color": 3}).render()
    msp.add_line((0, 6), (1, 6), dxfattribs={"layer": "FENCE_NORTH", "color": 4})
    msp.add_line((0, 7), (1, 7), dxfattribs={"layer": "SKETCH"})
    if version != "R12":
        msp.add_leader([(0, 0), (1, 1)], dxfattribs={"layer": "LEADERS", "color": 2})
        msp.add_leader([(0, 0), (1, 1)], dxfattribs={"layer": "NOTES", "color": 2})
        hatch = msp.add_hatch(color=9, dxfattribs={"layer": "HATCH"})
        hatch.paths.add_polyline_path([(0, 0), (1, 0), (1, 1)], is_closed=True)
    return doc


def make_example():
    """A site plan drawn on the bundled example's civil works levels, with a
    few deliberate faults for its audit."""
    doc = ezdxf.new("R2018", setup=["linetypes"])
    doc.header["$HANDSEED"] = "FFFF"
    doc.layers.add("RD_CL", color=1, linetype="DASHDOT", lineweight=200)
    doc.layers.add("RD_EDGE", color=3, linetype="Continuous", lineweight=100)
    doc.layers.add("RD_KERB", color=2, linetype="Continuous", lineweight=200)  # the standard says 7
    doc.layers.add("RD_TEXT", color=4, linetype="Continuous", lineweight=100)
    doc.layers.add("ST_LAMP", color=7)
    doc.layers.add("SURVEY_TEMP", color=7)
    doc.styles.add("Road Names", font="arial.ttf")
    lamp = doc.blocks.new("LAMP")
    lamp.add_circle((0, 0), 0.3, dxfattribs={"layer": "0", "color": 0})
    doc.blocks.new("BOLLARD").add_circle((0, 0), 0.1, dxfattribs={"layer": "0", "color": 0})
    msp = doc.modelspace()
    msp.add_line((0, 5), (60, 5), dxfattribs={"layer": "RD_CL"})
    msp.add_line((0, 0), (60, 0), dxfattribs={"layer": "RD_EDGE"})
    msp.add_line((0, 10), (60, 10), dxfattribs={"layer": "RD_EDGE"})
    msp.add_arc((60, 5), 5, -90, 90, dxfattribs={"layer": "RD_EDGE"})
    msp.add_lwpolyline([(0, -1), (30, -1), (60, -1)], dxfattribs={"layer": "RD_KERB", "color": 7})
    msp.add_lwpolyline([(0, 11), (60, 11)], dxfattribs={"layer": "RD_KERB", "color": 2})
    msp.add_text("High Street", dxfattribs={"layer": "RD_TEXT", "style": "Road Names"})
    msp.add_text("Mill Lane", dxfattribs={"layer": "RD_TEXT"})
    for x in (10, 30, 50):
        msp.add_blockref("LAMP", (x, 12), dxfattribs={"layer": "ST_LAMP", "color": 0})
    msp.add_blockref("BOLLARD", (20, 12), dxfattribs={"layer": "ST_LAMP", "color": 0})
    msp.add_circle((25, 25), 1, dxfattribs={"layer": "SURVEY_TEMP"})
    return doc


def main():
    os.makedirs(OUT, exist_ok=True)
    os.makedirs(os.path.join("examples", "drawings"), exist_ok=True)
    make_example().saveas(os.path.join("examples", "drawings", "site-plan.dxf"))
    audit = os.path.join("tests", "data", "audit", "input")
    os.makedirs(audit, exist_ok=True)
    make_audit("R2018").saveas(os.path.join(audit, "site.dxf"))
    make_audit("R12").saveas(os.path.join(audit, "site-r12.dxf"))
    for version in VERSIONS:
        name = "Straße-Ø" if version in ("R12", "R2000") else "Grün-名前"
        doc = make(version, name)
        doc.saveas(os.path.join(OUT, version.lower() + ".dxf"))
    make("R2010", "Plain").saveas(os.path.join(OUT, "binary.dxf"), fmt="bin")


if __name__ == "__main__":
    main()
