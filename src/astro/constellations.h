// Constellation label points and boundary lines for the chart overlay.
#pragma once

enum { NUMCNAMES = 89 };        // label records (Serpens has two)
extern const int iNumConBounds;  // boundary points, before the closing zero records
extern const int iConBoundRecs;  // boundary records, zero records included

// Label i (0..NUMCNAMES-1): *ra in hours, *dec in degrees, text (at least 20
// characters) = the full Latin name. Returns false for any other i and then
// changes nothing.
bool getCname(int i, char *text, double *ra, double *dec);
// As getCname, with text (at least 4 characters) = the IAU abbreviation.
bool getCnameAbbr(int i, char *text, double *ra, double *dec);
// Boundary record i (0..iConBoundRecs-1): *ra in hours, *dec in degrees;
// returns its pen flag (0 = start a line here, 1 = draw to here). Any other
// i returns 0 and changes nothing.
int getconbounds(int i, double *ra, double *dec);
