#!/usr/bin/env python3
"""Prints the layout of option_list and of option_list::option as an abidw
description gives it: each class's size, then each data member's offset,
name and type, one per line. abidiff does not follow option_list::option,
which the interface reaches only as std::list's template argument, so
scripts/abi.sh compares these lines itself.

  scripts/abi-layout.py DESCRIPTION.abi
"""
import sys
import xml.etree.ElementTree as ET

CLASSES = ("option_list", "option")


def main(path):
    root = ET.parse(path).getroot()
    by_id = {e.get("id"): e for e in root.iter() if e.get("id")}

    def type_name(type_id):
        e = by_id.get(type_id)
        if e is None:
            return "?"
        if e.get("name"):
            return e.get("name")
        return "%s(%s)" % (e.tag, type_name(e.get("type-id")))

    lines = set()
    for c in root.iter("class-decl"):
        name = c.get("name")
        if name not in CLASSES or c.get("is-declaration-only") == "yes":
            continue
        lines.add((name, -1, "%s: %s bits" % (name, c.get("size-in-bits"))))
        for member in c.findall("data-member"):
            var = member.find("var-decl")
            offset = int(member.get("layout-offset-in-bits"))
            lines.add((name, offset, "%s at %d: %s %s" % (
                name, offset, type_name(var.get("type-id")), var.get("name"))))
    print("\n".join(text for _, _, text in sorted(lines)))


if __name__ == "__main__":
    main(sys.argv[1])
