// The star catalogue in memory: records, derived drawing data, magnitude
// layers with their block indexes, the loader and the star accessors.
#pragma once
#include <cstdint>

#include "astro/skyblock.h"
#include "base/constants.h"

// TITLEWIDTH: pixels of the catalogue title's box beside the JD line.
enum { TITLEWIDTH = 122 };
enum { MAXSTARS = 120200, STARNAMELEN = 24, STARLAYERS = 4 };

// One star as stored in a catalogue file (16 bytes, little-endian).
struct starrec {
  int32_t starno;   // Tycho: region << 16 | running number << 2 | component
  int16_t mag100;   // visual magnitude x 100
  char spclass;     // spectral class letter O B A F G K M R N, else none
  char spsub;       // second spectral character, shown only
  float rahours;    // R.A. 2000, hours 0..24
  float decdeg;     // declination 2000, degrees -90..+90
};
static_assert(sizeof(starrec) == 16, "starrec is the 16-byte file record");

// Drawing data derived from a star at load.
struct starcalc {
  int starcolour;    // pixel colour for the depth in force at load
  float cosdec, sindec;
  float rarad, decrad;
  int block;         // sky block 0..431
  int dotsize;       // (910 - mag100) / 100, at least 0
  int imagecell;     // image sheet cell: x (low 16 bits) + y << 16
};

extern starrec star[MAXSTARS];
extern starcalc calcstar[MAXSTARS];
extern int Snum7, Snum8, Snum9, Snum10;  // stars per layer
extern int Snum, iTotStars;              // all stars loaded
extern int iStar;                        // current star
extern int32_t starnum[SKYBLOCKS], staridx[SKYBLOCKS];      // layer 7 block index
extern int32_t starnum8[SKYBLOCKS], staridx8[SKYBLOCKS];
extern int32_t starnum9[SKYBLOCKS], staridx9[SKYBLOCKS];
extern int32_t starnum10[SKYBLOCKS], staridx10[SKYBLOCKS];
// The four magnitude layers (7..10) by number 0..3: star counts and block
// indexes.
extern int *const layersize[STARLAYERS];
extern int32_t *const layernum[STARLAYERS];
extern int32_t *const layeridx[STARLAYERS];
extern int iStarIndexed;  // 1 when the loaded file carried block indexes
extern int catnum;        // 0 Tycho, 1 HIP, 2 PPM
extern char StarCatID[4];
extern int32_t catlen;    // catalogue word of the file, kept only
extern int iStarRejected; // records of the last load that could not be real
enum { STARFAULTLEN = 64 };
extern char starfault[STARFAULTLEN];  // why the last file was refused, or ""

// Limits of a possible star record.
enum { MINSTARMAG100 = -200, MAXSTARMAG100 = 2000 };  // magnitude x 100


// Start-up of the star subsystem with the catalogue number: star sprites,
// image sheet, chart set-up, then the catalogue. Returns the readskycatalog
// result.
int Starinit(int catalogue);
// Loads catalogue 0 (TYC), 1 (HIP) or 2 (PPM) from the program directory,
// its indexed file or else its one-layer file; draws the catalogue title
// and leaves the status in mperror; on success catnum and StarCatID name
// it. Returns 0, or 2 when neither file opens or the file is refused (the
// loaded stars, catnum and StarCatID stay).
int readskycatalog(int catalogue);
// 1 when star record s can be real: R.A. 0..24 h, declination -90..+90,
// magnitude -2..20; else 0.
int starplausible(const starrec &s);
// Loads a catalogue from the file at path indexed, or when that cannot be
// opened or is refused from the one-layer file at path fallback (*opened,
// when given, names the file whose failure is reported). Counts, records
// and block entries are checked against the capacity and the stars read;
// records that cannot be real are dropped and counted in iStarRejected. A
// file is refused when it holds no star, a count is negative or larger
// than the bytes that follow, a layer or index is cut short, or most
// records cannot be real; starfault then says which. Returns 0, or 2 when
// neither file opens or both are refused (the catalogue in use stays).
int loadstarfile(const char *indexed, const char *fallback, const char **opened = nullptr);
// Fills calcstar[i] from star[i]. Returns the highest magnitude class seen
// since start-up.
int calcstardata(int i);
// Makes star i (0 <= i < Snum) the current star and copies it into the
// catalogue fields. Returns 0.
int starload(int i);
// The catalogue fields back into star i (0 <= i < Snum) as edited, with
// its drawing data. Returns 0, or -1 outside the stars.
int starsave(int i);
// text (STARNAMELEN chars) = display name of star i: "region-number-
// component" for Tycho, the number for other catalogues, "-" for star
// number 0 (no identifier). Returns starno (0 outside the stars).
int getstarname(int i, char *text);
// getstarname, and *mag = magnitude. Returns starno.
int getstarnumber(int i, char *text, double *mag);
// R.A. hours, declination degrees and magnitude of star i. Returns 1, or 0
// outside the stars (nothing written).
int getstarpos(int i, double *rahours, double *decdeg, double *mag);
// Name, catalogue id (4 chars), position and magnitude of star i; outside
// the stars name "   ", id " ? ". Returns the getstarpos result.
int getstardata(int i, char *name, char *catid, double *rahours, double *decdeg, double *mag);
// text (80 chars) = one star list line of star i. Returns 0.
int starstring(int i, char *text);
