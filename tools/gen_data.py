#!/usr/bin/python3
"""Writes every data file that ships beside the programs.

Usage: gen_data.py [output directory]   (default: the repository's data/)

Needs Debian's python3-xraylib and python3-numpy (scripts/setup-tools). The output is deterministic:
the same packages give the same bytes, which the data_regenerate test checks against data/.
"""

import sys
from pathlib import Path

sys.dont_write_bytecode = True   # the test runs this from the source tree
sys.path.insert(0, str(Path(__file__).resolve().parent))

from datagen.attenuation import attenuation_lines  # noqa: E402
from datagen.composition import write_composition  # noqa: E402
from datagen.materials import COMPOSITION_MATERIALS  # noqa: E402
from datagen.phantoms import write_phantoms  # noqa: E402
from datagen.scattering import write_scattering  # noqa: E402
from datagen.textfile import write_lines  # noqa: E402


def main() -> int:
    root = Path(__file__).resolve().parent.parent
    out = Path(sys.argv[1]) if len(sys.argv) > 1 else root / "data"
    out.mkdir(parents=True, exist_ok=True)
    for material in COMPOSITION_MATERIALS:
        write_composition(material, out)
    write_scattering(out)
    write_lines(out / "Mus-shadowbench.dat", attenuation_lines())
    write_phantoms(out)
    return 0


if __name__ == "__main__":
    sys.exit(main())
