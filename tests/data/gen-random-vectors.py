#!/usr/bin/env python3
"""Makes fortran-edit-descriptors-random.tsv with gfortran: random magnitudes from 1e-12 to 1e12
and values near rounding ties, written in the report's formats by the Fortran runtime.
    python3 gen-random-vectors.py > fortran-edit-descriptors-random.tsv
"""
import os, random, subprocess, sys, tempfile

FORMATS = ["E10.3", "E13.4", "E11.4", "F10.3", "F8.2", "F6.1", "F9.5", "D12.4", "E9.2"]


def values():
    random.seed(7)
    out = []
    for i in range(3000):
        v = random.choice([1, -1]) * 10 ** random.uniform(-12, 12)
        if i % 5 == 0:
            v = round(v, random.randint(0, 6)) + random.choice([0, 5e-4, 5e-5, -5e-4])
        out.append(repr(float(v)))
    return out


def main():
    vals = values()
    src = ["program v", "implicit none", "double precision :: x"]
    for f in FORMATS:
        for v in vals:
            src.append(f"x = {v.replace('e', 'd') if 'e' in v else v + 'd0'}")
            src.append(f"write(*,'(A,A,A,A,A,{f},A)') '{f}', char(9), '{v}', char(9), '[', x, ']'")
    src.append("end program v")
    with tempfile.TemporaryDirectory() as d:
        f90, exe = os.path.join(d, "v.f90"), os.path.join(d, "v")
        with open(f90, "w") as fh:
            fh.write("\n".join(src) + "\n")
        subprocess.run(["gfortran", "-O0", f90, "-o", exe], check=True)
        lines = subprocess.run([exe], check=True, capture_output=True, text=True).stdout.splitlines()
    # Every sixth vector keeps the file small while covering every format.
    sys.stdout.write("".join(l + "\n" for n, l in enumerate(lines, 1) if n % 6 == 0))


if __name__ == "__main__":
    main()
