#include "ui/menutable.h"

#include <gtest/gtest.h>

#include <cstring>

#include "base/settings.h"

namespace {

// One field as the menus list it: menu, entry, label, help line, kind,
// the array it shows ('i' iNT, 'd' dFP, 's' chSTR, 'f' flag, 'c' choice,
// '-' none) with its slot, and the follow-up action.
struct Expected {
  int menu, entry;
  const char *label, *help;
  int kind;
  char array;
  int slot, action;
};

const Expected kFields[] = {
    {0, 0, "ASTEROID FILE", "Start up file containing asteroid data.", 2, 's', 2, 0},
    {0, 1, "USER FILE  ", "Text file with User Asteroid data.", 2, 's', 3, 0},
    {0, 2, "LOAD ASTEROIDS", "Load and recalculate Asteroid database.", 17, '-', 0, 0},
    {0, 3, "START ASTEROID", "Initial Asteroid to load from file.", 2, 'i', 4, 0},
    {0, 4, "ASTEROID MAG", "Magnitude limit for asteroid display.", 2, 'd', 37, 0},
    {0, 5, "LOAD USER ", "Load and recalculate Users Asteroids.", 18, '-', 0, 0},
    {0, 6, "SAVE USER ", "Save User asteroids in a text file.", 19, '-', 0, 0},
    {0, 7, "USER ASTEROIDS", "Number of asteroids in user file.", 6, 'i', 5, 0},
    {0, 8, "PROJECT NAME", "Name (8 characters) of the project.", 2, 's', 4, 0},
    {0, 9, "LOAD PROJECT", "Load new Project configuration file.", 10, '-', 0, 0},
    {0, 10, "SAVE PROJECT", "Save current state in project file.", 11, '-', 0, 1},
    {1, 0, "OBSERVATORY", "File Entry number for Observatories", 2, 'i', 6, 6},
    {1, 1, "OBS. CODE", "Observatory code assignment.", 2, 'i', 7, 0},
    {1, 2, "LOCATION ", "Description or Name of Observatory.", 2, 's', 5, 0},
    {1, 3, "CITY", "Location within a Country or State.", 2, 's', 6, 0},
    {1, 4, "COUNTRY", "Country or state of the observatory.", 2, 's', 7, 0},
    {1, 5, "WEST LONGITUDE", "Geographic Longitude Westward (East -).", 2, 'd', 12, 0},
    {1, 6, "LATITUDE", "Geographic Latitude North +, South -.", 2, 'd', 13, 0},
    {1, 7, "TIME ZONE Hrs", "Hours AHEAD of GMT (eg. Australia +10)", 2, 'd', 14, 0},
    {1, 8, "JULIAN DAY #", "Julian Day Number used for Calculation.", 2, 'd', 15, 27},
    {1, 9, "SYSTEM CLOCK", "Use Local time for asteroid positions.", 26, '-', 0, 0},
    {1, 10, "YEAR", "Select YEAR for calculations ", 2, 'i', 14, 0},
    {1, 11, "MONTH", "Select the MONTH for calculation.", 2, 'i', 15, 0},
    {1, 12, "DAY", "The DAY of the month for calculations.", 2, 'i', 16, 0},
    {1, 13, "HOUR (local)", "HOUR of the day in local time. ", 2, 'i', 17, 0},
    {1, 14, "MINUTE", "This MINUTE for updated calcs.", 2, 'i', 18, 0},
    {1, 15, "MAKE MY DAY", "Use the selected Date/Time for Calcs.", 25, '-', 0, 0},
    {1, 16, "", "Press F2 after editing", 7, '-', 0, 0},
    {1, 17, "", "to save the new location", 7, '-', 0, 0},
    {1, 18, "", "on the disk and reset", 7, '-', 0, 0},
    {1, 19, "", "the default time & place.", 7, '-', 0, 0},
    {2, 0, "FILE NUMBER", "Star number in database.", 2, 'i', 8, 7},
    {2, 1, "STAR NUMBER", "PPM or HIP number of this Star.", 2, 'i', 9, 12},
    {2, 2, "R.A. HRS", "Right Ascension (2000) of Star.", 2, 'd', 16, 0},
    {2, 3, "DECLINATION", "Declination (degrees) of the star.", 2, 'd', 17, 0},
    {2, 4, "MAGNITUDE", "Magnitude (visual) of the star.", 2, 'd', 18, 0},
    {2, 5, "SPECTRUM", "Spectrum code (eg. G5) if known.", 2, 's', 8, 0},
    {2, 6, "LIST FONT", "Selects text font for star lists.  ", 1, 'c', 4, 0},
    {2, 7, "R.A. CENTRE", "R. A. map centre coordinate.", 2, 'd', 20, 0},
    {2, 8, "DEC CENTRE", "Declination central coordinate of Map", 2, 'd', 21, 0},
    {2, 9, "FIND BY NAME", "Go to an object by its name or number.", 34, '-', 0, 0},
    {3, 0, "FILE NUMBER", "Planet number in database.", 2, 'i', 1, 8},
    {3, 1, "MP NUMBER", "Numbered Asteroid or 50,000+ for others", 2, 'i', 2, 13},
    {3, 2, "PLANET NAME", "Name of the minor planet.", 2, 's', 1, 0},
    {3, 3, "BRIGHTNESS H", "Standard Magnitude H", 2, 'd', 1, 0},
    {3, 4, "MEAN ANOMALY", "Mean Anomaly at the EPOCH day.", 2, 'd', 2, 0},
    {3, 5, "ARG PERI", "Argument of Perihelion.", 2, 'd', 3, 0},
    {3, 6, "ASC NODE", "Longitude of the Ascending Node.", 2, 'd', 4, 0},
    {3, 7, "INCLINATION", "Orbital Inclination to the Ecliptic.", 2, 'd', 5, 0},
    {3, 8, "ECCENTRICITY", "Orbital Eccentricity.", 2, 'd', 6, 0},
    {3, 9, "DEG PER DAY", "Planet movement in degrees per day.", 2, 'd', 7, 0},
    {3, 10, "SEMIMAJOR AXIS", "Semi Major Axis in AU (Dist. from Sun)", 2, 'd', 8, 0},
    {3, 11, "EPOCH", "Reference DATE for orbital elements.", 2, 'i', 3, 0},
    {3, 12, "PERIOD (YRS)", "Orbital Period in years.", 6, 'd', 9, 0},
    {3, 13, "PERI PASSAGE", "Time of Perihelion passage (Julian Day)", 6, 'd', 10, 0},
    {3, 14, "LIST FONT", "Select text font for planet listing.", 1, 'c', 5, 0},
    {3, 15, "SORT BY", "Display list sorted by CAT RA OPP MAG.", 1, 'c', 1, 0},
    {4, 0, "NUMBER", "Number of observations in ephemeris.", 2, 'i', 11, 0},
    {4, 1, "INTERVAL", "Interval (days) between calculations.", 2, 'd', 22, 0},
    {4, 2, "START JDAY", "Start Date (JD) of calculations.", 2, 'd', 23, 0},
    {4, 3, "SAVE FILENAME", "Save ephemeris in a text file.", 2, 's', 9, 0},
    {4, 4, "APPEND MODE", "APPEND or OVERWRITE? the text file.", 1, 'c', 6, 0},
    {4, 5, "GENERATE EPHEM", "Generate an ephemeris for object.", 28, '-', 0, 0},
    {4, 6, "START AT DATE", "Start at the DATE fields, not START JDAY", 3, 'f', 8, 0},
    {4, 7, "MIN ALTITUDE", "Lowest altitude (deg) worth observing.", 2, 'd', 35, 0},
    {4, 8, "MAG LIMIT", "Faintest magnitude listed for tonight.", 2, 'd', 36, 0},
    {4, 9, "MIN MINUTES", "Least minutes observable in darkness.", 2, 'i', 40, 0},
    {4, 10, "DARKNESS", "Sun below CIVIL NAUTICAL or ASTRO limit.", 1, 'c', 10, 0},
    {4, 11, "ORDER BY", "Tonight sorted by TRANSIT MAG MIN NUM.", 1, 'c', 11, 0},
    {4, 12, "TONIGHT", "List what is observable tonight.", 35, '-', 0, 0},
    {5, 0, "ORIENTATION", "Stars displayed with NORTH or SOUTH up?", 1, 'c', 7, 0},
    {5, 1, "COORDINATES", "Enable/Disable RA/Dec coordinates.", 3, 'f', 9, 0},
    {5, 2, "CONSTELLATION", "Display Constellation names?", 3, 'f', 16, 0},
    {5, 3, "PLOT ASTEROID", "Do we plot asteroids or not?", 3, 'f', 11, 0},
    {5, 4, "LOCK CURSOR", "Don't let the mouse change my skymap!", 3, 'f', 15, 0},
    {5, 5, "R.A. CENTRE", "R. A. map centre coordinate.", 2, 'd', 20, 0},
    {5, 6, "DEC CENTRE", "Declination central coordinate of Map", 2, 'd', 21, 0},
    {5, 7, "FIND BY NAME", "Go to an object by its name or number.", 34, '-', 0, 0},
    {5, 8, "MESSIER", "Show the Messier objects (key m)?", 3, 'f', 12, 0},
    {5, 9, "NGC / IC", "Show the other NGC, IC objects (key g)?", 3, 'f', 13, 0},
    {6, 0, "SCOPE ENABLE", "Enable the Telescope view box.", 3, 'f', 6, 0},
    {6, 1, "APERTURE mm", "Size of Main mirror or Object Glass", 2, 'd', 24, 0},
    {6, 2, "FOCAL LENGTH ", "Focal length of the telescope (mm).", 2, 'd', 26, 0},
    {6, 3, "SCOPE RA Hr", "Where the telescope is pointed at.", 2, 'd', 27, 0},
    {6, 4, "SCOPE DEC deg", "Where the telescope is in Declination.", 2, 'd', 28, 0},
    {6, 5, "SCOPE GOTO", "Display the view at the above location.", 22, '-', 0, 0},
    {6, 6, "CCD ENABLE", "Enable display of CCD viewing area.", 3, 'f', 7, 0},
    {6, 7, "CCD NUMBER", "CCD device number in database.", 2, 'i', 31, 9},
    {6, 8, "CCD TYPE", "Brand name and model of CCD device.", 2, 's', 12, 0},
    {6, 9, "CCD CHIP", "CCD sensor type or chip name.", 2, 's', 13, 0},
    {6, 10, "CCD SIZE H mm", "Horizontal length of ccd chip in mm.", 2, 'd', 29, 0},
    {6, 11, "CCD SIZE V mm", "Vertical size of imaging area in mm.", 2, 'd', 30, 0},
    {6, 12, "No. PIXELS H", "Horizontal size in pixels of ccd chip.", 2, 'i', 32, 0},
    {6, 13, "No. PIXELS V", "Vertical pixels of imaging area.", 2, 'i', 33, 0},
    {6, 14, "CCD FOV H min", "Field of View (East-West) in arcmin.", 2, 'd', 31, 0},
    {6, 15, "CCD FOV V min", "Field of View (North-South) arc min.", 2, 'd', 32, 0},
    {7, 0, "APPULSE NUMBER", "Item number in list of appulses.", 2, 'i', 19, 0},
    {7, 1, "DISTANCE Deg.", "Object distance threshold (degrees).", 2, 'd', 38, 0},
    {7, 2, "ENABLE ZONE", "Enable display of separation zone area", 3, 'f', 5, 0},
    {7, 3, "GENERATE", "Generate a list of Planet/Star appulses", 29, '-', 0, 0},
    {7, 4, "MIN ALTITUDE", "Least altitude of a pair (degrees).", 2, 'i', 30, 0},
    {7, 5, "DARK ONLY", "Only pairs with the Sun below -12 deg.", 3, 'f', 20, 0},
    {7, 6, "FIELD RADIUS \"", "Field check radius; 0 = the CCD frame.", 2, 'i', 37, 0},
    {7, 7, "FIELD CHECK", "All database objects in the field now.", 31, '-', 0, 0},
    {7, 8, "APPR. SEP \"", "Close approaches within (arcsec; 0=60)", 2, 'i', 38, 0},
    {7, 9, "APPR. DAYS", "Days searched from now (0 = 30).", 2, 'i', 39, 0},
    {7, 10, "APPR. STAR MAG", "Stars brighter than this (0 = 10).", 2, 'd', 0, 0},
    {7, 11, "APPR. OBJECT", "Close approaches of the current object.", 32, '-', 0, 0},
    {7, 12, "APPR. PAGE", "Close approaches of every page object.", 33, '-', 0, 0},
    {8, 0, "SAVE AS PCX", "Enable saving as a 256 colour PCX file.", 3, 'f', 3, 0},
    {8, 1, "SAVE AS TGA", "Enable saving as 24-bit TGA files.", 3, 'f', 4, 0},
    {8, 2, "PROGRAM SKIN", "The name of the SKIN - NO extension!", 2, 's', 0, 0},
    {8, 3, "LOAD NEW SKIN", "Load the new SKIN from the disk.", 30, '-', 0, 0},
    {8, 4, "SAVE AS PNG", "Enable saving as PNG files.", 3, 'f', 18, 0},
    {8, 5, "GEOCENTRIC", "Places from the Earth's centre or here.", 3, 'f', 21, 0},
};

int arraytype(char array) { return array == 'i' ? 2 : array == 'd' ? 1 : array == 's' ? 3 : 0; }

}  // namespace

