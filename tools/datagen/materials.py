"""The materials of the shipped composition and scattering-factor files, with their cross sections.

Cross sections come from xraylib in cm2/g. A compound is its elements weighted by mass fraction
(the NIST compositions that xraylib carries), which is how xraylib's own _CP functions combine them.
"""

import math
from dataclasses import dataclass

import xraylib

# Photon energies that the composition files cover, keV. The engine and the filter picker search
# upwards from 1 keV; 200 keV leaves room above the highest spectrum energy (150 keV).
E_FIRST_KEV = 1.0
E_LAST_KEV = 200.0


@dataclass(frozen=True)
class Material:
    stem: str        # file name without the extension
    extension: str   # ".ele" for an element, ".mix" for a compound
    label: str       # line 1; kept short, since the spectrum header quotes it in a 30-byte line
    density: float   # g/cm3, line 2
    elements: tuple  # (Z, mass fraction) pairs

    @property
    def file_name(self) -> str:
        return self.stem + self.extension

    def coherent(self, e_kev: float) -> float:
        return sum(w * xraylib.CS_Rayl(z, e_kev) for z, w in self.elements)

    def incoherent(self, e_kev: float) -> float:
        return sum(w * xraylib.CS_Compt(z, e_kev) for z, w in self.elements)

    def photoelectric(self, e_kev: float) -> float:
        return sum(w * xraylib.CS_Photo(z, e_kev) for z, w in self.elements)

    def processes(self, e_kev: float):
        """Coherent, incoherent and photoelectric mass attenuation coefficients, cm2/g."""
        return (self.coherent(e_kev), self.incoherent(e_kev), self.photoelectric(e_kev))

    def total(self, e_kev: float) -> float:
        return sum(self.processes(e_kev))


def element(z: int, density: float) -> Material:
    symbol = xraylib.AtomicNumberToSymbol(z)
    return Material(f"{z}_{symbol}", ".ele", symbol, density, ((z, 1.0),))


def compound(stem: str, nist_name: str, density: float = None) -> Material:
    data = xraylib.GetCompoundDataNISTByName(nist_name)
    fractions = tuple(zip(data["Elements"], data["massFractions"]))
    return Material(stem, ".mix", stem, data["density"] if density is None else density, fractions)


# Densities of the elements, g/cm3 (NIST tables); those of lead, aluminium, tungsten and copper are
# also the ones the programs themselves use.
ELEMENT_DENSITY = {
    4: 1.848, 13: 2.699, 22: 4.54, 29: 8.96, 42: 10.22, 45: 12.41, 47: 10.50, 50: 7.31,
    64: 7.90, 68: 9.066, 74: 19.30, 82: 11.35,
}

WATER = compound("Water", "Water, Liquid", 1.0)
BONE = compound("Bone-ICRU", "Bone, Compact (ICRU)")
AIR = compound("Air", "Air, Dry (near sea level)")
PMMA = compound("PMMA", "Polymethyl Methacralate (Lucite, Perspex)")

# Every composition file: the engine's four materials, then the filter picker's.
COMPOSITION_MATERIALS = (
    [WATER, BONE, element(82, ELEMENT_DENSITY[82]), element(13, ELEMENT_DENSITY[13])]
    + [element(z, ELEMENT_DENSITY[z]) for z in (4, 22, 29, 42, 45, 47, 50, 64, 68, 74)]
    + [AIR, PMMA]
)


# --- Absorption edges -----------------------------------------------------------------------------

def _photo_jumps(z: int, lo_kev: float, hi_kev: float):
    """Energies where xraylib's photoelectric cross section of element z jumps up, as (below, above).

    The jumps are taken from the data themselves rather than from the edge-energy table, which
    differs from them by up to half a percent for some M edges: a record pair must sit where the
    coefficient really changes.
    """
    steps = 200_000
    ratio = (hi_kev / lo_kev) ** (1.0 / steps)
    jumps = []
    e_prev = lo_kev
    p_prev = xraylib.CS_Photo(z, e_prev)
    for i in range(1, steps + 1):
        e = lo_kev * ratio**i
        p = xraylib.CS_Photo(z, e)
        # Between edges the cross section falls; a rise of a percent over so short a step is an edge.
        if p > 1.01 * p_prev:
            below, above = e_prev, e
            for _ in range(200):
                mid = 0.5 * (below + above)
                if mid <= below or mid >= above:
                    break
                if xraylib.CS_Photo(z, mid) > 1.01 * xraylib.CS_Photo(z, below):
                    above = mid
                else:
                    below = mid
            jumps.append((below, above))
        e_prev, p_prev = e, p
    return jumps


_jump_cache = {}


def absorption_edges(material: Material):
    """Edges of all its elements strictly inside the covered energy range, ascending."""
    edges = []
    for z, _ in material.elements:
        if z not in _jump_cache:
            _jump_cache[z] = _photo_jumps(z, E_FIRST_KEV, E_LAST_KEV)
        edges.extend(_jump_cache[z])
    return sorted(edges)


# --- Scattering factors -----------------------------------------------------------------------------

def _atoms_per_gram(material: Material):
    """(Z, n) with n the atoms of each element per gram, in moles (mass fraction / atomic weight)."""
    return [(z, w / xraylib.AtomicWeight(z)) for z, w in material.elements]


# xraylib tabulates S from this x on; below it S grows like x^2 from S(0) = 0.
_S_TABLE_START = 1.0e-3


def _incoherent_function(z: int, x: float) -> float:
    if x < _S_TABLE_START:
        return xraylib.SF_Compt(z, _S_TABLE_START) * (x / _S_TABLE_START) ** 2
    return xraylib.SF_Compt(z, x)


def form_factor(material: Material, x: float) -> float:
    """F(x): per atom for an element; for a compound sqrt(sum n_i F_i^2) per gram (n_i in moles)."""
    if len(material.elements) == 1:
        return xraylib.FF_Rayl(material.elements[0][0], x)
    return math.sqrt(sum(n * xraylib.FF_Rayl(z, x) ** 2 for z, n in _atoms_per_gram(material)))


def incoherent_function(material: Material, x: float) -> float:
    """S(x): per atom for an element; for a compound sum n_i S_i per gram (n_i in moles)."""
    if len(material.elements) == 1:
        return _incoherent_function(material.elements[0][0], x)
    return sum(n * _incoherent_function(z, x) for z, n in _atoms_per_gram(material))
