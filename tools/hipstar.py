#!/usr/bin/python3
"""Build hipstar.bin and hipstar7.bin (catalogue "HIP") from d3-celestial's
stars.14.json (Hipparcos numbers, J2000 positions, V, B-V) and Stellarium's
Hipparcos spectral types (stellarium-data, stars/default).

usage: hipstar.py STARS14_JSON STELLARIUM_STARS_DIR OUTDIR
"""
import json
import os
import struct
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import starfile  # noqa: E402

STELLARIUM_HIP_FILES = ('stars_0_0v0_8.cat', 'stars_1_0v0_8.cat', 'stars_2_0v0_8.cat')
STELLARIUM_MAGIC = 0x835f040a
MAG100_LIMIT = 1000   # layer 10 ends at V 10.0


def read_sp_strings(stardir):
    with open(os.path.join(stardir, 'stars_hip_sp_0v0_4.cat'), encoding='latin-1') as f:
        return [line.rstrip('\n') for line in f]


def read_hip_types(stardir):
    """HIP number -> MK type string, from the type-0 star files."""
    strings = read_sp_strings(stardir)
    types = {}
    for name in STELLARIUM_HIP_FILES:
        with open(os.path.join(stardir, name), 'rb') as f:
            data = f.read()
        head = struct.unpack('<8I', data[:32])
        if head[0] != STELLARIUM_MAGIC or head[1] != 0:
            raise SystemExit('%s: not a type-0 Stellarium star file' % name)
        zones = 20 * 4 ** head[4]
        for extra in (0, 1):
            counts = struct.unpack('<%dI' % (zones + extra), data[32:32 + 4 * (zones + extra)])
            start = 32 + 4 * (zones + extra)
            if start + 28 * sum(counts) == len(data):
                break
        else:
            raise SystemExit('%s: zone counts do not match the file size' % name)
        for at in range(start, len(data), 28):
            word, = struct.unpack_from('<I', data, at)
            sp, = struct.unpack_from('<H', data, at + 14)
            hip = word & 0xFFFFFF
            if hip and sp < len(strings) and strings[sp]:
                types.setdefault(hip, strings[sp])
    return types


def star_class(hip, bv, types):
    """(class, subclass): the real type where Stellarium has a usable one,
    else the letter derived from B-V with a blank subclass."""
    real = starfile.mk_class(types.get(hip, ''))
    if real:
        return real
    return starfile.derived_class(bv), ' '


def read_stars(path, types):
    with open(path) as f:
        features = json.load(f)['features']
    stars, nreal = [], 0
    for feat in features:
        p = feat['properties']
        bv = float(p['bv']) if p.get('bv') not in (None, '') else None
        mag100 = int(round(p['mag'] * 100))
        if mag100 >= MAG100_LIMIT:
            continue
        cls, sub = star_class(feat['id'], bv, types)
        nreal += starfile.mk_class(types.get(feat['id'], '')) is not None
        lon, lat = feat['geometry']['coordinates']
        stars.append(starfile.Star(feat['id'], mag100, cls, sub, (lon % 360.0) / 15.0, lat))
    stars.sort(key=lambda s: s.mag100)
    return stars, nreal


def main(argv):
    if len(argv) != 4:
        raise SystemExit(__doc__)
    types = read_hip_types(argv[2])
    stars, nreal = read_stars(argv[1], types)
    layers = starfile.split_layers(stars, 4)
    counts = starfile.write_indexed(os.path.join(argv[3], 'hipstar.bin'), layers)
    n7 = starfile.write_fallback(os.path.join(argv[3], 'hipstar7.bin'), layers[0])
    print('hipstar.bin layers 7/8/9/10: %s; hipstar7.bin: %d; real types: %d of %d'
          % ('/'.join(map(str, counts)), n7, nreal, len(stars)))


if __name__ == '__main__':
    main(sys.argv)
