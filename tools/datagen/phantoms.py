"""Voxel map files of the three phantoms.

Layout: planes; densities of air, lung and bone; the plane widths; then per plane its number and one
row of digits per layer. Codes: 1 air, 2 water (soft tissue), 3 lung, 4 bone. Coordinates in cm: x
across the columns, z across the planes (both 0 to 40), y the depth along the beam from the entrance
surface. Column widths and layer thicknesses are fixed by the engine for each phantom type; only the
plane widths travel in the file.
"""

from dataclasses import dataclass

import numpy as np

from .textfile import write_lines

AIR, WATER, LUNG, BONE = 1, 2, 3, 4

# The densities the grid build uses for codes 1, 3 and 4, so that both builds see the same phantom.
DENSITIES = ("0.001293", "0.25", "1.3")


@dataclass
class VoxelMap:
    file_name: str
    plane_widths: list        # cm, along z
    codes: np.ndarray         # [column, plane, layer], 0-based indices, layer 0 at the entrance
    exit_side_first: bool     # rows of a plane run from the last layer to the first

    def lines(self):
        out = [str(len(self.plane_widths)), *DENSITIES]
        out += [f"{w:.1f}" for w in self.plane_widths]
        columns, planes, layers = self.codes.shape
        order = range(layers - 1, -1, -1) if self.exit_side_first else range(layers)
        for iz in range(planes):
            out.append(str(iz + 1))
            for iy in order:
                out.append("".join(str(int(c)) for c in self.codes[:, iz, iy]))
        return out


# --- Water and bone-lung phantoms: a slab of 34 x 34 cm in air ---------------------------------------

SLAB_PLANES = [3.0, 34.0, 3.0]


def water_phantom() -> VoxelMap:
    codes = np.full((3, 3, 4), AIR, dtype=np.int8)
    codes[1, 1, :] = WATER
    return VoxelMap("Phantom_Water.dat", SLAB_PLANES, codes, exit_side_first=False)


def bone_lung_phantom() -> VoxelMap:
    # Columns 3, 6, 6, 10, 6, 6, 3 cm; layers 8, 4, 8 cm (and a last one the no-grid build skips).
    codes = np.full((7, 3, 4), AIR, dtype=np.int8)
    codes[1:6, 1, :] = WATER
    codes[2, 1, 1] = BONE   # a bone rod at x 9 to 15 cm, 8 to 12 cm deep, along z
    codes[4, 1, 1] = LUNG   # a block of lung at x 25 to 31 cm, at the same depth
    return VoxelMap("Phantom_Bone-Lung.dat", SLAB_PLANES, codes, exit_side_first=False)


# --- Chest phantom -------------------------------------------------------------------------------------
# A thorax seen posterior-anterior: the beam enters the back at y = 0 and leaves the front at y = 20.
# z runs from the head (z = 3, the root of the neck) to the abdomen (z = 37); the patient's left is
# towards larger x, so the heart lies right of the midline x = 20.

CHEST_COLUMNS = [3.0] + [1.0] * 34 + [3.0]
CHEST_LAYERS = [1.0] * 19 + [0.95, 0.05]

# Ribs: nine bands of 1 cm with intercostal spaces of 1.5 cm, from z = 6 down to z = 28.5.
RIB_COUNT = 9
RIB_HEIGHT = 1.0
RIB_SPACE = 1.5
RIBS_TOP = 6.0


def chest_plane_widths():
    top = [3.0, 1.5, 1.5]                          # air; neck root and clavicles; lung apices
    ribs = [RIB_HEIGHT, RIB_SPACE] * RIB_COUNT     # a plane per rib and per intercostal space
    bottom = [2.5, 3.0, 3.0, 3.0]                  # upper abdomen, then air
    return top + ribs + bottom


def rib_band(k: int):
    """z range of rib k (1 = the highest)."""
    z0 = RIBS_TOP + (k - 1) * (RIB_HEIGHT + RIB_SPACE)
    return z0, z0 + RIB_HEIGHT


def _edges(widths):
    return np.concatenate([[0.0], np.cumsum(widths)])


# Each shape is a function of the sample coordinates (x, y, z arrays, cm) that returns a mask.

TORSO_CENTER = (20.0, 10.0)
TORSO_SEMI = (15.5, 10.5)   # wider than deep; cut flat by the entrance and exit surfaces


def _ellipse(x, y, semi_x, semi_y, cx=TORSO_CENTER[0], cy=TORSO_CENTER[1]):
    return ((x - cx) / semi_x) ** 2 + ((y - cy) / semi_y) ** 2


def torso(x, y, z):
    return (_ellipse(x, y, *TORSO_SEMI) <= 1.0) & (z >= 3.0) & (z <= 37.0)


def rib_ring(x, y):
    """The rib cage in cross-section: a shell 1 to 2.2 cm under the skin."""
    outer = _ellipse(x, y, TORSO_SEMI[0] - 1.0, TORSO_SEMI[1] - 1.0) <= 1.0
    inner = _ellipse(x, y, TORSO_SEMI[0] - 2.2, TORSO_SEMI[1] - 2.2) <= 1.0
    return outer & ~inner


def thoracic_cavity(x, y):
    return _ellipse(x, y, TORSO_SEMI[0] - 2.2, TORSO_SEMI[1] - 2.2) <= 1.0


def diaphragm_level(x, y):
    """z of the diaphragm: two domes, the right one (under which the liver lies) higher; the
    surface falls towards the sides and the back, into the costophrenic recesses."""
    right = 23.0 + 3.0 * ((x - 12.5) / 5.5) ** 2
    left = 24.5 + 3.0 * ((x - 27.5) / 5.5) ** 2
    dome = np.where(x < 20.0, right, left)
    return dome + 2.5 * np.clip((9.5 - y) / 7.0, 0.0, None) ** 2


