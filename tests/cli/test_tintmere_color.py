#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Runs tintmere-color with each case's arguments and input, and checks its standard output,
a piece of its standard error and its exit status. Usage: test_tintmere_color.py TOOL"""
import pathlib
import subprocess
import sys
import tempfile

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parents[2] / "scripts"))
import make_hostile_files  # noqa: E402

# (arguments, standard input or None, expected output, expected status, piece of stderr)
CASES = [
    (["format", "%Xr%Xg%Xb", "1,0.6,0.2"], None, "ff9933\n", 0, ""),
    (["format", "rgb(%0r,%0g,%0b) %3r", "#7f3fbf"], None, "rgb(127,63,191) 0.498\n", 0, ""),
    (["format", "%xr%xg%xb", "f93", "0.5,0.25,0.75"], None, "f93\n7f3fbf\n", 0, ""),
    (["format", "50%% of %0r, %"], "1, 0, 0\n", "50% of 255, %\n", 0, ""),
    (["format", "%Xr"], "ff9933\nxyz\n000000\n", "ff\n", 2, 'line 2: cannot read colour "xyz"'),
    (["format", "%0r", "1.5,0,0"], None, "", 2, "outside 0 to 1"),
    (["format", "%0r", "ff99"], None, "", 2, "cannot read colour"),
    (["format"], None, "", 2, "missing FORMAT"),
    (["format", "%0r", "--", "-f-9-3"], None, "255\n", 0, ""),
    (["preset", "hex", "ff9933"], None, "#ff9933\n", 0, ""),
    (["preset", "hex", "--variant", "1", "--shorthand", "--uppercase", "ff9933", "7f3fbf"],
     None, "F93\n7F3FBF\n", 0, ""),
    (["preset", "rgb", "--uppercase", "0.5,0.25,0.75"], None, "RGB(127,63,191)\n", 0, ""),
    (["preset", "rgb", "--variant=1", "ff9933"], None, "rgb(255,153,51)\n", 0, ""),
    (["preset", "web", "0.5,0.25,0.75"], None, "#63c\n", 0, ""),
    (["preset", "web", "--variant", "4", "--uppercase"], "7f3fbf\n", "rgb(102,51,204)\n", 0, ""),
    (["preset", "web", "--variant", "9", "7f3fbf"], None, "RGB(102,51,204)\n", 0, ""),
    (["preset", "cmyk", "ff9933"], None, "", 2, "unknown preset family"),
    (["preset", "hex", "--bold", "ff9933"], None, "", 2, 'unknown option "--bold"'),
    (["preset", "hex", "--variant"], None, "", 2, "needs a value"),
    (["preset", "web", "--variant", "two", "f93"], None, "", 2, "whole number"),
    (["parse", "ff9933", "RGB(255, 153, 51)", "#F93", "ff99"], None,
     "ff9933\nff9933\nff9933\nffff99\n", 0, ""),
    (["parse", "rgb(256,0,0)", "f93"], None, "none\nff9933\n", 1, ""),
    (["parse"], " # FF 99 33 \r\nhello\n", "ff9933\nnone\n", 1, ""),
    (["hex", "#FFF", " 80 80 80 ", "ff-99-33"], None, "ffffff\n808080\nff9933\n", 0, ""),
    (["hex", "ff99", "#ff9933"], None, "none\nff9933\n", 1, ""),
    (["hex"], "", "", 0, ""),
    (["convert", "--to", "css-rgb", "#336699", "rebeccapurple"], None,
     "rgb(51 102 153)\nrgb(102 51 153)\n", 0, ""),
    (["convert", "--to", "hsl"], "0.2,0.4,0.6\n", "hsl(210 50% 40%)\n", 0, ""),
    (["convert", "--to=oklch", "oklch(0.7 0.1 200)", "hsla(0, 100%, 50%, .5)"], None,
     "oklch(0.7 0.1 200)\noklch(0.62796 0.25768 29.23 / 0.5)\n", 0, ""),
    (["convert", "--to", "hexa", "#f938", "#ff993380", "ff9933"], None,
     "#ff993388\n#ff993380\n#ff9933ff\n", 0, ""),
    (["convert", "--to", "name", "336699", "aqua"], None, "steelblue (ΔEOK 0.089)\naqua\n", 0, ""),
    (["convert", "ff9933"], None, "", 2, "convert needs --to"),
    (["convert", "--to", "lab", "ff9933"], None, "", 2, 'unknown target "lab"'),
    (["convert", "--to", "hsl", "rgb(1 2)"], None, "", 2, 'cannot read colour "rgb(1 2)"'),
    (["contrast", "#777", "white"], None,
     "WCAG contrast ratio 4.47:1\nAA body text fail (4.5:1)\nAA large text pass (3:1)\n"
     "AAA body text fail (7:1)\nAAA large text fail (4.5:1)\n"
     "APCA Lc 71.1 (#777777 text on #ffffff)\nAPCA Lc -76.6 (#ffffff text on #777777)\n", 0, ""),
    (["contrast", "red"], None, "", 2, "missing BG"),
    (["palette", "colours.doc"], None, "", 2, "FILE must be"),
    (["frobnicate"], None, "", 2, 'unknown command "frobnicate"'),
    ([], None, "", 2, "Usage:"),
]


# Names with characters that would break the one-line-per-favorite output or drive the
# terminal, and how `palette` prints each.
ESCAPED_NAMES = [
    ("Tab\there", "Tab\\there"),
    ("Line\nbreak\r\n", "Line\\nbreak\\r\\n"),
    ("\x1b[31mRed\x1b[0m", "\\u001b[31mRed\\u001b[0m"),
    ("Nul\x00byte", "Nul\\u0000byte"),
    ("Bell\x07 del\x7f", "Bell\\u0007 del\\u007f"),
    ("C1\x85 csi\x9b", "C1\\u0085 csi\\u009b"),
    ("Separator\u2028here", "Separator\\u2028here"),
    ("Back\\slash", "Back\\\\slash"),
    ("Ünïcode “as is”", "Ünïcode “as is”"),
]


def favorites_file(names):
    """A favorites file of one favorite per name, all with the same four colours."""
    o = make_hostile_files.Objects()
    root = o.add(None)
    array_class = o.add(make_hostile_files.class_record("NSMutableArray", "NSArray"))
    dict_class = o.add(make_hostile_files.class_record("NSMutableDictionary", "NSDictionary"))
    name_key, colors_key = o.add("Name"), o.add("Colors")
    colors = o.add({"NS.objects": [o.add(c) for c in make_hostile_files.COLORS],
                    "$class": array_class})
    favorites = [o.add({"NS.keys": [name_key, colors_key], "NS.objects": [o.add(n), colors],
                        "$class": dict_class}) for n in names]
    o.objects[root.data] = {"NS.objects": favorites, "$class": array_class}
    return make_hostile_files.archive(o.objects, root.data)


def check_escaped_names(tool):
    """Each favorite stays on one line, its name's control characters escaped. 1 on failure."""
    with tempfile.TemporaryDirectory() as temp:
        path = pathlib.Path(temp) / "names.tnf"
        path.write_bytes(favorites_file([name for name, _ in ESCAPED_NAMES]))
        result = subprocess.run([tool, "palette", str(path)], capture_output=True, timeout=20)
        colours = " ".join(make_hostile_files.COLORS)
        wanted = "".join(f"{printed}\t{colours}\n" for _, printed in ESCAPED_NAMES)
        if result.returncode != 0 or result.stdout.decode("utf-8") != wanted:
            print(f"FAIL escaped names: status {result.returncode}\n"
                  f"  stdout {result.stdout!r}\n  (want {wanted.encode()!r})")
            return 1
    return 0