TEST(MenuTable, EveryFieldAsListed) {
  bool seen[9][20] = {};
  for (const Expected &e : kFields) {
    const PROMPT &p = prompt[e.menu][e.entry];
    SCOPED_TRACE(testing::Message() << "menu " << e.menu << " entry " << e.entry);
    EXPECT_STREQ(p.label, e.label);
    EXPECT_STREQ(p.help, e.help);
    EXPECT_EQ(p.kind, e.kind);
    EXPECT_EQ(p.setting, e.slot);
    EXPECT_EQ(p.action, e.action);
    if (e.kind == 2 || e.kind == 6) {
      EXPECT_EQ(p.type, arraytype(e.array));
    }
    seen[e.menu][e.entry] = true;
  }
  for (int m = 0; m < 9; m++)
    for (int n = 0; n < 20; n++)
      if (!seen[m][n]) {
        EXPECT_EQ(prompt[m][n].kind, 0) << m << " " << n;
        EXPECT_STREQ(prompt[m][n].label, "") << m << " " << n;
      }
}

TEST(MenuTable, SelectableFieldsComeFirst) {
  const int selectable[9] = {11, 16, 10, 16, 13, 10, 16, 13, 6};
  for (int m = 0; m < 9; m++) {
    EXPECT_EQ(selectablefields(m), selectable[m]) << m;
    // Nothing selectable follows a note line or an empty entry.
    for (int n = selectable[m]; n < 20; n++) EXPECT_TRUE(prompt[m][n].kind == 0 || prompt[m][n].kind == 7) << m << n;
  }
  EXPECT_EQ(selectablefields(-1), 0);
  EXPECT_EQ(selectablefields(9), 0);
}

