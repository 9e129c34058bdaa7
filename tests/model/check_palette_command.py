#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""tintmere-color palette through its real interface: arguments, output, errors, status."""

import os
import pathlib
import shutil
import subprocess
import sys
import tempfile
import time

TOOL = sys.argv[1]
DATA = pathlib.Path(sys.argv[2])
sys.path.insert(0, str(DATA.parents[2] / "scripts"))
import make_hostile_files  # noqa: E402

# Hostile files are answered within this many seconds, on a loaded machine too.
ANSWER_SECONDS = 5


def run(*arguments):
    result = subprocess.run([TOOL, "palette", *map(str, arguments)], capture_output=True,
                            text=True, timeout=20)
    return result.returncode, result.stdout, result.stderr


def expect(case, got, wanted):
    if got != wanted:
        sys.exit(f"{case}: got {got!r}, wanted {wanted!r}")


def main():
    with tempfile.TemporaryDirectory() as temp:
        temp = pathlib.Path(temp)
        written = temp / "written.tnp"
        expect("write", run("--write", written, "000000", "#fff", "1,0,0", "0.2,0.4,0.6"),
               (0, "", ""))
        expect("read back", run(written), (0, "000000 ffffff ff0000 336699\n", ""))
        expect("write with =", run(f"--write={written}", "f00", "0f0", "00f", "fff")[0], 0)
        expect("read again", run(written)[1], "ff0000 00ff00 0000ff ffffff\n")

        expect("favorites", run(DATA / "Spring Colors.tnf"),
               (0, "Blossom\tffc0cb ff69b4 ffffff 98fb98\n"
                   "Meadow\t7cfc00 228b22 f0e68c 87ceeb\n"
                   "Rain\t708090 b0c4de 4682b4 f8f8ff\n", ""))

        # The favorites go round every format and come back as they were.
        spring = run(DATA / "Spring Colors.tnf")[1]
        source = DATA / "Spring Colors.tnf"
        for target in ["gpl", "json", "css", "tnf"]:
            converted = temp / f"round.{target}"
            expect(f"to {target}", run(source, "--to", target, converted), (0, "", ""))
            expect(f"{target} favorites", run(converted), (0, spring, ""))
            source = converted
        expect("gpl to standard output", run(source, "--to", "gpl")[1].splitlines()[:3],
               ["GIMP Palette", "Name: round", "Columns: 4"])
        expect("palette to json", run(written, "--to", "json", temp / "p.json")[0], 0)
        expect("json palette", run(temp / "p.json"), (0, "ff0000 00ff00 0000ff ffffff\n", ""))
        expect("json palette to tnp", run(temp / "p.json", "--to", "tnp", temp / "p.tnp")[0], 0)
        expect("tnp again", run(temp / "p.tnp")[1], "ff0000 00ff00 0000ff ffffff\n")
        for case, arguments in [("binary to standard output", [written, "--to", "tnp"]),
                                ("unknown target", [written, "--to", "ase"])]:
            expect(f"{case} status", run(*arguments)[0], 2)
        (temp / "bad.gpl").write_text("GIMP Palette\n1 2 x\n")
        expect("bad gpl", run(temp / "bad.gpl", "--to", "json"),
               (1, "", "tintmere-color: The file “bad.gpl” could not be opened: "
                       "line 2 has “x” where a value from 0 to 255 belongs.\n"))

        older = temp / "older.tnp"
        shutil.copy(DATA / "old-palette.tnp", older)
        before = older.read_bytes()
        expect("older palette", run(older), (0, "ff0000 00ff00 0000ff 808080\n", ""))
        expect("older palette left alone", older.read_bytes() == before, True)

        hostile = temp / "hostile.tnf"
        shutil.copy(DATA / "doubling-30.plist", hostile)
        (temp / "garbage.tnp").write_bytes(b"\x00" * 100)
        blocker = temp / "blocker"
        blocker.write_text("a file, not a folder")
        (temp / "zero.tnp").symlink_to("/dev/zero")
        os.mkfifo(temp / "pipe.tnf")
        (temp / "folder.tnp").mkdir()
        for case, arguments in [
                ("hostile", [hostile]),
                ("link to /dev/zero", [temp / "zero.tnp"]),
                ("pipe without a writer", [temp / "pipe.tnf"]),
                ("folder", [temp / "folder.tnp"]),
                ("garbage", [temp / "garbage.tnp"]),
                ("missing", [temp / "missing.tnp"]),
                ("unwritable", ["--write", blocker / "x.tnp", "000", "000", "000", "000"])]:
            status, out, err = run(*arguments)
            expect(f"{case} status", status, 1)
            expect(f"{case} output", out, "")
            name = pathlib.Path(arguments[-1] if case != "unwritable" else "x.tnp").name
            expect(f"{case} message names the file", name in err and err.count("\n") == 1, True)

        for case, arguments in [("three colours", ["--write", written, "000", "000", "000"]),
                                ("not a colour", ["--write", written, "a", "b", "c", "d"]),
                                ("other extension", [temp / "x.txt"]),
                                ("no file", [])]:
            expect(f"{case} status", run(*arguments)[0], 2)
        expect("failed write left the file alone", run(written)[1],
               "ff0000 00ff00 0000ff ffffff\n")

        # Files that ask a careless reader for hours of work.
        hostile_files = make_hostile_files.files(favorites=30000, keys=30000, doctypes=0)
        for name in ["shared-dictionary.tnf", "shared-colors.tnf", "shared-class.tnf"]:
            path = temp / name
            path.write_bytes(hostile_files[name])
            start = time.monotonic()
            status, out, err = run(path)
            elapsed = time.monotonic() - start
            expect(f"{name} status", (status, err), (0, ""))
            expect(f"{name} lines", out.count("\n"), 30000)
            expect(f"{name} answered in time", elapsed < ANSWER_SECONDS, True)
    print("palette command behaves")


if __name__ == "__main__":
    main()
