#!/usr/bin/python3
"""Reads DXF files with ezdxf's strict reader and prints what each holds.

For every file named on the command line: a line "FILE <name>", a line
"LAYERS" with the names of the layer table in its order, then one line per
entity type and layer in the order of first appearance in the model space:
"<type> <layer> <count>", with the total number of vertices added for
polylines. Then a line "EXTENTS <xmin> <ymin> <xmax> <ymax>" with the
header's $EXTMIN and $EXTMAX, followed by "MATCH" when they are ezdxf's
bounding box of the entities' geometry (lines and polyline vertices, the
polylines' widths set aside) and by "BBOX <four numbers>" otherwise, or by
"EMPTY" when the model space holds nothing. With their widths counted
(ezdxf draws a wide polyline as a band) the box may stand out by at most
half the largest vertex width, 0.05; a file whose box stands out further
prints "WIDER" and the box. A file the reader refuses prints
"REFUSED <name> <reason>" and makes the exit status 1.
"""

import os
import sys

import ezdxf
from ezdxf import bbox

HALF_WIDTH = 0.05


def describe(path):
    doc = ezdxf.readfile(path)
    print("FILE", os.path.basename(path))
    print("LAYERS", " ".join(layer.dxf.name for layer in doc.layers))
    counts = {}
    for entity in doc.modelspace():
        key = (entity.dxftype(), entity.dxf.layer)
        count, vertices = counts.get(key, (0, 0))
        if entity.dxftype() == "POLYLINE":
            vertices += len(entity.vertices)
        counts[key] = (count + 1, vertices)
    for (kind, layer), (count, vertices) in counts.items():
        if kind == "POLYLINE":
            print(kind, layer, count, vertices)
        else:
            print(kind, layer, count)
    print(extents(doc))


def numbers(values):
    return " ".join("%g" % v for v in values)


def extents(doc):
    msp = doc.modelspace()
    header = (doc.header["$EXTMIN"][0], doc.header["$EXTMIN"][1],
              doc.header["$EXTMAX"][0], doc.header["$EXTMAX"][1])
    line = "EXTENTS " + numbers(header)
    wide = bbox.extents(msp)
    if not wide.has_data:
        return line + " EMPTY"
    for entity in msp.query("POLYLINE"):
        entity.dxf.default_start_width = 0
        entity.dxf.default_end_width = 0
        for vertex in entity.vertices:
            vertex.dxf.start_width = 0
            vertex.dxf.end_width = 0
    box = bbox.extents(msp)
    found = (box.extmin.x, box.extmin.y, box.extmax.x, box.extmax.y)
    if found != header:
        return line + " BBOX " + numbers(found)
    outside = max(header[0] - wide.extmin.x, header[1] - wide.extmin.y,
                  wide.extmax.x - header[2], wide.extmax.y - header[3])
    if outside > HALF_WIDTH + 1e-9:
        return line + " WIDER " + numbers((wide.extmin.x, wide.extmin.y, wide.extmax.x, wide.extmax.y))
    return line + " MATCH"


def main(paths):
    status = 0
    for path in paths:
        try:
            describe(path)
        except Exception as error:  # the reader's refusal, whatever its kind
            print("REFUSED", os.path.basename(path), type(error).__name__)
            status = 1
    return status


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
