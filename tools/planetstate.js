#!/usr/bin/env node
// Heliocentric states of Mercury..Pluto (without the Earth) at a Julian Day
// (UT), for tools/mkastdat: one JSON object, per planet the position (AU)
// and velocity (AU/day) on the ecliptic and equinox of J2000, from
// astronomy-engine (npm; `npm install` in tools/).
// With --geo, instead for each JD the geocentric astrometric J2000 place
// (light time, no aberration) of each planet, for tools/mkastref:
//   JD planet_index ra_hours dec_deg dist_au
// Usage: node tools/planetstate.js JD
//        node tools/planetstate.js --geo JD...
'use strict';
const A = require('astronomy-engine');

const NAMES = ['Mercury', 'Venus', 'Mars', 'Jupiter', 'Saturn', 'Uranus', 'Neptune', 'Pluto'];

if (process.argv[2] === '--geo') {
  for (const arg of process.argv.slice(3)) {
    const t = A.MakeTime(Number(arg) - 2451545.0);
    NAMES.forEach((name, k) => {
      const v = A.GeoVector(A.Body[name], t, false);
      const eq = A.EquatorFromVector(v);
      process.stdout.write(`${arg} ${k} ${eq.ra.toFixed(7)} ${eq.dec.toFixed(6)} ${eq.dist.toFixed(6)}\n`);
    });
  }
  process.exit(0);
}

const jd = Number(process.argv[2]);
if (!Number.isFinite(jd)) {
  process.stderr.write('usage: planetstate.js JD | --geo JD...\n');
  process.exit(2);
}
const time = A.MakeTime(jd - 2451545.0);
const rot = A.Rotation_EQJ_ECL();
const fs = require('fs');
const path = require('path');
// The package's exports hide its package.json; read it beside its entry.
const pkgdir = path.dirname(require.resolve('astronomy-engine'));
const version = JSON.parse(fs.readFileSync(path.join(pkgdir, 'package.json'), 'utf8')).version;
const out = { version: version, jd: jd, planets: {} };
for (const name of NAMES) {
  const s = A.HelioState(A.Body[name], time);
  const p = A.RotateVector(rot, new A.Vector(s.x, s.y, s.z, time));
  const v = A.RotateVector(rot, new A.Vector(s.vx, s.vy, s.vz, time));
  out.planets[name] = { pos: [p.x, p.y, p.z], vel: [v.x, v.y, v.z] };
}
process.stdout.write(JSON.stringify(out) + '\n');
