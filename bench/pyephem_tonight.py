#!/usr/bin/python3
"""The peer of the night planner's scan for bench_tonight: PyEphem doing the
same rising, transit and setting and darkness computations for the same
records, timed here.

Usage: pyephem_tonight.py ASTDAT.BIN LAT WESTLONG JD
The night that follows JD (the Sun's lower culmination after it, its
astronomical twilight); for every plausible record after the planets, the
transit nearest the middle of the night, the rising before it and the
setting after it (standard refraction), and the rising and setting at 30
degrees for the time above it in the dark. Prints the processor seconds
taken and the records computed.
"""
import struct
import sys
import time

import ephem

DJD = 2415020.0
RECORD = struct.Struct('<i20si14f')


def main():
    path, lat, westlong, jd = sys.argv[1], float(sys.argv[2]), float(sys.argv[3]), float(sys.argv[4])
    with open(path, 'rb') as f:
        n = struct.unpack('<i', f.read(4))[0]
        recs = [RECORD.unpack(f.read(84)) for _ in range(n)][8:]
    recs = [r for r in recs if 0.0 <= r[13] < 1.0 and r[15] > 0.0 and r[14] > 0.0]
    start = time.process_time()
    o = ephem.Observer()
    o.lat, o.lon, o.pressure = str(lat), str(-westlong), 0
    sun = ephem.Sun()
    middle = o.next_antitransit(sun, start=ephem.Date(jd - DJD))
    o.horizon = '-18'
    dusk = o.previous_setting(sun, start=middle, use_center=True)
    dawn = o.next_rising(sun, start=middle, use_center=True)
    done = 0
    for r in recs:
        b = ephem.EllipticalBody()
        b._inc, b._Om, b._om, b._a, b._e, b._M = r[12], r[11], r[10], r[15], r[13], r[9]
        b._epoch_M = ephem.Date(r[2] + 0.5 - DJD)
        b._epoch = ephem.Date('2000/1/1.5')
        b._H, b._G = r[8], 0.15
        try:
            o.horizon = '-0:34'
            t = o.next_transit(b, start=middle - 0.5)
            o.previous_rising(b, start=t)
            o.next_setting(b, start=t)
            o.horizon = '30'
            up = o.previous_rising(b, start=t)
            down = o.next_setting(b, start=t)
            min(down, dawn) - max(up, dusk)
        except (ephem.AlwaysUpError, ephem.NeverUpError):
            pass
        done += 1
    print('%.6f %d' % (time.process_time() - start, done), flush=True)


if __name__ == '__main__':
    main()
