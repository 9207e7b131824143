"""Writer of KORVANEX star catalogue files and the shared star helpers.

A catalogue file holds up to four magnitude layers (7, 8, 9, 10), each a
count, its 16-byte records sorted by sky block, then 432 counts and 432
start indexes of its blocks; a catalogue word follows the layer-7 index.
A one-layer file holds the layer-7 count and records only.
"""
import struct

BLOCKS = 432
CAPACITY = 120200
LAYER_LIMITS = (700, 800, 900)   # mag100 below these: layers 7, 8, 9; else 10

# B-V limits of the derived class letter (fitted on Hipparcos stars with
# real types); never derives O, R or N.
BV_CLASSES = ((0.00, 'B'), (0.33, 'A'), (0.58, 'F'), (0.97, 'G'), (1.61, 'K'))


def f32(x):
    """x rounded to single precision, as stored in the file."""
    return struct.unpack('<f', struct.pack('<f', x))[0]


def clamp_position(ra, dec):
    """R.A. hours into [0, 24) and declination into [-90, 90) in single
    precision, so that every star has a block number 0..431."""
    ra = ra % 24.0
    if f32(ra) >= 24.0:
        ra = 0.0
    dec = max(-90.0, min(90.0, dec))
    while f32(dec) >= 90.0:
        dec = 89.99999
    return f32(ra), f32(dec)


def block(ra, dec):
    """Sky block of a position (hours, degrees), truncating toward zero."""
    return int(dec / 10 + 9) * 24 + int(ra)


def derived_class(bv):
    """Class letter from B-V (None when unknown: no class)."""
    if bv is None:
        return ' '
    for limit, letter in BV_CLASSES:
        if bv < limit:
            return letter
    return 'M'


def mk_class(text):
    """(class letter, subclass char) of an MK type string, or None when it
    has no class of the set O B A F G K M R N."""
    s = text.strip().replace('(', '').replace(')', '').replace('[', '').replace(']', '')
    for prefix in ('sd', 'd', 'g', 'k', 'h'):
        if s.startswith(prefix) and len(s) > len(prefix) and s[len(prefix)].isupper():
            s = s[len(prefix):]
            break
    if not s:
        return None
    letter = s[0]
    rest = s[1:].lstrip('-')
    sub = rest[0] if rest[:1].isdigit() else ' '
    if letter in 'OBAFGKMRN':
        return letter, sub
    if letter == 'C' and sub != ' ':
        return ('R' if sub in '0123' else 'N'), sub
    return None


def layer_of(mag100):
    """Layer number 7..10 of a magnitude (hundredths)."""
    for n, limit in zip((7, 8, 9), LAYER_LIMITS):
        if mag100 < limit:
            return n
    return 10


class Star:
    __slots__ = ('starno', 'mag100', 'spclass', 'spsub', 'ra', 'dec')

    def __init__(self, starno, mag100, spclass, spsub, ra, dec):
        self.starno = starno
        self.mag100 = max(-32768, min(32767, mag100))
        self.spclass = spclass
        self.spsub = spsub
        self.ra, self.dec = clamp_position(ra, dec)

    def pack(self):
        return struct.pack('<ihccff', self.starno, self.mag100, self.spclass.encode('latin-1'),
                           self.spsub.encode('latin-1'), self.ra, self.dec)


def split_layers(stars, nlayers):
    """Stars (brightest first) into nlayers lists by magnitude; stars of the
    layers beyond nlayers are dropped."""
    layers = [[] for _ in range(4)]
    for s in stars:
        layers[layer_of(s.mag100) - 7].append(s)
    return layers[:nlayers]


def sorted_layer(layer):
    """The layer sorted by sky block, brightest first within a block."""
    return sorted(layer, key=lambda s: (block(s.ra, s.dec), s.mag100))


def layer_bytes(layer, base):
    """Count, records and block index of one layer whose first star has
    global index base."""
    layer = sorted_layer(layer)
    counts = [0] * BLOCKS
    for s in layer:
        counts[block(s.ra, s.dec)] += 1
    starts, at = [], base
    for c in counts:
        starts.append(at)
        at += c
    out = [struct.pack('<i', len(layer))]
    out += [s.pack() for s in layer]
    out.append(struct.pack('<432i', *counts))
    out.append(struct.pack('<432i', *starts))
    return b''.join(out)


def write_indexed(path, layers):
    """Indexed catalogue file of the layers (lists for 7, 8, 9 and
    optionally 10). Returns the star counts per layer."""
    layers = list(layers) + [[]] * (4 - len(layers))
    total = sum(len(l) for l in layers)
    assert total <= CAPACITY, total
    parts, base = [], 0
    for n, layer in enumerate(layers):
        if n == 3 and not layer:
            parts.append(struct.pack('<i', 0))
            break
        parts.append(layer_bytes(layer, base))
        if n == 0:
            parts.append(struct.pack('<i', total))   # catalogue word
        base += len(layer)
    with open(path, 'wb') as f:
        f.write(b''.join(parts))
    return [len(l) for l in layers]


def write_fallback(path, layer7):
    """One-layer catalogue file: the count and the block-sorted records."""
    layer = sorted_layer(layer7)
    with open(path, 'wb') as f:
        f.write(struct.pack('<i', len(layer)))
        f.write(b''.join(s.pack() for s in layer))
    return len(layer)
