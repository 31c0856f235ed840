#!/usr/bin/env python3
"""Makes a HEIC the way iPhones store their photos: a grid of 512 x 512 HEVC
tiles under one image item, which decoders put together (and libheif decodes
in parallel). heif-enc writes single images only, so each tile is encoded on
its own and the tiles' streams are joined here under a grid item.

    make-grid-heic.py PHOTO OUTPUT.heic

Needs ImageMagick (to cut the tiles) and heif-enc."""
import os
import struct
import subprocess
import sys
import tempfile

TILE = 512


def box(kind, payload):
    return struct.pack(">I", 8 + len(payload)) + kind + payload


def full_box(kind, version, flags, payload):
    return box(kind, struct.pack(">I", (version << 24) | flags) + payload)


def child_box(data, kind):
    """The first box of this kind anywhere in data, header included."""
    at = data.index(kind) - 4
    return data[at:at + struct.unpack(">I", data[at:at + 4])[0]]


def encode_tiles(photo, folder):
    size = subprocess.run(["identify", "-format", "%w %h", photo], check=True,
                          capture_output=True, text=True).stdout.split()
    width, height = int(size[0]), int(size[1])
    columns, rows = -(-width // TILE), -(-height // TILE)
    subprocess.run(["convert", photo, "-strip", "-crop", f"{TILE}x{TILE}", "+repage", "-background",
                    "black", "-extent", f"{TILE}x{TILE}", os.path.join(folder, "tile-%03d.png")],
                   check=True)
    tiles = []
    for index in range(columns * rows):
        png = os.path.join(folder, f"tile-{index:03d}.png")
        heic = png[:-4] + ".heic"
        subprocess.run(["heif-enc", "-q", "90", "-o", heic, png], check=True,
                       stdout=subprocess.DEVNULL)
        with open(heic, "rb") as file:
            tiles.append(file.read())
    return width, height, columns, rows, tiles


def grid_file(width, height, columns, rows, tiles):
    # Each tile file holds one image: its hvcC parameter sets and, in mdat,
    # its stream alone (the tiles were cut without metadata). x265 writes the same parameter sets for every tile.
    hvcc = child_box(tiles[0], b"hvcC")
    streams = [child_box(tile, b"mdat")[8:] for tile in tiles]
    grid_data = struct.pack(">BBBBHH", 0, 0, rows - 1, columns - 1, width, height)
    count = len(tiles)

    infe = [full_box(b"infe", 2, 0, struct.pack(">HH", 1, 0) + b"grid\0")]
    infe += [full_box(b"infe", 2, 1, struct.pack(">HH", 2 + i, 0) + b"hvc1\0")
             for i in range(count)]
    iinf = full_box(b"iinf", 0, 0, struct.pack(">H", len(infe)) + b"".join(infe))
    iref = full_box(b"iref", 0, 0, box(b"dimg", struct.pack(">HH", 1, count) + b"".join(
        struct.pack(">H", 2 + i) for i in range(count))))
    ipco = box(b"ipco", hvcc + full_box(b"ispe", 0, 0, struct.pack(">II", TILE, TILE))
               + full_box(b"ispe", 0, 0, struct.pack(">II", width, height)))
    # Property 1 hvcC (essential), 2 the tile's ispe, 3 the whole picture's.
    ipma = full_box(b"ipma", 0, 0, struct.pack(">I", 1 + count) + struct.pack(">HBB", 1, 1, 3)
                    + b"".join(struct.pack(">HBBB", 2 + i, 2, 0x81, 2) for i in range(count)))
    hdlr = full_box(b"hdlr", 0, 0, b"\0\0\0\0pict" + b"\0" * 12 + b"\0")
    pitm = full_box(b"pitm", 0, 0, struct.pack(">H", 1))
    ftyp = box(b"ftyp", b"heic" + struct.pack(">I", 0) + b"mif1heicmiaf")

    def meta(first_offset):
        entries = [(1, first_offset, len(grid_data))]
        offset = first_offset + len(grid_data)
        for i, stream in enumerate(streams):
            entries.append((2 + i, offset, len(stream)))
            offset += len(stream)
        iloc = full_box(b"iloc", 0, 0, struct.pack(">BBH", 0x44, 0x00, len(entries)) + b"".join(
            struct.pack(">HHHII", item, 0, 1, at, length) for item, at, length in entries))
        return full_box(b"meta", 0, 0, hdlr + pitm + iloc + iinf + iref + box(b"iprp", ipco + ipma))

    head = len(ftyp) + len(meta(0)) + 8
    mdat = box(b"mdat", grid_data + b"".join(streams))
    return ftyp + meta(head) + mdat


def main():
    photo, output = sys.argv[1], sys.argv[2]
    with tempfile.TemporaryDirectory() as folder:
        picture = grid_file(*encode_tiles(photo, folder))
    with open(output, "wb") as file:
        file.write(picture)


if __name__ == "__main__":
    main()
