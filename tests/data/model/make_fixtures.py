#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes the binary fixture files of the model tests. Run it from anywhere; the files land
beside this script. The output is committed, so the tests never depend on Python."""

import pathlib
import plistlib
from plistlib import UID

HERE = pathlib.Path(__file__).resolve().parent


def doubling(levels):
    """Arrays nested `levels` deep, each holding the next one twice. plistlib writes a
    shared list once, so the file stays tiny while the tree it stands for has 2**levels
    leaves."""
    inner = ["x"]
    for _ in range(levels):
        inner = [inner, inner]
    return plistlib.dumps(inner, fmt=plistlib.FMT_BINARY)


def cycle():
    """An array that contains itself."""
    loop = ["a"]
    loop.append(loop)
    return plistlib.dumps({"Group": "Root", "Entries": loop}, fmt=plistlib.FMT_BINARY)


def archive(objects, root=1):
    return plistlib.dumps(
        {"$archiver": "NSKeyedArchiver", "$version": 100000,
         "$top": {"root": UID(root)}, "$objects": objects},
        fmt=plistlib.FMT_BINARY)


def class_record(name, *supers):
    return {"$classname": name, "$classes": [name, *supers, "NSObject"]}


def old_palette():
    """A palette file of the older form: its root is a dictionary of colour strings."""
    return archive([
        "$null",
        {"NS.keys": [UID(2), UID(3), UID(4), UID(5)],
         "NS.objects": [UID(6), UID(7), UID(8), UID(9)], "$class": UID(10)},
        "w", "x", "y", "z",
        "ff0000", "00FF00", "0000ff", "808080",
        class_record("NSCFDictionary", "NSMutableDictionary", "NSDictionary"),
    ])


def spring_colors():
    """A favorites file of three favorites as another program's archiver writes it: shared
    key strings, an immutable colour array and one name stored as a mutable string."""
    objects = ["$null"]

    def add(value):
        objects.append(value)
        return UID(len(objects) - 1)

    root = add(None)
    name_key, colors_key = add("Name"), add("Colors")
    array_class = add(class_record("NSMutableArray", "NSArray"))
    fixed_array_class = add(class_record("NSArray"))
    dict_class = add(class_record("NSMutableDictionary", "NSDictionary"))
    string_class = add(class_record("NSMutableString", "NSString"))
    favorites = []
    for index, (name, colors) in enumerate([
            ("Blossom", ["ffc0cb", "ff69b4", "ffffff", "98fb98"]),
            ("Meadow", ["7cfc00", "228b22", "f0e68c", "87ceeb"]),
            ("Rain", ["708090", "b0c4de", "4682b4", "f8f8ff"])]):
        if index == 1:
            name_ref = add({"NS.string": name, "$class": string_class})
        else:
            name_ref = add(name)
        color_refs = [add(c) for c in colors]
        colors_ref = add({"NS.objects": color_refs,
                          "$class": fixed_array_class if index == 2 else array_class})
        favorites.append(add({"NS.keys": [name_key, colors_key],
                              "NS.objects": [name_ref, colors_ref], "$class": dict_class}))
    objects[root.data] = {"NS.objects": favorites, "$class": array_class}
    return archive(objects, root.data)


def main():
    files = {
        "doubling-22.plist": doubling(22),
        "doubling-30.plist": doubling(30),
        "cycle.plist": cycle(),
        "old-palette.tnp": old_palette(),
        "Spring Colors.tnf": spring_colors(),
    }
    for name, data in files.items():
        (HERE / name).write_bytes(data)


if __name__ == "__main__":
    main()
