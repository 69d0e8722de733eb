"""The spectrum generator's attenuation file "Mus-shadowbench.dat".

300 records, one per 0.5 keV bin: energy (keV; the reader skips it), linear attenuation coefficients
of tungsten, aluminium and copper in 1/cm, and the mass energy-absorption coefficient of air in
cm2/g, comma separated.
"""

import bisect
import math

import xraylib

BINS = 300
BIN_WIDTH_KEV = 0.5

# Densities (g/cm3) that turn xraylib's mass coefficients into the linear ones the file holds.
TUBE_METALS = ((74, 19.3), (13, 2.699), (29, 8.96))

# Dry air, mu_en/rho in cm2/g against energy in MeV: Hubbell and Seltzer, NIST X-ray mass attenuation
# coefficients, Table 4. xraylib's energy-absorption coefficient is far from it at low energies, so
# the table is used directly. The argon K edge (3.2029 keV) appears twice: below, then above.
AIR_MU_EN = (
    (1.0e-3, 3599.0), (1.5e-3, 1188.0), (2.0e-3, 526.2), (3.0e-3, 161.4),
    (3.2029e-3, 133.0), (3.2029e-3, 146.0),
    (4.0e-3, 76.36), (5.0e-3, 39.31), (6.0e-3, 22.70), (8.0e-3, 9.446),
    (1.0e-2, 4.742), (1.5e-2, 1.334), (2.0e-2, 0.5389), (3.0e-2, 0.1537), (4.0e-2, 0.06833),
    (5.0e-2, 0.04098), (6.0e-2, 0.03041), (8.0e-2, 0.02407), (1.0e-1, 0.02325), (1.5e-1, 0.02496),
    (2.0e-1, 0.02672),
)


def air_mu_en(e_kev: float) -> float:
    """Log-log interpolation in the table; below 1 keV along its first interval.

    At the edge energy itself the value above the edge is taken.
    """
    energies = [e * 1000.0 for e, _ in AIR_MU_EN]
    k = bisect.bisect_right(energies, e_kev)
    k = min(max(k, 1), len(energies) - 1)
    (e0, m0), (e1, m1) = AIR_MU_EN[k - 1], AIR_MU_EN[k]
    f = (math.log(e_kev / 1000.0) - math.log(e0)) / (math.log(e1) - math.log(e0))
    return math.exp(math.log(m0) + f * (math.log(m1) - math.log(m0)))


def linear_attenuation(z: int, density: float, e_kev: float) -> float:
    mass = xraylib.CS_Rayl(z, e_kev) + xraylib.CS_Compt(z, e_kev) + xraylib.CS_Photo(z, e_kev)
    return density * mass


def attenuation_lines():
    lines = []
    for i in range(1, BINS + 1):
        e = BIN_WIDTH_KEV * i
        values = [linear_attenuation(z, rho, e) for z, rho in TUBE_METALS] + [air_mu_en(e)]
        lines.append(",".join([f"{e:.1f}"] + [f"{v:.4E}" for v in values]))
    return lines
