"""Scattering-factor files (".xfs"): exactly 45 lines "(E10.3,2E12.5)": x in 1/Angstrom, F(x), S(x).

All four files share one x grid (the engine keeps only the last one it reads). Two consumers set its
shape. The coherent sampler builds a cumulative table from F(x_i)^2 * x_i * (x_i - x_(i-1)), a
right-hand rectangle rule in which the first interval counts for nothing; its error falls with the
step where F^2 x changes fast, that is below x of about 1 for light elements and below about 3 for
lead. The incoherent sampler interpolates S linearly, and S rises like x^2 from 0 before it levels
off at Z. A sinh-spaced grid is nearly uniform (about 0.02) near 0 and grows geometrically (about 11 %
per point) further out; it ends at 12.5, beyond the x of 10 up to which the incoherent lookup is
asked and beyond the largest x that coherent scattering can reach at 150 keV (12.1). Against finely
integrated tables it keeps the coherent cumulative distribution within 2.5 % (largest absolute
difference, also when cut at the largest x reachable at 10 to 150 keV) and S within 0.4 % of its
last value, for all four materials; tools/check_scattering_grid.py measures it. A finer start helps
S and hurts the rectangle rule further out, a coarser one the reverse.
"""

import math

from .materials import BONE, WATER, Material, element, form_factor, incoherent_function
from .textfile import exponent_field, rounded, write_lines

POINTS = 45
X_LAST = 12.5
SINH_RATE = 0.11

SCATTERING_MATERIALS = (
    ("Water.xfs", WATER),
    ("Bone-ICRU.xfs", BONE),
    ("Pb.xfs", element(82, 11.35)),
    ("Al.xfs", element(13, 2.699)),
)


def x_grid():
    """The shared grid, as written (three decimals in the mantissa)."""
    scale = X_LAST / math.sinh(SINH_RATE * (POINTS - 1))
    return [rounded(scale * math.sinh(SINH_RATE * i), 3) for i in range(POINTS)]


def scattering_lines(material: Material):
    return [exponent_field(x, 10, 3)
            + exponent_field(form_factor(material, x), 12, 5)
            + exponent_field(incoherent_function(material, x), 12, 5)
            for x in x_grid()]


def write_scattering(directory) -> None:
    for name, material in SCATTERING_MATERIALS:
        write_lines(directory / name, scattering_lines(material))
