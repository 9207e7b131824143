// Sky blocks: the sky cut into 1 h of R.A. by 10 degrees of declination,
// by which stars and minor planets are indexed and searched.
#pragma once

enum { SKYBLOCKS = 432 };

// Sky block of R.A. hours and declination degrees: band trunc(dec / 10 +
// 9) * 24 + trunc(hours), the band kept in 0..17 and the hour in 0..23, so
// that any place, pole and 24 h included, has a block in 0..431.
int skyblock(double rahours, double decdeg);
