// The table of CCD cameras, the selection of one (its fields in the
// TELESCOPE menu and its field of view for the focal length) and the CCD
// list page.
#pragma once
#include <cstdint>

enum { CCDCOUNT = 27, CCDNAMELEN = 24, CCDCHIPLEN = 16 };

struct ccdrec {
  char name[CCDNAMELEN];  // brand and model
  char chip[CCDCHIPLEN];  // sensor
  float chipw, chiph;     // imaging area, mm
  int32_t pixh, pixv;     // pixel counts
  float pixw, pixhgt;     // pixel size, micrometres: chipw = pixh * pixw / 1000
};

extern const ccdrec ccd[CCDCOUNT];
extern const int iCCDmax;  // last camera index
extern int iCCD;           // current camera

// Selects camera n (outside 0..26: camera 0): copies its name, chip,
// chip size and pixel counts into the TELESCOPE menu fields and computes
// its field of view; a focal length not above 0 becomes 1000 mm first.
// Returns the camera selected.
int loadccd(int n);
// The same, at start-up.
int initccd(int n);
// Field of view (arc minutes, dFP CCD FOV H and V) from the chip size
// and focal length fields as they stand: called after a selection and
// after any of those fields was edited. Returns 0.
int ccdfov();
