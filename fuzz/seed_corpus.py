#!/usr/bin/env python3
"""Writes the seed inputs of every fuzz target into fuzz/corpus/<target>/.

Seeds are small: a sound file of each kind the reader takes and the
neighbours of each refusal, so the fuzzer starts from every branch. Inputs
that once found a fault are added to the corpus by hand (named after the
fault) and are not written here.
"""
import os
import struct
import zlib

HERE = os.path.dirname(os.path.abspath(__file__))


def tga(width, height, depth, image_type=2, descriptor=0, ident=b"", colour_map=0,
        pixels=None, extra=b""):
    header = struct.pack("<BBBHHBHHhhBB", len(ident), colour_map, image_type, 0, 0, 0, 0, 0,
                         width, height, depth, descriptor)
    if pixels is None:
        count = max(width, 0) * max(height, 0) * (depth // 8)
        pixels = bytes((i * 37 + 11) & 0xFF for i in range(count))
    return header + ident + pixels + extra


TGA_SEEDS = {
    "bgr24_2x1": tga(2, 1, 24),
    "grey8_3x2_type3": tga(3, 2, 8, image_type=3),
    "grey8_4x1_type2": tga(4, 1, 8),
    "bgra32_2x2_top_first": tga(2, 2, 32, descriptor=0x20),
    "bgr24_3x2_right_first": tga(3, 2, 24, descriptor=0x10),
    "bgr24_2x2_both_origins": tga(2, 2, 24, descriptor=0x30),
    "bgr24_with_id": tga(2, 2, 24, ident=b"abc"),
    "bgr24_trailing_bytes": tga(2, 1, 24, extra=b"TRUEVISION-XFILE.\0"),
    "colour_mapped": tga(2, 1, 8, image_type=1, colour_map=1),
    "rle_type10": tga(2, 1, 24, image_type=10),
    "depth16": tga(2, 1, 16),
    "truncated_header": tga(2, 1, 24)[:10],
    "pixels_one_short": tga(3, 3, 24)[:-1],
    "width_negative": tga(-1, 1, 24, pixels=b"\0" * 3),
    "width_zero": tga(0, 1, 24, pixels=b""),
    "huge_sides_tiny_data": tga(32767, 32767, 32, pixels=b"\1\2\3\4"),
    "id_past_end": tga(1, 1, 8, ident=b"i" * 200)[:19],
}

CONFIG = (b"rem level settings\r\n"
          b"heightmap.setSize 1025\r\n"
          b"heightmap.setScale 2/0.003\r\n"
          b"heightmap.setSize 257\r\n"
          b"heightmap.setScale 8/0.768\r\n"
          b"heightmap.setSize 9\r\n")
CONFIG_SEEDS = {
    "level_crlf": CONFIG,
    "level_lf": CONFIG.replace(b"\r\n", b"\n"),
    "empty": b"",
    "one_scale_line": b"heightmap.setSize 513\nheightmap.setScale 4/0.5",
    "absurd_numbers": (b"heightmap.setSize -2147483648\n"
                       b"heightmap.setSize 99999999999999\n"
                       b"heightmap.setScale 2147483647/1e39\n"
                       b"heightmap.setScale -7/-nan\n"),
    "unreadable_numbers": (b"heightmap.setSize abc\n"
                           b"heightmap.setScale 2 / 0.5\n"
                           b"heightmap.setScale x/y\n"),
    "other_case_and_blanks": (b"  heightmap.setSize 5\nHEIGHTMAP.SETSIZE 6\n"
                              b"heightmap.setSize\t+7 trailing\nheightmap.setScale0x10/0x1p-3\n"),
}


def height_seed(settings, raw, sixteen=True, secondary=False, side=5):
    flags = (1 if sixteen else 0) | (2 if secondary else 0) | ((side - 2) << 2)
    return bytes([flags, len(settings)]) + settings + raw


def ramp16(n):
    return b"".join(struct.pack("<H", (i * 4099) & 0xFFFF) for i in range(n))


HEIGHT_SEEDS = {
    "primary_3x3": height_seed(b"heightmap.setSize 3\nheightmap.setScale 2/0.5\n", ramp16(9)),
    "secondary_4x4": height_seed(
        b"heightmap.setSize 3\nheightmap.setScale 2/0.5\nheightmap.setSize 4\n"
        b"heightmap.setScale 128/0.768\n", bytes(range(0, 160, 10)), sixteen=False,
        secondary=True, side=9),
    "primary_5x5_cliff": height_seed(
        b"heightmap.setSize 5\nheightmap.setScale 1/1000\n",
        b"".join(struct.pack("<H", 65535 if (i % 5) > 2 else 0) for i in range(25)), side=17),
    "file_too_long": height_seed(b"heightmap.setSize 2\nheightmap.setScale 3/1\n", ramp16(7)),
    "file_too_short": height_seed(b"heightmap.setSize 4\nheightmap.setScale 3/1\n", ramp16(15)),
    "size_one": height_seed(b"heightmap.setSize 1\nheightmap.setScale 3/1\n", ramp16(1)),
    "size_negative": height_seed(b"heightmap.setSize -4\nheightmap.setScale 3/1\n", ramp16(16)),
    "size_huge": height_seed(b"heightmap.setSize 2147483647\nheightmap.setScale 3/1\n", ramp16(4)),
    "horizontal_zero": height_seed(b"heightmap.setSize 2\nheightmap.setScale 0/1\n", ramp16(4)),
    "horizontal_negative": height_seed(b"heightmap.setSize 3\nheightmap.setScale -9/1\n",
                                       ramp16(9)),
    "vertical_huge": height_seed(b"heightmap.setSize 2\nheightmap.setScale 1/1e30\n", ramp16(4)),
    "vertical_negative": height_seed(b"heightmap.setSize 3\nheightmap.setScale 1/-0.25\n",
                                     ramp16(9)),
    "vertical_nan": height_seed(b"heightmap.setSize 2\nheightmap.setScale 1/nan\n", ramp16(4)),
    "no_settings": height_seed(b"", ramp16(4)),
}

GRADIENT = tga(512, 1, 8, image_type=3, pixels=bytes(k // 2 for k in range(512)))
# First byte: even for a gradient, odd for a texture.
MATERIAL_SEEDS = {
    "gradient_sound": bytes([0]) + GRADIENT,
    "gradient_bgr24_171x1": bytes([0]) + tga(171, 1, 24),
    "gradient_too_small": bytes([0]) + tga(511, 1, 8),
    "texture_wrong_size": bytes([1]) + tga(4, 4, 24),
    "texture_wrong_format": bytes([1]) + tga(4, 4, 8),
    "texture_truncated": bytes([1]) + tga(4, 4, 24)[:30],
    "texture_colour_mapped": bytes([1]) + tga(2, 1, 8, image_type=1, colour_map=1),
}


def maps(named, detail, colour, cut=(0, 0, 0)):
    def recipe(fmt, w, h):
        return struct.pack("<BHH", fmt, w, h)
    return bytes([named]) + recipe(*detail) + recipe(*colour) + struct.pack("<iii", *cut)


# Format bytes: 0 Bgr24, 1 Bgra32, 2 Grey8, 3 and 4 codes that are no format.
TILE_SEEDS = {
    "both_1024": maps(3, (0, 1024, 1024), (0, 1024, 1024), (1024, 1, 1)),
    "detail_only_1000x600": maps(1, (0, 1000, 600), (0, 0, 0), (1000, 0, 0)),
    "colour_only_1024": maps(2, (0, 0, 0), (0, 1024, 1024), (1024, 1, 0)),
    "widths_differ": maps(3, (0, 1024, 1024), (0, 512, 1024)),
    "too_few_rows": maps(3, (0, 1024, 1000), (0, 1024, 1024)),
    "bgra32_detail": maps(3, (1, 1024, 1024), (0, 1024, 1024)),
    "grey_colour": maps(2, (0, 0, 0), (2, 512, 512)),
    "not_a_format": maps(1, (3, 600, 600), (0, 0, 0), (600, 0, 0)),
    "narrow_and_wide": maps(3, (0, 32767, 10), (0, 32767, 10), (0x7FFFFFFF, 63, 0)),
    "neither_named": maps(0, (0, 512, 512), (0, 512, 512), (512, 0, 0)),
    "cut_beyond": maps(1, (0, 512, 512), (0, 0, 0), (513, 0, 1)),
    "cut_negative": maps(1, (0, 512, 512), (0, 0, 0), (-512, -1, 0)),
}

NVDXT_SEEDS = dict(TGA_SEEDS)
NVDXT_SEEDS.update({
    "grey8_1x3": tga(1, 3, 8, image_type=3),
    "bgr24_5x1_right_top": tga(5, 1, 24, descriptor=0x30),
})


def png(width, height, depth=16, colour_type=0, rows=None, cut=None, extra_chunks=b""):
    def chunk(kind, body):
        return (struct.pack(">I", len(body)) + kind + body +
                struct.pack(">I", zlib.crc32(kind + body) & 0xFFFFFFFF))
    channels = {0: 1, 2: 3, 3: 1, 4: 2, 6: 4}[colour_type]
    row_bytes = (width * channels * depth + 7) // 8
    if rows is None:
        rows = [bytes((x * 29 + y * 7) & 0xFF for x in range(row_bytes)) for y in range(height)]
    raw = b"".join(b"\0" + row for row in rows)
    data = (b"\x89PNG\r\n\x1a\n" +
            chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, depth, colour_type, 0, 0, 0)) +
            extra_chunks + chunk(b"IDAT", zlib.compress(raw)) + chunk(b"IEND", b""))
    return data[:cut] if cut else data


IMPORT_PNG_SEEDS = {
    "grey16_3x2": png(3, 2),
    "grey8_4x3": png(4, 3, depth=8),
    "grey16_1x1": png(1, 1),
    "colour_rgb": png(2, 2, depth=8, colour_type=2),
    "colour_rgba16": png(2, 2, depth=16, colour_type=6),
    "paletted": png(2, 2, depth=8, colour_type=3,
                    extra_chunks=b"\0\0\0\x03PLTE\x01\x02\x03\0\0\0\0"),
    "grey_alpha": png(2, 2, depth=8, colour_type=4),
    "grey4": png(4, 2, depth=4),
    "cut_in_idat": png(8, 8, cut=60),
    "header_only": png(2, 2)[:33],
    "huge_sides_tiny_data": png(32768, 32768, depth=16, rows=[b""]),
    "sides_beyond_limit": png(40000, 2, depth=8, rows=[b"", b""]),
    "idat_not_zlib": png(2, 2)[:41] + b"\xff" * 20,
}


def raw_seed(fmt, width, height, data, any_side=False):
    if any_side:
        return bytes([fmt | 0x80]) + struct.pack("<II", width, height) + data
    return bytes([fmt, width, height]) + data


IMPORT_RAW_SEEDS = {
    "u8_3x2": raw_seed(0, 3, 2, bytes(range(6))),
    "u16le_2x2": raw_seed(1, 2, 2, ramp16(4)),
    "u16be_2x3": raw_seed(2, 2, 3, ramp16(6)),
    "f32le_2x2_nan": raw_seed(3, 2, 2, struct.pack("<4f", 1.5, float("nan"), -3.0, 1e30)),
    "f32le_infinite": raw_seed(3, 2, 1, struct.pack("<2f", 0.0, float("-inf"))),
    "one_byte_short": raw_seed(1, 3, 3, ramp16(9)[:-1]),
    "one_byte_long": raw_seed(0, 2, 2, bytes(5)),
    "zero_side": raw_seed(0, 0, 4, b""),
    "huge_sides": raw_seed(1, 0xFFFFFFFF, 0xFFFFFFFF, ramp16(4), any_side=True),
    "beyond_sample_limit": raw_seed(0, 32768, 32768, bytes(16), any_side=True),
    "layout_text": b"1024x1024:u16le",
}


def settings_seed(text, side=254, spacing=2, mantissa=0x1234, exponent=92):
    return struct.pack("<HIHB", side, spacing, mantissa, exponent) + text


IMPORT_SETTINGS_SEEDS = {
    "level_crlf": settings_seed(CONFIG),
    "level_lf": settings_seed(CONFIG.replace(b"\r\n", b"\n")),
    "empty": settings_seed(b""),
    "no_size_line": settings_seed(b"rem\nheightmap.setScale 2/0.5\nheightmap.setSize 9\n"),
    "no_scale_line": settings_seed(b"heightmap.setSize 3\nrem\nheightmap.setSize 5"),
    "no_key": settings_seed(b"rem a\r\nterrain.setFog 1"),
    "carriage_return_in_key": settings_seed(b"height\rmap.setSize 3\nheightmap.setScale 1/1\r\r\n"),
    "tiny_scale": settings_seed(CONFIG, side=8189, spacing=0x7FFFFFFE, exponent=0),
}


MATERIAL_RULES_SEEDS = {
    "band_and_slope": b"# grass, dry grass above 700 m\nhigh 650 m .. 750 m\nsteep 30 deg .. 40 deg\n",
    "beach_points": b"high 0 at -5 m, 1 at 2 m, 1 at 40 m, 0 at 60 m\r\n",
    "constant_and_degree_sign": "steep 0\nhigh 0.5 at 10\u00b0".encode(),
    "touching_units": b"high 650m..750m\nsteep 30deg..40deg",
    "decimal_comma": b"high 0,5",
    "reversed_band": b"high 750 m .. 650 m",
    "falling_points": b"high 0 at 10 m, 1 at 5 m",
    "second_rule": b"steep 0\nsteep 1",
    "settings_with_record": b"heightmap.setSize 65\r\nrem marvane.baseHeight primary 251.5\r\n"
                            b"heightmap.setScale 32/0.003\r\n",
}


def png(width, height, colour_type, depth, rows):
    def chunk(kind, body):
        return struct.pack(">I", len(body)) + kind + body + struct.pack(">I", zlib.crc32(kind + body))
    header = struct.pack(">IIBBBBB", width, height, depth, colour_type, 0, 0, 0)
    raw = b"".join(b"\0" + row for row in rows)
    return b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(raw)) + \
        chunk(b"IEND", b"")


