#!/usr/bin/python3
"""Build tycstar.bin (layers 7, 8, 9) and tycstar7.bin (layer 7), catalogue
"TYC", from the brightest stars of one of two sources:

  --kstars stars.dat     kstars-data's Hipparcos/Tycho-derived star list. It
                         carries no Tycho identifiers: every star number is 0.
  --tyc2 tyc2.dat ...    the Tycho-2 catalogue (CDS I/259, fixed columns, plain
                         or .gz parts): genuine packed Tycho identifiers.

Spectral types: the source's own where it has a real one; for kstars'
"?"-marked guesses (and unusable types) the real type of the matching
Hipparcos star (by position, or by the HIP column of Tycho-2) from
--hip stars.14.json and --stellarium DIR, else the class letter derived
from B-V with a blank subclass.

usage: tycstar.py (--kstars FILE | --tyc2 FILE...) [--hip JSON --stellarium DIR] --out DIR
"""
import argparse
import gzip
import json
import math
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import starfile  # noqa: E402
import hipstar  # noqa: E402

MATCH_ARCSEC = 5.0    # position tolerance of a kstars star and its HIP star
MATCH_MAG = 1.0       # and their magnitude tolerance


class HipIndex:
    """Hipparcos stars with their real (class, subclass), found by HIP
    number or by position."""

    def __init__(self, jsonpath, stardir):
        types = hipstar.read_hip_types(stardir)
        with open(jsonpath) as f:
            features = json.load(f)['features']
        self.byhip, self.cells = {}, {}
        for feat in features:
            real = starfile.mk_class(types.get(feat['id'], ''))
            if not real:
                continue
            lon, lat = feat['geometry']['coordinates']
            entry = ((lon % 360.0), lat, feat['properties']['mag'], real)
            self.byhip[feat['id']] = real
            self.cells.setdefault(self.cell(entry[0], lat), []).append(entry)

    @staticmethod
    def cell(radeg, dec):
        return int(math.floor(dec * 60)), int(math.floor(radeg * 60 * max(0.01, math.cos(math.radians(dec)))))

    def near(self, radeg, dec, mag):
        """Real type of the HIP star at the position, or None."""
        cy, cx = self.cell(radeg, dec)
        for dy in (-1, 0, 1):
            for dx in (-1, 0, 1):
                for ra2, dec2, mag2, real in self.cells.get((cy + dy, cx + dx), ()):
                    dra = (ra2 - radeg + 180.0) % 360.0 - 180.0
                    sep = math.hypot(dra * math.cos(math.radians(dec)), dec2 - dec) * 3600
                    if sep <= MATCH_ARCSEC and abs(mag2 - mag) <= MATCH_MAG:
                        return real
        return None


def choose_class(own, guessed, hipreal, bv):
    """Spectral (class, subclass) by the rule in the module comment."""
    if own and not guessed:
        return own
    if hipreal:
        return hipreal
    return starfile.derived_class(bv), ' '


def sexagesimal(text, scale):
    """'hhmmss.ss' or '+ddmmss.s' to hours or degrees."""
    sign = -1.0 if text[0] == '-' else 1.0
    digits = text.lstrip('+- ')
    return sign * (int(digits[0:2]) + int(digits[2:4]) / 60.0 + float(digits[4:]) / 3600.0) * scale


def read_kstars(path, hip):
    stars, guessed_matched = [], 0
    with open(path, encoding='latin-1') as f:
        for line in f:
            if line.startswith('#') or len(line) < 58:
                continue
            ra = sexagesimal(line[0:9], 1.0)
            dec = sexagesimal(line[10:19], 1.0)
            mag = float(line[46:51])
            bv = float(line[51:56])
            sp = line[56:58]
            guessed = sp[1] == '?'
            own = starfile.mk_class(sp[0]) if guessed else starfile.mk_class(sp)
            hipreal = None
            if (guessed or not own) and hip:
                hipreal = hip.near(ra * 15.0, dec, mag)
                guessed_matched += hipreal is not None
            cls, sub = choose_class(own, guessed, hipreal, bv)
            stars.append(starfile.Star(0, int(round(mag * 100)), cls, sub, ra, dec))
    return stars, guessed_matched


def field(line, first, last):
    """Stripped text of 1-based columns first..last, or None when blank."""
    text = line[first - 1:last].strip()
    return text or None


def tyc2_star(line, hip):
    """Star of one tyc2.dat line, or None when it has no magnitude."""
    bt, vt = field(line, 111, 116), field(line, 124, 129)
    if vt is None and bt is None:
        return None
    bt = float(bt) if bt else None
    vt = float(vt) if vt else None
    if bt is not None and vt is not None:
        v, bv = vt - 0.090 * (bt - vt), 0.850 * (bt - vt)
    else:
        v, bv = (vt if vt is not None else bt), None
    if line[13] == 'X' or field(line, 16, 27) is None:
        radeg, dec = float(line[152:164]), float(line[165:177])
    else:
        radeg, dec = float(line[15:27]), float(line[28:40])
    tyc1, tyc2, tyc3 = int(line[0:4]), int(line[5:10]), int(line[11])
    number = field(line, 143, 148)
    hipreal = hip.byhip.get(int(number)) if (hip and number) else None
    cls, sub = choose_class(None, True, hipreal, bv)
    starno = (tyc1 << 16) | ((tyc2 & 0x3FFF) << 2) | (tyc3 & 3)
    if starno >= 1 << 31:
        starno -= 1 << 32
    return starfile.Star(starno, int(round(v * 100)), cls, sub, radeg / 15.0, dec)


def read_tyc2(paths, hip):
    stars = []
    for path in paths:
        opener = gzip.open if path.endswith('.gz') else open
        with opener(path, 'rt', encoding='latin-1') as f:
            for line in f:
                if len(line.rstrip('\n')) >= 177:
                    s = tyc2_star(line, hip)
                    if s:
                        stars.append(s)
    return stars


def main(argv):
    ap = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    src = ap.add_mutually_exclusive_group(required=True)
    src.add_argument('--kstars')
    src.add_argument('--tyc2', nargs='+')
    ap.add_argument('--hip')
    ap.add_argument('--stellarium')
    ap.add_argument('--out', required=True)
    args = ap.parse_args(argv[1:])
    hip = HipIndex(args.hip, args.stellarium) if args.hip and args.stellarium else None
    if args.kstars:
        stars, matched = read_kstars(args.kstars, hip)
    else:
        stars, matched = read_tyc2(args.tyc2, hip), 0
    stars.sort(key=lambda s: s.mag100)
    layers = starfile.split_layers(stars, 3)
    kept, room = [], starfile.CAPACITY
    for layer in layers:
        kept.append(layer[:room])
        room -= len(kept[-1])
    counts = starfile.write_indexed(os.path.join(args.out, 'tycstar.bin'), kept)
    n7 = starfile.write_fallback(os.path.join(args.out, 'tycstar7.bin'), kept[0])
    print('tycstar.bin layers 7/8/9: %s (of %d read, faintest kept V %.2f); tycstar7.bin: %d; '
          'types taken from HIP: %d' % ('/'.join(map(str, counts[:3])), len(stars),
                                        kept[-1][-1].mag100 / 100.0 if kept[-1] else 0, n7, matched))


if __name__ == '__main__':
    main(sys.argv)
