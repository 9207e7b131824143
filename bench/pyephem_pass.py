#!/usr/bin/python3
"""The peer of the whole-table pass for bench_minorplanets: PyEphem places
of the same element records at a date and the next day, timed here.

Reads the records (one a line: inc node argperi semiaxis ecc meananom
epoch_jd hmag; angles in degrees) from the file named, prints "ready",
then for each Julian Day read from standard input computes every record at
that day and the next (the Earth computed once per date, as PyEphem keeps
it between bodies of the same date) and prints the processor seconds taken.
"""
import sys
import time

import ephem

DJD = 2415020.0  # PyEphem dates count days from JD 2415020.0


def main():
    bodies = []
    with open(sys.argv[1]) as f:
        for line in f:
            inc, node, w, a, e, m, epoch, h = (float(v) for v in line.split())
            b = ephem.EllipticalBody()
            b._inc, b._Om, b._om, b._a, b._e, b._M = inc, node, w, a, e, m
            b._epoch_M = ephem.Date(epoch - DJD)
            b._epoch = ephem.Date('2000/1/1.5')
            b._H, b._G = h, 0.15
            bodies.append(b)
    print('ready %d' % len(bodies), flush=True)
    for line in sys.stdin:
        jd = float(line)
        start = time.process_time()
        for d in (ephem.Date(jd - DJD), ephem.Date(jd + 1.0 - DJD)):
            for b in bodies:
                b.compute(d)
                b.a_ra, b.a_dec  # the astrometric place, as the pass gives
        print('%.9f' % (time.process_time() - start), flush=True)


if __name__ == '__main__':
    main()
