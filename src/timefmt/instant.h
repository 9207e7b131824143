// The calculation instant: taken from the PC clock, the date fields of the
// location/time menu or a typed Julian Day, with its local sidereal time.
#pragma once

extern double dJDay;     // calculation instant, Julian Day (UT)
extern double day;       // instant the chart and positions were last computed for
extern double SidHr;     // local sidereal time at dJDay, hours 0..24
extern char jdbuff[80];  // last date text made by jtocal or jdtodmyut
