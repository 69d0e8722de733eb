#!/usr/bin/python3
"""Measures how well the shared x grid of the ".xfs" files serves the engine's two samplers.

Usage: check_scattering_grid.py [data directory]   (default: the repository's data/)

Coherent: the engine's cumulative table (right-hand rectangle rule on F^2 x, first interval empty,
linear in between) against the finely integrated F^2 x, both cut at the largest x that a photon of
energy E can reach (x = E / 12.4), as the sampler's rejection does. Printed: the largest absolute
difference of the two cumulative distributions. Incoherent: the linear interpolation of S against
xraylib for x below 10, as a fraction of S at the last grid point (the rejection's bound).
"""

import sys
from pathlib import Path

import numpy as np

sys.dont_write_bytecode = True
sys.path.insert(0, str(Path(__file__).resolve().parent))
from datagen.scattering import SCATTERING_MATERIALS  # noqa: E402
from datagen.materials import form_factor, incoherent_function  # noqa: E402

ENERGIES_KEV = (10, 20, 30, 50, 80, 150)


def read_xfs(path: Path):
    rows = [line for line in path.read_bytes().decode("ascii").split("\r\n") if line]
    return np.array([[float(r[0:10]), float(r[10:22]), float(r[22:34])] for r in rows])


def engine_cdf(x, f):
    s = np.zeros(len(x))
    total = f[0]
    for i in range(1, len(x)):
        total += (x[i] - x[i - 1]) * f[i] ** 2 * x[i]
        s[i] = total
    s[0] = s[1]
    s -= s[0]
    return s / s.max()


def measure(material, table):
    x, f, s = table[:, 0], table[:, 1], table[:, 2]
    fine = np.concatenate([np.linspace(0.0, 1.0, 20001)[:-1], np.linspace(1.0, x[-1], 28001)])
    ff = np.array([form_factor(material, v) for v in fine])
    density = ff**2 * fine
    exact = np.concatenate([[0.0], np.cumsum(0.5 * (density[1:] + density[:-1]) * np.diff(fine))])
    table_cdf = np.interp(fine, x, engine_cdf(x, f))
    coherent = []
    for e in ENERGIES_KEV + (None,):
        x_max = x[-1] if e is None else min(e / 12.4, x[-1])
        keep = fine <= x_max
        a = table_cdf[keep] / np.interp(x_max, fine, table_cdf)
        b = exact[keep] / np.interp(x_max, fine, exact)
        coherent.append(float(np.max(np.abs(a - b))))
    below10 = fine[fine < 10.0]
    s_exact = np.array([incoherent_function(material, v) for v in below10])
    incoherent = float(np.max(np.abs(np.interp(below10, x, s) - s_exact)) / s[-1])
    return coherent, incoherent


def main():
    root = Path(__file__).resolve().parent.parent
    directory = Path(sys.argv[1]) if len(sys.argv) > 1 else root / "data"
    print("largest |CDF difference| of the coherent x, cut at E/12.4 for E in keV:")
    print("%-14s" % "file" + "".join("%8s" % e for e in ENERGIES_KEV) + "     all   S err/S_last")
    worst = 0.0
    for name, material in SCATTERING_MATERIALS:
        coherent, incoherent = measure(material, read_xfs(directory / name))
        worst = max(worst, *coherent)
        print("%-14s" % name + "".join("%8.4f" % c for c in coherent) + "%10.4f" % incoherent)
    print("worst coherent CDF difference: %.4f" % worst)


if __name__ == "__main__":
    main()
