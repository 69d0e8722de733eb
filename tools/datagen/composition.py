"""Composition files (".ele", ".mix"): name, density, N, then N records "(E9.3,5E10.3)".

Record: energy in MeV, coherent, incoherent, photoelectric, total, total without coherent scattering,
all in cm2/g. The engine reads the record by columns and interpolates each process log-log between
records; the filter picker reads the same line as six blank-separated numbers and interpolates the
total. The energy grid is therefore chosen so that log-log interpolation of every process and of the
total stays within TOLERANCE of xraylib between records.
"""

import math

from .materials import E_FIRST_KEV, E_LAST_KEV, Material, absorption_edges
from .textfile import exponent_field, rounded, write_lines

MAX_RECORDS = 110
TOLERANCE = 0.001     # relative; well inside the 0.5 % that is asked, with room for the dense check
PROBES = 12           # energies tested inside each interval
MIN_RATIO = 1.0005    # no interval is split below this width (E_hi / E_lo)

DECIMALS = 3          # mantissa decimals of every field


def _kev_in_file(e_kev: float) -> float:
    """An energy as the file holds it: MeV with four significant digits, back in keV."""
    return float(f"{e_kev:.{DECIMALS}E}")


def _kev_in_file_at_or_above(e_kev: float) -> float:
    """The lowest energy the file can hold that is not below e_kev.

    An edge is written there: every energy below the real jump, the whole-keV energies of the
    filter picker and the half-keV source energies of the engine included, then keeps the
    coefficients below the edge (88.0 keV stays below the lead K edge at 88.0007).
    """
    e = _kev_in_file(e_kev)
    # A jump found a few parts in ten million above a four-digit energy is that energy (the bisection
    # and xraylib's interpolation leave that much noise).
    if e >= e_kev * (1.0 - 1e-6):
        return e
    mantissa, exponent = f"{e_kev:.{DECIMALS}E}".split("E")
    step = 10.0 ** (int(exponent) - DECIMALS)
    return float(f"{float(mantissa) * 10**DECIMALS * step + step:.{DECIMALS}E}")


def _continued_below(material: Material, e_below: float, e_kev: float):
    """The coefficients below an edge, carried on along their log-log slope from just short of the
    jump (e_below) to the energy at which the edge is written (e_kev, at or past the jump)."""
    here = material.processes(e_below)
    if e_kev <= e_below:
        return here
    lower = material.processes(e_below / 1.001)
    factor = math.log(e_kev / e_below) / math.log(1.001)
    return tuple(c * (c / c0) ** factor for c, c0 in zip(here, lower))


def _nice_between(lo: float, hi: float):
    """A round energy near the geometric middle of (lo, hi), strictly inside it as written, or None
    when the file's four digits leave no room between them."""
    mid = math.sqrt(lo * hi)
    for digits in (2, 3):
        e = _kev_in_file(float(f"{mid:.{digits}E}"))
        if lo < e < hi:
            return e
    return None


class _Point:
    """One record: its energy as written and its coefficients as written."""

    def __init__(self, e_kev: float, coefs):
        self.e = e_kev
        self.coefs = tuple(rounded(c, DECIMALS) for c in coefs)
        # The filter picker adds the three process columns itself.
        self.total = sum(self.coefs)
        self.exact = tuple(coefs)


def _loglog(e, p: _Point, q: _Point, a: float, b: float) -> float:
    f = (math.log(e) - math.log(p.e)) / (math.log(q.e) - math.log(p.e))
    return math.exp(math.log(a) + f * (math.log(b) - math.log(a)))


def interval_error(material: Material, p: _Point, q: _Point, limit: float) -> float:
    """Largest relative deviation from xraylib of the interpolation between p and q, at energies
    up to `limit` (an edge written a little above its jump leaves a sliver past it)."""
    worst = 0.0
    for i in range(1, PROBES + 1):
        e = p.e * (q.e / p.e) ** (i / (PROBES + 1))
        if e > limit:
            break
        exact = material.processes(e)
        pairs = list(zip(p.coefs, q.coefs, exact)) + [(p.total, q.total, sum(exact))]
        for a, b, want in pairs:
            worst = max(worst, abs(_loglog(e, p, q, a, b) / want - 1.0))
    return worst


def energy_records(material: Material):
    """The records of the file: edges as pairs of equal energy, intervals refined until accurate."""
    edges = absorption_edges(material)
    # Segments between edges; a segment's ends carry the coefficients on its own side of each edge.
    anchors = [(E_FIRST_KEV, E_FIRST_KEV)] + edges + [(E_LAST_KEV, E_LAST_KEV)]
    records = []
    for (_, start_above), (end_below, end_above) in zip(anchors[:-1], anchors[1:]):
        # The record above an edge holds the coefficients at its own (written) energy, which lies
        # at or past the jump; the record below it those just short of the jump.
        e_start = records[-1].e if records else E_FIRST_KEV
        start = _Point(e_start, material.processes(max(e_start, start_above)))
        e_end = _kev_in_file_at_or_above(end_above)
        end = _Point(e_end, _continued_below(material, end_below, e_end))
        segment = [start, end]
        i = 0
        while i < len(segment) - 1:
            p, q = segment[i], segment[i + 1]
            e = _nice_between(p.e, q.e) if q.e / p.e > MIN_RATIO else None
            if e is not None and interval_error(material, p, q, end_below) > TOLERANCE:
                segment.insert(i + 1, _Point(e, material.processes(e)))
            else:
                i += 1
        records.extend(segment)
    if len(records) > MAX_RECORDS:
        raise ValueError(f"{material.file_name}: {len(records)} records, more than {MAX_RECORDS}")
    return records


def record_line(point: _Point) -> str:
    coh, incoh, photo = point.exact
    fields = [exponent_field(point.e / 1000.0, 9, DECIMALS)]
    fields += [exponent_field(c, 10, DECIMALS)
               for c in (coh, incoh, photo, coh + incoh + photo, incoh + photo)]
    return "".join(fields)


def composition_lines(material: Material):
    records = energy_records(material)
    return [material.label, str(float(material.density)), str(len(records))] + [
        record_line(r) for r in records]


def write_composition(material: Material, directory) -> None:
    write_lines(directory / material.file_name, composition_lines(material))