def bmp(width, height):
    row = bytes((x * 40) & 0xFF for x in range(width * 3)) + b"\0" * ((4 - width * 3 % 4) % 4)
    pixels = row * height
    return struct.pack("<2sIHHI", b"BM", 54 + len(pixels), 0, 0, 54) + \
        struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(pixels), 2835, 2835, 0, 0) + pixels


PICTURE_SEEDS = {
    "png_rgb_4x3": png(4, 3, 2, 8, [bytes(range(y * 12, y * 12 + 12)) for y in range(3)]),
    "png_grey16_3x2": png(3, 2, 0, 16, [bytes(6), bytes(range(6))]),
    "png_claims_huge": png(20000, 20000, 2, 8, [bytes(3)]),
    "bmp_5x2": bmp(5, 2),
    "tga_bgr24_2x2": tga(2, 2, 24),
    "tga_rle": tga(2, 1, 24, image_type=10),
    "text_renamed": b"not a picture at all",
    "gif_header": b"GIF89a\x01\0\x01\0\0\0\0;",
}


def write(target, seeds):
    folder = os.path.join(HERE, "corpus", target)
    os.makedirs(folder, exist_ok=True)
    for name, data in seeds.items():
        with open(os.path.join(folder, name), "wb") as out:
            out.write(data)


write("tga_load", TGA_SEEDS)
write("terrain_config", CONFIG_SEEDS)
write("height_field", HEIGHT_SEEDS)
write("material_set", MATERIAL_SEEDS)
write("tile_cut", TILE_SEEDS)
write("nvdxt_input", NVDXT_SEEDS)
write("import_png", IMPORT_PNG_SEEDS)
write("import_raw", IMPORT_RAW_SEEDS)
write("import_settings", IMPORT_SETTINGS_SEEDS)
write("material_rules", MATERIAL_RULES_SEEDS)
write("picture_decode", PICTURE_SEEDS)