TEST(MenuTable, EditLimitsOfTheFields) {
  initsettings();
  setdefaults();
  // Whole-number fields by menu and entry: low, high.
  struct Limit {
    int menu, entry;
    double lo, hi;
  };
  const Limit limits[] = {
      {0, 3, 0, 99999},   {0, 4, 0, 99},        {1, 0, 0, 99},      {1, 1, 0, 1000},     {1, 5, -180, 360},
      {1, 6, -90, 90},    {1, 7, -12, 12},      {1, 8, 2, 3000000}, {1, 10, 0, 9999},    {1, 11, 1, 12},
      {1, 12, 1, 31},     {1, 13, 0, 23},       {1, 14, 0, 59},     {2, 0, 0, 999999},   {2, 1, 0, 999999},
      {2, 2, 0, 24},      {2, 3, -90, 90},      {2, 4, -99, 99},    {2, 7, 0, 24},       {2, 8, -90, 90},
      {3, 1, 0, 99999},   {3, 3, -99, 99},      {3, 4, 0, 360},     {3, 7, -360, 360},   {3, 8, 0, 1},
      {3, 9, -99, 99},    {3, 10, 0, 99},       {3, 11, 2000000, 3000000}, {4, 0, 0, 100}, {4, 1, -1000, 1000},
      {4, 2, 2, 3000000}, {5, 5, 0, 24},        {5, 6, -90, 90},    {6, 1, 1, 9999},     {6, 2, 1, 999999},
      {6, 3, 0, 24},      {6, 4, -90, 90},      {6, 7, 0, 26},      {6, 10, 0.1, 999.9}, {6, 11, 0.1, 999.9},
      {6, 12, 1, 32000},  {6, 13, 1, 32000},    {6, 14, 0.1, 999.9}, {6, 15, 0.1, 999.9}, {7, 1, 0, 10},
  };
  for (const Limit &l : limits) {
    const PROMPT &p = prompt[l.menu][l.entry];
    ASSERT_EQ(p.kind, 2) << l.menu << " " << l.entry;
    double lo = p.type == 2 ? iLO[p.setting] : dLO[p.setting];
    double hi = p.type == 2 ? iHI[p.setting] : dHI[p.setting];
    EXPECT_DOUBLE_EQ(lo, l.lo) << p.label;
    EXPECT_DOUBLE_EQ(hi, l.hi) << p.label;
  }
  // Text fields by their lengths.
  const int textlen[][3] = {{0, 0, 14}, {0, 1, 14}, {0, 8, 14}, {1, 2, 28}, {1, 3, 28}, {1, 4, 15},
                            {2, 5, 4},  {3, 2, 16}, {4, 3, 14}, {6, 8, 18}, {6, 9, 14}, {8, 2, 14}};
  for (const auto &t : textlen) {
    const PROMPT &p = prompt[t[0]][t[1]];
    ASSERT_EQ(p.type, 3) << p.label;
    EXPECT_EQ(lenstr[p.setting], t[2]) << p.label;
  }
}

