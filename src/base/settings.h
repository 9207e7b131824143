// Shared settings arrays, their edit limits and initial values.
#pragma once

// Slot counts. The first 40 ints and 20 switches keep the places older
// project files give them; the later ones follow in the file's own block.
enum : int { INTSLOTS = 48, REALSLOTS = 40, FLAGSLOTS = 24, OLDINTSLOTS = 40, OLDFLAGSLOTS = 20 };

extern int iNT[INTSLOTS];
extern double dFP[REALSLOTS];
extern char chSTR[14][40];
extern int flag[FLAGSLOTS];
extern int lenstr[16];
extern int iLO[INTSLOTS], iHI[INTSLOTS];
extern double dLO[REALSLOTS], dHI[REALSLOTS];

// Slots of iNT (and of iLO/iHI).
enum : int {
  MPRECORD = 1,      // current minor-planet record ("FILE NUMBER")
  MPNUMBER = 2,      // number of that minor planet
  MPEPOCH = 3,       // epoch of its elements, Julian Day number
  MPSTART = 4,       // first database entry to read
  USERMPS = 5,       // number of user objects
  PLACENUM = 6,      // observing place number
  OBSCODE = 7,       // observatory code
  STARRECORD = 8,    // current star record
  STARNUMBER = 9,    // catalogue number of that star
  STARCLASS = 10,    // catalogue magnitude class to read
  EPHEMLINES = 11,   // number of ephemeris lines
  MENUYEAR = 14,     // calculation date: year
  MENUMONTH = 15,    // month
  MENUDAY = 16,      // day of the month
  MENUHOUR = 17,     // local hour
  MENUMINUTE = 18,   // minute
  APPULSENUM = 19,   // current appulse
  TELEBITS = 20,     // telescope-view option bits, stored only
  MPLISTFONT = 21,   // planet list font choice
  SOUTHUP = 22,      // chart orientation: 0 north up, 1 south up
  STARLISTFONT = 23, // star list font choice
  CHOICE2 = 24,      // values of choices 2, 1 (list sort), 3, 6, 0, 8
  MPSORT = 25,
  CHOICE3 = 26,
  EPHEMMODE = 27,
  CHOICE0 = 28,
  CHOICE8 = 29,
  CCDNUM = 31,       // CCD camera number
  CCDPIXH = 32,      // CCD pixels horizontal, vertical
  CCDPIXV = 33,
  // Chart state a project keeps beside the menu fields.
  CHARTZOOM = 34,      // zoom level (0, 2..12)
  CHARTCATALOGUE = 35, // star catalogue (0 Tycho, 1 HIP)
  FIXEDINSTANT = 36,   // 1: the instant was set by hand (MAKE MY DAY or JULIAN
                       // DAY #) and a project brings it back; 0: the clock
  MINALTITUDE = 30,  // appulses and approaches: least altitude of the pair (degrees)
  FIELDRADIUS = 37,  // field check: radius (arc seconds); 0 the CCD frame
  APPROACHSEP = 38,  // close approaches: widest separation (arc seconds; 0: 60)
  APPROACHDAYS = 39, // close approaches: days searched (0: 30)
  TONIGHTMINUTES = 40, // night planner: least observable minutes
  TONIGHTDARK = 41,    // darkness choice: 0 civil, 1 nautical, 2 astronomical
  TONIGHTORDER = 42,   // order choice: transit, magnitude, minutes, number
};

