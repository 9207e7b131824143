// The element table in memory: major planets, one page of the
// minor-planet database and the user's objects, their sky states, the user
// list, and the accessors of a record.
#pragma once
#include <cstdint>

// Element record, byte for byte as in the database files (84 bytes,
// little-endian). Angles in degrees, referred to the ecliptic of J2000.
struct mprec {
  int32_t number;    // catalogue number; 0 unnumbered and major planets
  char name[20];     // NUL-terminated, at most 19 characters
  int32_t epoch;     // whole Julian Day number; the epoch instant is epoch + 0.5
  float period;      // years, semiaxis^1.5
  float fixed1;      // slope parameter G of the magnitudes (0.15 where the source has none)
  float fixed2;      // 0, carried only
  float diameter;    // planets: angular diameter at 1 AU ("); else 0.1
  float peritime;    // Julian Day of the perihelion passage nearest the epoch (shown only)
  float hmag;        // absolute magnitude H
  float meananom;    // mean anomaly at the epoch
  float argperi;     // argument of perihelion
  float ascnode;     // longitude of the ascending node
  float inc;         // inclination
  float ecc;         // eccentricity
  float daily;       // mean daily motion, degrees per day
  float semiaxis;    // AU
  float rexp;        // 1.0, carried only (the H-G magnitudes have no such factor)
};
static_assert(sizeof(mprec) == 84, "mprec must match the file layout");

// Sky state of one element record, filled by the table calculation.
struct objrec {
  int32_t userslot;  // user-list slot linking here, -1 if none
  float ra;          // J2000 right ascension, hours
  float dec;         // J2000 declination, degrees
  float dist;        // distance from the Earth, AU
  float mag;         // apparent magnitude
  int32_t block;     // sky block 0..431
  float ratom;       // right ascension one day later, hours
  float dectom;      // declination one day later, degrees
  int32_t phase;     // trunc(100 |cos phase angle|)
};

constexpr int MPMAX = 3064;     // records in the table
constexpr int MPPAGE = 3000;    // records per database page, planets included
constexpr int MPUSERMAX = 64;   // user-list slots
constexpr int MPPLANETS = 8;    // major-planet records at the start

extern mprec mp[MPMAX];
extern objrec obj[MPMAX];
extern int userobj[MPUSERMAX];  // record index held by each slot, -1 free
extern mprec ast;               // staging record of the user file
extern int iNumAst;             // records in use, planets included

// Limits of a possible database record.
constexpr int32_t MINEPOCH = 2000000;    // epoch, Julian Day
constexpr int32_t MAXEPOCH = 3000000;
constexpr float MAXSEMIAXIS = 100000.0f;  // AU
constexpr float MAXDAILY = 20.0f;         // degrees per day; Mercury moves 4.1

// 1 when record r can be a real ellipse of the database: finite, epoch
// within MINEPOCH..MAXEPOCH, eccentricity 0 <= e < 1, semi-major axis and
// daily motion positive and within their limits; else 0.
int mpplausible(const mprec *r);

// Number of occupied user-list slots.
int countuserobj();
// Links record i into the lowest free user slot. Returns the new count, or
// 64 when the list is full.
int loguserobj(int i);
// 1 when every real field of r is finite.
int mpfinite(const mprec *r);

// Record i to ast and back (the latter deriving period and the constants).
void copymp2ast(int i);
void copyast2mp(int i);
// Copies the name of record i to dest (20 bytes); returns its number.
int getastname(int i, char *dest);
// Elements of record i as doubles; node, argument of perihelion and
// inclination in radians, epoch as the epoch instant (Julian Day).
void getastdata(int i, double *hmag, double *meananom, double *ascnode, double *argperi,
                double *inc, double *ecc, double *daily, double *semiaxis, double *rexp,
                double *epoch, double *period, double *peritime);
// First record index with exactly this name / number; -1 if none.
int findastname(const char *name);
int findastnumber(int number);
