"""Writing the shipped text files: ASCII only, CR LF line ends, Fortran-like exponent fields."""

from pathlib import Path


def write_lines(path: Path, lines) -> None:
    text = "".join(line + "\r\n" for line in lines)
    # ASCII is a subset of code page 932, which every program reads; anything else is a generator bug.
    data = text.encode("ascii")
    path.write_bytes(data)


def exponent_field(value: float, width: int, decimals: int) -> str:
    """A number as 1.234E-03, right-justified in `width` columns.

    The mantissa keeps one digit before the point, the style of the composition files; readers take
    the value from anywhere inside its field, so the position of the point does not matter to them.
    """
    text = f"{value:.{decimals}E}"
    mantissa, exponent = text.split("E")
    sign = exponent[0]
    digits = exponent[1:].lstrip("0").rjust(2, "0")
    if len(digits) > 2:
        raise ValueError(f"{value!r} needs a three-digit exponent")
    text = f"{mantissa}E{sign}{digits}"
    if len(text) > width:
        raise ValueError(f"{value!r} does not fit in {width} columns")
    return text.rjust(width)


def rounded(value: float, decimals: int) -> float:
    """The value a reader gets back from exponent_field(value, *, decimals)."""
    return float(f"{value:.{decimals}E}")
