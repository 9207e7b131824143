// Whole-table calculation, the two sorted views, the date line and list
// rows of the element table.
#pragma once
#include "minorplanets/elements.h"

extern int iBcalc[MPMAX];   // colour class of each record; 0 not computed
extern int iRindex[MPMAX];  // record indices in right-ascension order
extern int iBindex[MPMAX];  // record indices nearest the opposition point first
extern int difint[MPMAX];   // sort key of each record while sorting

// Orders of the planet list, iNT[MPSORT].
enum : int { SORTTABLE = 0, SORTRA = 1, SORTOPP = 2 };
// Record index at list row for the sort in iNT[MPSORT].
int getmpnumber(int row);

// Sky state of every record at jd and next-day places, then the views.
// Returns 0.
int calcastall(double jd);
// Next-day places: ratom/dectom of every record = place at jd. Returns 0.
int calcastalltom(double jd);
// Place, distance and single-object magnitude of record i at jd. Returns 0.
int calcsingle(int i, double jd);
// calcsingle at jd with ratom/dectom from jd + 1. Returns 0.
int calctomorrow(int i, double jd);
// Builds iBindex (Sun at jd) and iRindex from the sky states. Returns 0.
int sortbackcalc(double jd);
// List row of record i into dest (80 bytes). Returns 0.
int findpos(char *dest, int i);
// dest (80 bytes) = prefix followed by record i's place. Returns 0.
int getpos(const char *prefix, char *dest, int i);
