// The deep-sky catalogue: NGC and IC objects with their Messier numbers,
// common names, types, magnitudes and sizes, indexed by the sky blocks of
// the star catalogues; its file reader and the lookups by name.
#pragma once
#include <cstdint>
#include <cstdio>

#include "astro/skyblock.h"

enum {
  MAXDSO = 16000,        // records the catalogue can hold
  DSOIDLEN = 18,         // identifier field: "NGC 7000", "NGC 1487 NED01"
  DSONAMEBYTES = 65536,  // bytes of common-name text the catalogue can hold
  DSOSOURCELEN = 48,     // source, version and licence text of the file
  DSONOMAG = 9999,       // mag100 of an object without a magnitude
  DSONOPA = -1,          // pa10 of an object without a position angle
  DSOLABELLEN = 20,      // label text: "M 31", "NGC 891", "IC 80 NED01"
  MAXMESSIER = 110,
};

// Object types of the file.
enum : int {
  DSOOTHER = 0,       // duplicate, nonexistent or of a kind not listed
  DSOGALAXY = 1,
  DSOOPEN = 2,        // open cluster
  DSOGLOBULAR = 3,    // globular cluster
  DSONEBULA = 4,      // emission or reflection nebula
  DSOPLANETARY = 5,   // planetary nebula
  DSOREMNANT = 6,     // supernova remnant
  DSOASTERISM = 7,
  DSOGALCLUSTER = 8,  // cluster of galaxies
  DSOSTAR = 9,        // star or multiple star
  DSOTYPES = 10,
};

// Results of readdeepsky / loaddeepsky.
enum : int { DSOOK = 0, DSOMISSING = 1, DSODAMAGED = 2 };

// One object as stored in the file (40 bytes, little-endian).
struct dsorec {
  float rahours;      // R.A. J2000, hours 0..24
  float decdeg;       // declination J2000, degrees -90..+90
  uint32_t nameoff;   // 1 + offset of its common names in dsonames; 0 none
  int16_t mag100;     // magnitude x 100, DSONOMAG when unknown
  uint16_t major100;  // major axis, 0.01 arc minute (0 unknown)
  uint16_t minor100;  // minor axis, 0.01 arc minute (0 unknown)
  int16_t pa10;       // position angle north through east, 0.1 degree; DSONOPA unknown
  uint8_t messier;    // Messier number, 0 none
  uint8_t type;       // DSO... type
  char id[DSOIDLEN];  // "NGC 891", "IC 434"; empty for the Messier-only M 40, M 45
};
static_assert(sizeof(dsorec) == 40, "dsorec is the 40-byte file record");

extern dsorec dso[MAXDSO];            // sorted by sky block
extern int iNumDso;                   // objects loaded (0: none)
extern char dsonames[DSONAMEBYTES];   // common names, ", " between names, NUL after each object's
extern int32_t dsonum[SKYBLOCKS], dsoidx[SKYBLOCKS];  // objects per block, first of each
extern char dsosource[DSOSOURCELEN + 1];  // "OpenNGC v20210306 CC-BY-SA-4.0"
extern double dDsoMaxRadius;  // half the largest major axis loaded, degrees: an outline's reach

// Reads a deep-sky catalogue from f (header, records, name text, nothing
// after) and makes it the one in use, indexed by sky block. A file that is
// short, longer than its header says, or holds a record that cannot be
// real (place off the sphere, unknown type, identifier or name offset out
// of bounds) is refused. Returns DSOOK, or DSODAMAGED with the catalogue
// emptied (iNumDso 0).
int readdeepsky(FILE *f);
// readdeepsky of the file at path. Returns DSOOK, DSOMISSING (cannot be
// opened; catalogue emptied) or DSODAMAGED.
int loaddeepsky(const char *path);
// Loads deepsky.bin from the program's folder at start-up and leaves its
// report in mperror: the count on success, the file and "no deep-sky
// objects" otherwise. Returns the loaddeepsky result.
int deepskyinit();
// Objects of sky block b: returns their count and sets *first to the index
// of the first; 0 for a block outside 0..431.
int dsoblock(int b, int *first);
// text (DSOLABELLEN bytes) = chart label of object i: "M 31" for a Messier
// object, else its identifier ("NGC 891"). Returns text.
char *dsolabel(int i, char *text);
// Common names of object i ("Great Orion Nebula, Orion Nebula"), "" when
// it has none or i is no object.
const char *dsocommonname(int i);
// Type name of type t ("galaxy", "open cluster", ...).
const char *dsotypename(int t);
// Major and minor axis of object i in degrees, the minor taken as the
// major when unknown; 0, 0 when its size is unknown.
void dsosize(int i, double *majordeg, double *minordeg);
// Index of the object named by text, or -1: "M31", "M 31", "NGC 7000",
// "ngc7000", "IC 434", "NGC 61A", or a common name ("Andromeda Galaxy",
// any case; when no name matches whole, the first that contains text of
// at least four characters).
int finddso(const char *text);
// 1 when object i is shown by the switches: messier for Messier objects,
// ngc for all the others (both 0: none). Returns 0 or 1.
int dsoswitched(int i, int messier, int ngc);
// Distance in degrees from (rahours, decdeg) to the outline of object i
// (its ellipse at its position angle; a circle when only one axis is
// known; its centre when no size is known): 0 inside the outline. Measured
// in the plane tangent to the sky at the object, so an outline near the
// pole keeps its shape; 0 for i not an object.
double dsoedgedistance(int i, double rahours, double decdeg);
