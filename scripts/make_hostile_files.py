#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes files shaped to make a careless reader slow, for tests, fuzz seeds and the figures
in docs/PERFORMANCE.md. Each is small for what it asks of a reader, and each is a file the
program must answer within a bounded time: read or refused with a message.

Usage: make_hostile_files.py DIR [--favorites N] [--keys N] [--doctypes N]
  shared-dictionary.tnf  N favorites that all refer to one dictionary of --keys keys, whose
                         "Name" and "Colors" come last
  shared-colors.tnf      N favorites that share one colour array of --keys elements
  shared-class.tnf       N favorites whose class record lists --keys class names
  doctypes.tnp           an XML keyed archive after --doctypes document type declarations
  doctypes.plist         a library after as many declarations
"""

import argparse
import pathlib
import plistlib
from plistlib import UID

COLORS = ["ff0000", "00ff00", "0000ff", "ffffff"]


def archive(objects, root):
    return plistlib.dumps(
        {"$archiver": "NSKeyedArchiver", "$version": 100000,
         "$top": {"root": UID(root)}, "$objects": objects},
        fmt=plistlib.FMT_BINARY, sort_keys=False)


def class_record(name, *supers):
    return {"$classname": name, "$classes": [name, *supers, "NSObject"]}


class Objects:
    def __init__(self):
        self.objects = ["$null"]

    def add(self, value):
        self.objects.append(value)
        return UID(len(self.objects) - 1)


def favorites_archive(favorites, keys, shape):
    """`favorites` references to one favorite dictionary, which is large in the given way."""
    o = Objects()
    root = o.add(None)
    array_class = o.add(class_record("NSMutableArray", "NSArray"))
    dict_class = o.add(class_record("NSMutableDictionary", "NSDictionary"))
    if shape == "class":
        dict_class = o.add({"$classname": "NSMutableDictionary",
                            "$classes": [f"C{n}" for n in range(keys)] + ["NSDictionary"]})
    name_key, colors_key, name = o.add("Name"), o.add("Colors"), o.add("Shared")
    color_refs = [o.add(c) for c in COLORS]
    if shape == "colors":
        color_refs = color_refs + [color_refs[0]] * keys
    colors = o.add({"NS.objects": color_refs, "$class": array_class})
    key_refs, value_refs = [name_key, colors_key], [name, colors]
    if shape == "dictionary":
        extra = [o.add(f"k{n}") for n in range(keys)]
        key_refs, value_refs = extra + key_refs, extra + value_refs
    favorite = o.add({"NS.keys": key_refs, "NS.objects": value_refs, "$class": dict_class})
    o.objects[root.data] = {"NS.objects": [favorite] * favorites, "$class": array_class}
    return archive(o.objects, root.data)


def with_doctypes(xml, count):
    """The XML with `count` document type declarations where one is allowed."""
    head, rest = xml.split(b"<plist", 1)
    return head + b"<!DOCTYPE plist>\n" * count + b"<plist" + rest


def files(favorites, keys, doctypes):
    def uid(n):  # the XML form of a reference
        return {"CF$UID": n}

    palette = plistlib.dumps(
        {"$archiver": "NSKeyedArchiver", "$version": 100000, "$top": {"root": uid(1)},
         "$objects": ["$null", {"NS.objects": [uid(3), uid(4), uid(5), uid(6)],
                                "$class": uid(2)},
                      class_record("NSMutableArray", "NSArray"), *COLORS]},
        fmt=plistlib.FMT_XML)
    library = plistlib.dumps(
        {"Group": "Root", "Entries": [{"Name": "Warm", "Colors": COLORS}]}, fmt=plistlib.FMT_XML)
    return {
        "shared-dictionary.tnf": favorites_archive(favorites, keys, "dictionary"),
        "shared-colors.tnf": favorites_archive(favorites, keys, "colors"),
        "shared-class.tnf": favorites_archive(favorites, keys, "class"),
        "doctypes.tnp": with_doctypes(palette, doctypes),
        "doctypes.plist": with_doctypes(library, doctypes),
    }


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("dir", type=pathlib.Path)
    parser.add_argument("--favorites", type=int, default=10000)
    parser.add_argument("--keys", type=int, default=3000)
    parser.add_argument("--doctypes", type=int, default=100000)
    args = parser.parse_args()
    args.dir.mkdir(parents=True, exist_ok=True)
    for name, data in files(args.favorites, args.keys, args.doctypes).items():
        (args.dir / name).write_bytes(data)


if __name__ == "__main__":
    main()
