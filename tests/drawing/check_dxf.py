#!/usr/bin/python3
"""Reads DXF files with ezdxf's strict reader and prints what each holds.

For every file named on the command line: a line "FILE <name>", a line
"LAYERS" with the names of the layer table in its order, then one line per
entity type and layer in the order of first appearance in the model space:
"<type> <layer> <count>", with the total number of vertices added for
polylines. A file the reader refuses prints "REFUSED <name> <reason>" and
makes the exit status 1.
"""

import os
import sys

import ezdxf


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