// Slots of dFP (and of dLO/dHI).
enum : int {
  APPROACHSTARMAG = 0,  // close approaches: faintest star (0: 10)
  MPMAGH = 1,        // current minor planet: magnitude H
  MPMEANANOM = 2,    // mean anomaly (degrees)
  MPARGPERI = 3,     // argument of perihelion (degrees)
  MPNODE = 4,        // ascending node (degrees)
  MPINCL = 5,        // inclination (degrees)
  MPECC = 6,         // eccentricity
  MPMOTION = 7,      // daily motion (degrees per day)
  MPAXIS = 8,        // semi-major axis (AU)
  MPPERIOD = 9,      // period (years)
  MPPERIPASS = 10,   // perihelion passage (Julian Day)
  PLACELONG = 12,    // observing place: west longitude (degrees)
  PLACELAT = 13,     // latitude (degrees)
  PLACEZONE = 14,    // time zone (hours ahead of GMT)
  MENUJDAY = 15,     // Julian Day used for the calculation
  STARRA = 16,       // current star: R.A. (hours)
  STARDEC = 17,      // declination (degrees)
  STARMAG = 18,      // magnitude
  STARMAGLIMIT = 19, // limiting magnitude of charted stars
  CHARTRA = 20,      // chart centre: R.A. (hours)
  CHARTDEC = 21,     // declination (degrees)
  EPHEMSTEP = 22,    // ephemeris interval (days)
  EPHEMSTART = 23,   // ephemeris start (Julian Day)
  TELAPERTURE = 24,  // telescope aperture (mm)
  TELFOCAL = 26,     // telescope focal length (mm)
  TELRA = 27,        // telescope R.A. (hours)
  TELDEC = 28,       // telescope declination (degrees)
  CCDCHIPH = 29,     // CCD chip size horizontal (mm)
  CCDCHIPV = 30,     // CCD chip size vertical (mm)
  CCDFIELDH = 31,    // CCD field of view horizontal (arc minutes)
  CCDFIELDV = 32,    // CCD field of view vertical (arc minutes)
  CHARTCENTRERA = 33,  // chart centre kept by a project: R.A. (hours)
  CHARTCENTREDEC = 34, // declination (degrees)
  TONIGHTMINALT = 35,   // night planner: least altitude (degrees)
  TONIGHTMAGLIMIT = 36, // faintest magnitude
  MPMAGLIMIT = 37,   // magnitude limit of minor planets shown
  APPULSEDIST = 38,  // appulse distance threshold (degrees)
  FIXEDJDAY = 39,    // the instant a project keeps when FIXEDINSTANT is 1 (Julian Day)
};

// Texts of chSTR (and their lengths in lenstr).
enum : int {
  SKINNAME = 0,
  MPNAME = 1,
  DATABASEFILE = 2,
  USERFILE = 3,
  PROJECTNAME = 4,
  PLACEDESC = 5,
  PLACECITY = 6,
  PLACECOUNTRY = 7,
  STARSPECTRUM = 8,
  EPHEMFILE = 9,
  FILESDIR = 10,
  FILESDIR2 = 11,
  CCDTYPE = 12,
  CCDCHIP = 13,
};

// Switches of flag, each 0 or 1.
enum : int {
  SAVEPCX = 3,       // save pictures as PCX
  SAVETGA = 4,       // save pictures as TGA
  APPULSEZONE = 5,   // show the appulse zone
  TELESCOPEON = 6,   // telescope view on
  CCDFRAME = 7,      // CCD frame on
  EPHEMATDATE = 8,   // ephemerides start at the DATE fields, not START JDAY
  SHOWGRID = 9,      // coordinate grid
  GRIDNUMERALS = 10,
  PLOTMPS = 11,      // plot minor planets
  MESSIER = 12,
  NGCOBJECTS = 13,
  NEARSTARS = 14,
  CURSORLOCK = 15,   // lock the chart cursor against the mouse
  CONSTNAMES = 16,   // constellation names
  CONSTBOUNDS = 17,  // constellation boundaries
  SAVEPNG = 18,      // save pictures as PNG
  STARIMAGES = 19,   // telescope-view stars: 0 sprites, 1 image sheet
  DARKONLY = 20,     // appulses and approaches: only with the Sun below DARKSUNALT
  GEOCENTRIC = 21,   // places seen from the Earth's centre, not the observing place
};

// Fills ilo/ihi/dlo/dhi (40 each) with the edit limits the program sets
// before any file is read. Returns 0.
int editlimits(int *ilo, int *ihi, double *dlo, double *dhi);
// Fills the edit limits iLO/iHI/dLO/dHI. Returns 0.
int setdefaults();
// Whether v lies within the edit limits of dFP slot (the fixed ones, set
// or not): true or false; false for a slot without limits or a NaN.
bool withinlimits(int slot, double v);
// Puts every settings array back to its initial contents (program start).
void initsettings();
