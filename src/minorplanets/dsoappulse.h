// Minor planets passing deep-sky objects: the deep-sky side of the
// appulse search, through the catalogue's sky blocks.
#pragma once

// Reports through logappulse (kind APPDSO) every deep-sky object switched
// on by messier / ngc (see dsoswitched) whose outline contains (rahours,
// decdeg) of minor planet mp or lies within maxsep degrees of it, the
// separation being the distance from the outline's edge (0 inside).
// Returns the number reported.
int searchdsoapp(int mp, double rahours, double decdeg, double maxsep, int messier, int ngc);
