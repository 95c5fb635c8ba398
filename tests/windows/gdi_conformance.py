#!/usr/bin/env python3
"""The game's rasteriser against real GDI: writes the generated cases, has
the GDI probe and the raster tool draw them (both through the emulator, so
both run as the Windows build) and compares their outputs case by case.
Fails, showing the first differing cases, on any difference, on a program
that fails or complains, and on outputs of the wrong length.

    gdi_conformance.py --run EMULATOR --probe PROBE --raster RASTER --work DIR
"""

import argparse
import collections
import os
import subprocess
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import gdi_cases  # noqa: E402

SHOWN_DIFFERENCES = 8

# A program that hangs is given up on long before the test's own time runs
# out, so the outputs it left can still be shown.
PROGRAM_TIMEOUT_SECONDS = 200


def run(command, cases_path, out_path, err_path):
    """Runs a program on the cases. Its output goes to files, not pipes: a
    helper process of the emulator may hold a pipe open long after."""
    started = time.monotonic()
    with open(cases_path, "rb") as cases, open(out_path, "wb") as out, \
            open(err_path, "wb") as err:
        try:
            status = subprocess.run(command, stdin=cases, stdout=out, stderr=err,
                                    timeout=PROGRAM_TIMEOUT_SECONDS).returncode
        except subprocess.TimeoutExpired:
            status = f"none: still running after {PROGRAM_TIMEOUT_SECONDS} s (crashed?)"
    elapsed = time.monotonic() - started
    with open(out_path, "rb") as out, open(err_path, "rb") as err:
        return status, out.read().decode(), err.read().decode(), elapsed


def pixels(line):
    return set(line.split()) if line else set()


def row_major(pixel_set):
    def place(pixel):
        x, y, _ = pixel.split(",")
        return int(y), int(x)
    return sorted(pixel_set, key=place)


def describe(number, case, gdi, ours):
    only_gdi = row_major(pixels(gdi) - pixels(ours))
    only_ours = row_major(pixels(ours) - pixels(gdi))
    return (f"case {number}: {case}\n"
            f"  GDI:        {gdi or '(nothing)'}\n"
            f"  rasteriser: {ours or '(nothing)'}\n"
            f"  only GDI:   {' '.join(only_gdi) or '-'}\n"
            f"  only ours:  {' '.join(only_ours) or '-'}")


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--run", default="", help="the emulator, or empty")
    parser.add_argument("--probe", required=True)
    parser.add_argument("--raster", required=True)
    parser.add_argument("--work", required=True)
    parser.add_argument("--seed", type=int, default=3941)
    parser.add_argument("--cases", help="a file of cases instead of the generated set")
    args = parser.parse_args()

    os.makedirs(args.work, exist_ok=True)
    if args.cases:
        with open(args.cases) as f:
            cases = [line.rstrip("\n") for line in f if line.strip()]
    else:
        cases = gdi_cases.generate(args.seed)
    cases_path = os.path.join(args.work, "cases.txt")
    with open(cases_path, "w") as f:
        f.write("".join(case + "\n" for case in cases))
    kinds = collections.Counter(case.split()[2] for case in cases)
    print(f"{len(cases)} cases: " + ", ".join(f"{n} {k}" for k, n in sorted(kinds.items())))

    emulator = [args.run] if args.run else []
    outputs = {}
    failed = False
    for name, program in [("gdi", args.probe), ("raster", args.raster)]:
        status, out, err, elapsed = run(emulator + [program], cases_path,
                                        os.path.join(args.work, f"{name}.out"),
                                        os.path.join(args.work, f"{name}.err"))
        print(f"{name}: status {status}, {elapsed:.1f} s")
        if status != 0 or err:
            print(f"{program} failed with status {status}:\n{err}", file=sys.stderr)
            failed = True
        outputs[name] = out.split("\n")
        if outputs[name] and outputs[name][-1] == "":
            outputs[name].pop()
        if len(outputs[name]) != len(cases):
            print(f"{program} printed {len(outputs[name])} lines for {len(cases)} cases",
                  file=sys.stderr)
            failed = True
    if failed:
        return 1

    differing = [i for i, (gdi, ours) in enumerate(zip(outputs["gdi"], outputs["raster"]))
                 if gdi != ours]
    drawn = sum(1 for line in outputs["gdi"] if line)
    print(f"{drawn} cases left pixels under GDI, {len(cases) - drawn} left none")
    if differing:
        kinds = collections.Counter(cases[i].split()[2] for i in differing)
        print(f"{len(differing)} of {len(cases)} cases differ ("
              + ", ".join(f"{n} {k}" for k, n in sorted(kinds.items())) + "); the first:",
              file=sys.stderr)
        for i in differing[:SHOWN_DIFFERENCES]:
            print(describe(i + 1, cases[i], outputs["gdi"][i], outputs["raster"][i]),
                  file=sys.stderr)
        return 1
    print("every case matched")
    return 0


if __name__ == "__main__":
    sys.exit(main())