def lungs(x, y, z):
    shape = np.zeros(np.broadcast(x, y, z).shape, dtype=bool)
    for cx in (12.5, 27.5):
        shape |= ((x - cx) / 5.5) ** 2 + ((y - 9.5) / 7.0) ** 2 + ((z - 17.0) / 12.5) ** 2 <= 1.0
    return shape & thoracic_cavity(x, y) & (z < diaphragm_level(x, y))


def mediastinum(x, y, z):
    return (np.abs(x - 20.0) <= 2.5) & (y >= 3.0) & (z <= 30.0) & thoracic_cavity(x, y)


def heart(x, y, z):
    """Two thirds of it left of the midline, in front, resting on the diaphragm."""
    return ((x - 22.0) / 6.0) ** 2 + ((y - 12.5) / 5.0) ** 2 + ((z - 21.0) / 5.0) ** 2 <= 1.0


def below_diaphragm(x, y, z):
    """Liver, stomach and the rest of the upper abdomen: soft tissue."""
    return z >= diaphragm_level(x, y)


def _in_bands(z, bands):
    inside = np.zeros(z.shape, dtype=bool)
    for z0, z1 in bands:
        inside |= (z >= z0) & (z < z1)
    return inside


def posterior_ribs(x, y, z):
    """The back halves of the ribs, from beside the spine round to the flanks."""
    bands = [rib_band(k) for k in range(1, RIB_COUNT + 1)]
    return rib_ring(x, y) & (y < 12.0) & (np.abs(x - 20.0) > 2.5) & _in_bands(z, bands)


def anterior_ribs(x, y, z):
    """The front halves: each rib slopes down, so its front end lies a rib lower than its back;
    the costal cartilages beside the sternum count as soft tissue."""
    bands = [rib_band(k + 1) for k in range(1, RIB_COUNT)]
    return rib_ring(x, y) & (y >= 12.0) & (np.abs(x - 20.0) > 5.0) & _in_bands(z, bands)


def spine(x, y, z):
    """Vertebral bodies and, behind them, the arches, the whole length of the torso."""
    body = (x - 20.0) ** 2 + (y - 5.5) ** 2 <= 2.0**2
    arch = (np.abs(x - 20.0) <= 1.0) & (y >= 1.0) & (y <= 3.5)
    return np.broadcast_to(body | arch, np.broadcast(x, y, z).shape)


def sternum(x, y, z):
    return (np.abs(x - 20.0) <= 1.0) & (y >= 18.0) & (y <= 19.5) & (z >= 4.5) & (z <= 22.0)


def _capsule(x, y, z, p, q, radius):
    p, q = np.array(p), np.array(q)
    d = q - p
    t = ((x - p[0]) * d[0] + (y - p[1]) * d[1] + (z - p[2]) * d[2]) / d.dot(d)
    t = np.clip(t, 0.0, 1.0)
    return ((x - p[0] - t * d[0]) ** 2 + (y - p[1] - t * d[1]) ** 2
            + (z - p[2] - t * d[2]) ** 2) <= radius**2


def clavicles(x, y, z):
    """From the top of the sternum out and back to the shoulders, rising slightly."""
    shape = np.zeros(np.broadcast(x, y, z).shape, dtype=bool)
    for side in (-1.0, 1.0):
        shape |= _capsule(x, y, z, (20.0 + 2.0 * side, 17.5, 5.2), (20.0 + 14.0 * side, 12.0, 4.0),
                          0.8)
    return shape


# Painted in this order, each over the ones before, and nothing outside the torso.
CHEST_SHAPES = (
    (torso, WATER),
    (lungs, LUNG),
    (mediastinum, WATER),
    (heart, WATER),
    (below_diaphragm, WATER),
    (posterior_ribs, BONE),
    (anterior_ribs, BONE),
    (spine, BONE),
    (sternum, BONE),
    (clavicles, BONE),
)

SAMPLES = 4            # per voxel and axis
BONE_FRACTION = 0.4    # a voxel is bone from this share on, so that thin ribs stay unbroken


def _sample_points(widths):
    edges = _edges(widths)
    offsets = (np.arange(SAMPLES) + 0.5) / SAMPLES
    return np.concatenate([e0 + (e1 - e0) * offsets for e0, e1 in zip(edges[:-1], edges[1:])])


def chest_phantom() -> VoxelMap:
    planes = chest_plane_widths()
    x = _sample_points(CHEST_COLUMNS)[:, None, None]
    z = _sample_points(planes)[None, :, None]
    y = _sample_points(CHEST_LAYERS)[None, None, :]
    samples = np.full((x.shape[0], z.shape[1], y.shape[2]), AIR, dtype=np.int8)
    body = np.broadcast_to(torso(x, y, z), samples.shape)
    for shape, code in CHEST_SHAPES:
        samples[body & shape(x, y, z)] = code
    cells = samples.reshape(len(CHEST_COLUMNS), SAMPLES, len(planes), SAMPLES,
                            len(CHEST_LAYERS), SAMPLES)
    counts = np.stack([(cells == c).sum(axis=(1, 3, 5)) for c in (AIR, WATER, LUNG, BONE)])
    codes = (np.argmax(counts[:3], axis=0) + AIR).astype(np.int8)
    codes[counts[3] >= BONE_FRACTION * SAMPLES**3] = BONE
    return VoxelMap("Phantom_Chest.dat", planes, codes, exit_side_first=True)


def all_phantoms():
    return [water_phantom(), bone_lung_phantom(), chest_phantom()]


def write_phantoms(directory) -> None:
    for phantom in all_phantoms():
        write_lines(directory / phantom.file_name, phantom.lines())
