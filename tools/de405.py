"""JPL DE405 as Debian's casacore-data-jpl-de405 ships it, evaluated with numpy.

The casacore table holds one row per 32-day block: column MJD is the
block's start (the first row starts at MJD0 + 32), column x the block's 1018
Chebyshev coefficients without JPL's two leading date words, so JPL's
1-based offset n is index n - 3 here. The layout per body is the table's
own column keyword ('Description': offsets, coefficients per sub-interval,
sub-intervals per block). Positions in km, barycentric ICRF axes, the Moon
geocentric; time is TDB (JD = MJD + 2400000.5).

Shared by tools/mkde405 (the program's Chebyshev file) and tools/mkde405ref
(the test reference table).
"""
import numpy as np

TABLE = '/usr/share/casacore/data/ephemerides/DE405'
# Body order of the table (JPL's): Mercury, Venus, Earth-Moon barycentre,
# Mars, Jupiter, Saturn, Uranus, Neptune, Pluto, Moon (geocentric), Sun.
NAMES = ['Mercury', 'Venus', 'EMB', 'Mars', 'Jupiter', 'Saturn', 'Uranus', 'Neptune', 'Pluto',
         'Moon', 'Sun']
MJD2JD = 2400000.5


class DE405:
    def __init__(self, path=TABLE):
        import casacore.tables as ct
        tb = ct.table(path, ack=False)
        kw = tb.getkeywords()
        if int(kw['DENUM']) != 405 or float(kw['dMJD']) != 32.0:
            raise SystemExit('de405: %s is not the DE405 table this reads' % path)
        desc = np.asarray(tb.getcolkeywords('x')['Description']).reshape(3, 13)
        self.offset = desc[0, :11] - 3
        self.ncoef = desc[1, :11]
        self.nsub = desc[2, :11]
        expect = ([3, 171, 231, 309, 342, 366, 387, 405, 423, 441, 753],
                  [14, 10, 13, 11, 8, 7, 6, 6, 6, 13, 11], [4, 2, 2, 1, 1, 1, 1, 1, 1, 8, 2])
        if (list(desc[0, :11]) != expect[0] or list(self.ncoef) != expect[1]
                or list(self.nsub) != expect[2]):
            raise SystemExit('de405: unexpected coefficient layout %s' % desc)
        self.x = tb.getcol('x')
        mjd = tb.getcol('MJD')
        self.mjd0 = float(kw['MJD0'])
        if mjd[0] != self.mjd0 + 32.0 or np.any(np.diff(mjd) != 32.0):
            raise SystemExit('de405: blocks are not contiguous 32-day blocks from MJD0')
        self.nblocks = len(mjd)
        self.start = float(mjd[0]) + MJD2JD
        self.end = self.start + 32.0 * self.nblocks
        self.emrat = float(kw['EMRAT'])
        self.au = float(kw['AU'])
        self.version = 'DE%d' % int(kw['DENUM'])

    def body(self, b, jd):
        """Position (km, shape (n, 3)) of table body b at the TDB Julian Days jd."""
        jd = np.atleast_1d(np.asarray(jd, dtype=float))
        t = (jd - self.start) / 32.0
        if np.any(t < 0) or np.any(t > self.nblocks):
            raise ValueError('de405: date outside %.1f..%.1f' % (self.start, self.end))
        blk = np.minimum(np.floor(t).astype(int), self.nblocks - 1)
        f = t - blk
        ns, nc = int(self.nsub[b]), int(self.ncoef[b])
        sub = np.minimum(np.floor(f * ns).astype(int), ns - 1)
        tau = 2.0 * (f * ns - sub) - 1.0
        out = np.zeros((len(jd), 3))
        base = self.offset[b] + sub * 3 * nc
        for c in range(3):
            idx = base[:, None] + c * nc + np.arange(nc)[None, :]
            coef = self.x[blk[:, None], idx]
            out[:, c] = chebval_rows(tau, coef)
        return out

    def earth(self, jd):
        return self.body(2, jd) - self.body(9, jd) / (1.0 + self.emrat)


def chebval_rows(tau, coef):
    """Sum of coef[k, j] T_j(tau[k]) for every k (Clenshaw)."""
    b1 = np.zeros(len(tau))
    b2 = np.zeros(len(tau))
    for j in range(coef.shape[1] - 1, 0, -1):
        b1, b2 = 2.0 * tau * b1 - b2 + coef[:, j], b1
    return tau * b1 - b2 + coef[:, 0]