TEST(MenuTable, ChoiceRecords) {
  initchoices();
  const int count[10] = {3, 3, 3, 2, 6, 6, 2, 2, 5, 0};
  const int slot[10] = {28, 25, 24, 26, 23, 21, 27, 22, 29, 0};
  const int current[10] = {0, 0, 0, 0, 1, 1, 1, 0, 0, 0};
  for (int c = 0; c < 10; c++) {
    EXPECT_EQ(mchoice[c].count, count[c]) << c;
    EXPECT_EQ(mchoice[c].slot, slot[c]) << c;
    EXPECT_EQ(mchoice[c].current, current[c]) << c;
  }
  EXPECT_STREQ(mchoice[0].text[2], "Fade OUT");
  EXPECT_STREQ(mchoice[1].text[2], "OPP");
  EXPECT_STREQ(mchoice[2].text[2], "MAG");
  EXPECT_STREQ(mchoice[3].text[1], "Polar");
  EXPECT_STREQ(mchoice[4].text[5], "Average");
  EXPECT_STREQ(mchoice[5].text[3], "Micro");
  EXPECT_STREQ(mchoice[6].text[1], "Overwrite");
  EXPECT_STREQ(mchoice[7].text[1], "South");
  EXPECT_STREQ(mchoice[8].text[4], "Cosine");
}

TEST(MenuTable, ListFontSixTimesComesBack) {
  initchoices();
  iNT[STARLISTFONT] = 1;
  int seen[6] = {};
  for (int i = 0; i < 6; i++) {
    int c = nextchoice(4);
    EXPECT_EQ(iNT[STARLISTFONT], c);
    seen[c]++;
  }
  EXPECT_EQ(mchoice[4].current, 1);
  EXPECT_EQ(iNT[STARLISTFONT], 1);
  for (int c = 0; c < 6; c++) EXPECT_EQ(seen[c], 1) << "every font once";
  EXPECT_EQ(nextchoice(9), -1) << "the empty record has no choice";
  EXPECT_EQ(nextchoice(CHOICECOUNT), -1);
}

TEST(MenuTable, MenuKeys) {
  const int keys[11] = {289, 294, 302, 281, 274, 287, 276, 286, 280, 27, 315};
  for (int i = 0; i < 11; i++) EXPECT_EQ(altkey[i], keys[i]) << i;
  for (int m = 0; m < 9; m++) EXPECT_EQ(menuofkey(keys[m]), m);
  EXPECT_EQ(menuofkey(27), -1);
  EXPECT_EQ(menuofkey('f'), -1);
}
