"""Reading and writing pictures: binary PPM in, PNG out, anything else through ImageMagick."""

import struct
import zlib

from pixels import Pixels
from x_tools import CONVERT, run_tool


class PictureFormatError(ValueError):
    pass


def _ppm_fields(data, count):
    """The first count whitespace-separated header fields of a PPM and where the pixels start."""
    fields, at = [], 0
    while len(fields) < count:
        while at < len(data) and (data[at:at + 1].isspace() or data[at:at + 1] == b"#"):
            if data[at:at + 1] == b"#":
                end = data.find(b"\n", at)
                at = len(data) if end < 0 else end
            at += 1
        start = at
        while at < len(data) and not data[at:at + 1].isspace():
            at += 1
        if start == at:
            raise PictureFormatError("PPM header ends early")
        fields.append(data[start:at])
    return fields, at + 1  # one whitespace byte ends the header


def parse_ppm(data):
    """A binary P6 PPM with 8-bit channels, as import and convert write it."""
    fields, start = _ppm_fields(data, 4)
    if fields[0] != b"P6":
        raise PictureFormatError(f"not a binary PPM: {fields[0]!r}")
    width, height, maximum = (int(field) for field in fields[1:])
    if maximum != 255:
        raise PictureFormatError(f"PPM with maximum {maximum}, expected 255")
    body = data[start:start + width * height * 3]
    if len(body) != width * height * 3:
        raise PictureFormatError(f"PPM {width}x{height} holds only {len(body)} bytes")
    return Pixels(width, height, body)


def decode_file(path):
    """Any picture ImageMagick reads, as RGB pixels (its first frame)."""
    return parse_ppm(run_tool([CONVERT, f"{path}[0]", "-depth", "8", "ppm:-"], binary=True))


def _png_chunk(kind, body):
    return (struct.pack(">I", len(body)) + kind + body
            + struct.pack(">I", zlib.crc32(kind + body) & 0xFFFFFFFF))


def png_bytes(pixels):
    """pixels as an 8-bit RGB PNG (filter 0 on every row)."""
    stride = pixels.width * 3
    raw = b"".join(b"\x00" + pixels.rgb[y * stride:(y + 1) * stride] for y in range(pixels.height))
    header = struct.pack(">IIBBBBB", pixels.width, pixels.height, 8, 2, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + _png_chunk(b"IHDR", header)
            + _png_chunk(b"IDAT", zlib.compress(raw, 6)) + _png_chunk(b"IEND", b""))


def write_png(pixels, path):
    with open(path, "wb") as out:
        out.write(png_bytes(pixels))
