#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Runs the sample writer, then reads what it wrote with Python's plistlib, an independent
reader of property lists and keyed archives, and checks the structure a keyed unarchiver
expects."""

import pathlib
import plistlib
import subprocess
import sys


def unarchive(path):
    archive = plistlib.loads(path.read_bytes())
    assert path.read_bytes().startswith(b"bplist00"), f"{path.name}: not a binary list"
    assert archive["$archiver"] == "NSKeyedArchiver", archive
    assert archive["$version"] == 100000, archive
    objects = archive["$objects"]
    assert objects[0] == "$null", objects[0]
    root = archive["$top"]["root"]
    assert isinstance(root, plistlib.UID), root

    def decode(uid):
        value = objects[uid.data]
        if not isinstance(value, dict):
            return value
        record = objects[value["$class"].data]
        name = record["$classname"]
        assert record["$classes"][-1] == "NSObject", record
        if name == "NSMutableArray":
            assert record["$classes"] == ["NSMutableArray", "NSArray", "NSObject"]
            return [decode(ref) for ref in value["NS.objects"]]
        if name == "NSMutableDictionary":
            assert record["$classes"] == ["NSMutableDictionary", "NSDictionary", "NSObject"]
            keys = [decode(ref) for ref in value["NS.keys"]]
            return {k: decode(ref) for k, ref in zip(keys, value["NS.objects"])}
        raise AssertionError(f"unexpected class {name}")

    return decode(root)


def main():
    writer, out = sys.argv[1], pathlib.Path(sys.argv[2])
    out.mkdir(parents=True, exist_ok=True)
    subprocess.run([writer, str(out)], check=True)
    colors = ["000000", "ffffff", "ff0000", "336699"]

    assert unarchive(out / "sample.tnp") == colors
    assert unarchive(out / "sample.tnf") == [
        {"Name": "One", "Colors": colors}, {"Name": "Two", "Colors": colors}]
    assert unarchive(out / "empty.tnf") == []

    library_bytes = (out / "Favorites.plist").read_bytes()
    assert library_bytes.startswith(b"<?xml"), "the library is written as XML"
    assert plistlib.loads(library_bytes) == {
        "Group": "Root",
        "Entries": [
            {"Group": "Outer", "Expanded": True,
             "Entries": [{"Name": "Café & <Tea>", "Colors": colors}]},
            {"Name": "Plain", "Colors": colors},
        ],
    }
    print("all written files read back as expected")


if __name__ == "__main__":
    main()
