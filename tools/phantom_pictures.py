#!/usr/bin/python3
"""Draws each shipped phantom so that a person can check its anatomy: one PNG per phantom.

Usage: phantom_pictures.py [output directory] [data directory]
       (defaults: tools/pictures/ and the repository's data/)

Top row: the thickness of soft tissue (water), lung and bone that a ray crosses along the depth y,
over the face of the phantom (x across, z down). Middle row: the materials at a few depths (slices
of constant y). Bottom row: a few cross-sections at constant z, with the beam entering at the
bottom (y = 0) and leaving at the top. Reads the voxel map files themselves, with the column widths
and layer thicknesses that the engine uses (the water phantom at 20 cm).
"""

import sys
from pathlib import Path

import matplotlib

matplotlib.use("Agg")
import matplotlib.pyplot as plt  # noqa: E402
import numpy as np  # noqa: E402
from matplotlib.colors import ListedColormap  # noqa: E402

PHANTOMS = (
    ("Phantom_Water.dat", "Water Phantom", [3.0, 34.0, 3.0], [0.1, 19.8, 0.05, 0.05], False),
    ("Phantom_Bone-Lung.dat", "Bone-Lung Phantom", [3.0, 6.0, 6.0, 10.0, 6.0, 6.0, 3.0],
     [8.0, 4.0, 8.0, 0.0], False),
    ("Phantom_Chest.dat", "Chest Phantom", [3.0] + [1.0] * 34 + [3.0], [1.0] * 19 + [0.95, 0.05],
     True),
)
NAMES = {1: "air", 2: "water", 3: "lung", 4: "bone"}
COLOURS = ListedColormap(["#ffffff", "#d98c73", "#8cc6e8", "#f2f2d0"])


def read_map(path: Path, columns: int, layers: int, exit_side_first: bool):
    lines = path.read_bytes().decode("ascii").split("\r\n")
    planes = int(lines[0])
    widths = [float(v) for v in lines[4:4 + planes]]
    codes = np.zeros((columns, planes, layers), dtype=int)
    pos = 4 + planes
    for iz in range(planes):
        pos += 1  # the plane's number
        for row in range(layers):
            iy = layers - 1 - row if exit_side_first else row
            codes[:, iz, iy] = [int(c) for c in lines[pos][:columns]]
            pos += 1
    return widths, codes


def edges(widths):
    return np.concatenate([[0.0], np.cumsum(widths)])


def draw(out: Path, data: Path, file_name, title, col_widths, layer_thick, exit_side_first):
    widths, codes = read_map(data / file_name, len(col_widths), len(layer_thick), exit_side_first)
    xe, ze, ye = edges(col_widths), edges(widths), edges(layer_thick)
    thickness = {c: (codes == c).astype(float) @ np.array(layer_thick) for c in (2, 3, 4)}
    layers = [iy for iy in range(len(layer_thick)) if layer_thick[iy] > 0]
    depth_picks = layers if len(layers) <= 4 else [layers[i] for i in (1, 5, 9, 13, 18)]
    if len(widths) <= 3:
        plane_picks = [1]
    else:
        plane_picks = [2, 5, 11, 16, 21]
    ncols = max(3, len(depth_picks), len(plane_picks))
    fig, axes = plt.subplots(3, ncols, figsize=(3.6 * ncols, 11), squeeze=False)
    for ax in axes.flat:
        ax.set_visible(False)

    for k, code in enumerate((2, 3, 4)):
        ax = axes[0, k]
        ax.set_visible(True)
        mesh = ax.pcolormesh(xe, ze, thickness[code].T, cmap="viridis", shading="flat")
        fig.colorbar(mesh, ax=ax, label="cm")
        ax.set_title(f"{NAMES[code]} crossed along y")
    for k, iy in enumerate(depth_picks):
        ax = axes[1, k]
        ax.set_visible(True)
        ax.pcolormesh(xe, ze, codes[:, :, iy].T, cmap=COLOURS, vmin=0.5, vmax=4.5, shading="flat")
        ax.set_title(f"layer {iy + 1}: y {ye[iy]:.2f} to {ye[iy + 1]:.2f} cm")
    for k, iz in enumerate(plane_picks):
        ax = axes[2, k]
        ax.set_visible(True)
        ax.pcolormesh(xe, ye, codes[:, iz, :].T, cmap=COLOURS, vmin=0.5, vmax=4.5, shading="flat")
        ax.set_title(f"plane {iz + 1}: z {ze[iz]:.1f} to {ze[iz + 1]:.1f} cm")
        ax.set_xlabel("x (cm)")
        ax.set_ylabel("y (cm), beam upwards")
    for ax in list(axes[0]) + list(axes[1]):
        ax.invert_yaxis()   # z downwards, as an image is seen
        ax.set_xlabel("x (cm)")
        ax.set_ylabel("z (cm)")
    for ax in axes.flat:
        ax.set_aspect("equal")
    handles = [plt.Rectangle((0, 0), 1, 1, color=COLOURS(i)) for i in range(4)]
    fig.legend(handles, [NAMES[c] for c in (1, 2, 3, 4)], loc="upper left", ncol=4)
    fig.suptitle(f"{title} ({file_name})")
    fig.tight_layout(rect=(0, 0, 1, 0.96))
    target = out / (Path(file_name).stem + ".png")
    # A fixed creation stamp keeps repeated runs byte-identical.
    fig.savefig(target, dpi=80, metadata={"Software": None})
    plt.close(fig)
    return target


def main() -> int:
    root = Path(__file__).resolve().parent.parent
    out = Path(sys.argv[1]) if len(sys.argv) > 1 else root / "tools" / "pictures"
    data = Path(sys.argv[2]) if len(sys.argv) > 2 else root / "data"
    out.mkdir(parents=True, exist_ok=True)
    for phantom in PHANTOMS:
        print(draw(out, data, *phantom))
    return 0


if __name__ == "__main__":
    sys.exit(main())