def run(tool, arguments, stdin):
    return subprocess.run([tool] + arguments, input=stdin if stdin is not None else "",
                          capture_output=True, text=True, encoding="utf-8", timeout=20)


def main():
    tool = sys.argv[1]
    failures = 0
    for arguments, stdin, out, status, err in CASES:
        result = run(tool, arguments, stdin)
        if result.stdout != out or result.returncode != status or err not in result.stderr:
            failures += 1
            print(f"FAIL {arguments!r} input={stdin!r}\n"
                  f"  status {result.returncode} (want {status})\n"
                  f"  stdout {result.stdout!r} (want {out!r})\n"
                  f"  stderr {result.stderr!r} (want to contain {err!r})")

    # Help is on standard output and succeeds, for the tool and for each command.
    for arguments in (["--help"], ["format", "--help"], ["preset", "--help"], ["parse", "-h"],
                      ["convert", "--help"], ["contrast", "-h"]):
        result = run(tool, arguments, None)
        if result.returncode != 0 or "Usage" not in result.stdout:
            failures += 1
            print(f"FAIL help {arguments!r}: status {result.returncode}, {result.stdout!r}")

    failures += check_escaped_names(tool)
    result = run(tool, ["palette", "--help"], None)
    if "\\u001b" not in result.stdout or "\\t" not in result.stdout:
        failures += 1
        print(f"FAIL palette --help does not say how names are escaped: {result.stdout!r}")

    # Thousands of colours go through one process, in order.
    colours = [f"{n:02x}{255 - n:02x}{n * 7 % 256:02x}" for n in range(256)] * 20
    result = run(tool, ["parse"], "\n".join(colours) + "\n")
    if result.returncode != 0 or result.stdout.split() != colours:
        failures += 1
        print("FAIL round trip of 5120 colours through standard input")

    print(f"{len(CASES) + 9 - failures} of {len(CASES) + 9} checks passed")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
