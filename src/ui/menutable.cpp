#include "ui/menutable.h"

#include "base/settings.h"
#include "screen/keys.h"

const PROMPT prompt[MENUCOUNT][MENUFIELDS] = {
    {  // FILE
        {"ASTEROID FILE", "Start up file containing asteroid data.", MKVALUE, VTTEXT, DATABASEFILE, FUNONE},
        {"USER FILE  ", "Text file with User Asteroid data.", MKVALUE, VTTEXT, USERFILE, FUNONE},
        {"LOAD ASTEROIDS", "Load and recalculate Asteroid database.", MKLOADDATABASE, VTNONE, 0, FUNONE},
        {"START ASTEROID", "Initial Asteroid to load from file.", MKVALUE, VTWHOLE, MPSTART, FUNONE},
        {"ASTEROID MAG", "Magnitude limit for asteroid display.", MKVALUE, VTNUMBER, MPMAGLIMIT, FUNONE},
        {"LOAD USER ", "Load and recalculate Users Asteroids.", MKLOADUSER, VTNONE, 0, FUNONE},
        {"SAVE USER ", "Save User asteroids in a text file.", MKSAVEUSER, VTNONE, 0, FUNONE},
        {"USER ASTEROIDS", "Number of asteroids in user file.", MKDISPLAY, VTWHOLE, USERMPS, FUNONE},
        {"PROJECT NAME", "Name (8 characters) of the project.", MKVALUE, VTTEXT, PROJECTNAME, FUNONE},
        {"LOAD PROJECT", "Load new Project configuration file.", MKLOADPROJECT, VTNONE, 0, FUNONE},
        {"SAVE PROJECT", "Save current state in project file.", MKSAVEPROJECT, VTNONE, 0, FUSAVEPROJECT},
    },
    {  // LOCATION
        {"OBSERVATORY", "File Entry number for Observatories", MKVALUE, VTWHOLE, PLACENUM, FUOBSERVATORY},
        {"OBS. CODE", "Observatory code assignment.", MKVALUE, VTWHOLE, OBSCODE, FUNONE},
        {"LOCATION ", "Description or Name of Observatory.", MKVALUE, VTTEXT, PLACEDESC, FUNONE},
        {"CITY", "Location within a Country or State.", MKVALUE, VTTEXT, PLACECITY, FUNONE},
        {"COUNTRY", "Country or state of the observatory.", MKVALUE, VTTEXT, PLACECOUNTRY, FUNONE},
        {"WEST LONGITUDE", "Geographic Longitude Westward (East -).", MKVALUE, VTNUMBER, PLACELONG, FUNONE},
        {"LATITUDE", "Geographic Latitude North +, South -.", MKVALUE, VTNUMBER, PLACELAT, FUNONE},
        {"TIME ZONE Hrs", "Hours AHEAD of GMT (eg. Australia +10)", MKVALUE, VTNUMBER, PLACEZONE, FUNONE},
        {"JULIAN DAY #", "Julian Day Number used for Calculation.", MKVALUE, VTNUMBER, MENUJDAY, FUJULIANDAY},
        {"SYSTEM CLOCK", "Use Local time for asteroid positions.", MKSYSTEMCLOCK, VTNONE, 0, FUNONE},
        {"YEAR", "Select YEAR for calculations ", MKVALUE, VTWHOLE, MENUYEAR, FUNONE},
        {"MONTH", "Select the MONTH for calculation.", MKVALUE, VTWHOLE, MENUMONTH, FUNONE},
        {"DAY", "The DAY of the month for calculations.", MKVALUE, VTWHOLE, MENUDAY, FUNONE},
        {"HOUR (local)", "HOUR of the day in local time. ", MKVALUE, VTWHOLE, MENUHOUR, FUNONE},
        {"MINUTE", "This MINUTE for updated calcs.", MKVALUE, VTWHOLE, MENUMINUTE, FUNONE},
        {"MAKE MY DAY", "Use the selected Date/Time for Calcs.", MKMAKEMYDAY, VTNONE, 0, FUNONE},
        {"", "Press F2 after editing", MKNOTE, VTNONE, 0, FUNONE},
        {"", "to save the new location", MKNOTE, VTNONE, 0, FUNONE},
        {"", "on the disk and reset", MKNOTE, VTNONE, 0, FUNONE},
        {"", "the default time & place.", MKNOTE, VTNONE, 0, FUNONE},
    },
    {  // CATALOG
        {"FILE NUMBER", "Star number in database.", MKVALUE, VTWHOLE, STARRECORD, FUSTARRECORD},
        {"STAR NUMBER", "PPM or HIP number of this Star.", MKVALUE, VTWHOLE, STARNUMBER, FUSTARNUMBER},
        {"R.A. HRS", "Right Ascension (2000) of Star.", MKVALUE, VTNUMBER, STARRA, FUNONE},
        {"DECLINATION", "Declination (degrees) of the star.", MKVALUE, VTNUMBER, STARDEC, FUNONE},
        {"MAGNITUDE", "Magnitude (visual) of the star.", MKVALUE, VTNUMBER, STARMAG, FUNONE},
        {"SPECTRUM", "Spectrum code (eg. G5) if known.", MKVALUE, VTTEXT, STARSPECTRUM, FUNONE},
        {"LIST FONT", "Selects text font for star lists.  ", MKCHOICE, VTNONE, CHOICESTARFONT, FUNONE},
        {"R.A. CENTRE", "R. A. map centre coordinate.", MKVALUE, VTNUMBER, CHARTRA, FUNONE},
        {"DEC CENTRE", "Declination central coordinate of Map", MKVALUE, VTNUMBER, CHARTDEC, FUNONE},
        {"FIND BY NAME", "Go to an object by its name or number.", MKFIND, VTNONE, 0, FUNONE},
    },
    {  // PLANET
        {"FILE NUMBER", "Planet number in database.", MKVALUE, VTWHOLE, MPRECORD, FUMPRECORD},
        {"MP NUMBER", "Numbered Asteroid or 50,000+ for others", MKVALUE, VTWHOLE, MPNUMBER, FUMPNUMBER},
        {"PLANET NAME", "Name of the minor planet.", MKVALUE, VTTEXT, MPNAME, FUNONE},
        {"BRIGHTNESS H", "Standard Magnitude H", MKVALUE, VTNUMBER, MPMAGH, FUNONE},
        {"MEAN ANOMALY", "Mean Anomaly at the EPOCH day.", MKVALUE, VTNUMBER, MPMEANANOM, FUNONE},
        {"ARG PERI", "Argument of Perihelion.", MKVALUE, VTNUMBER, MPARGPERI, FUNONE},
        {"ASC NODE", "Longitude of the Ascending Node.", MKVALUE, VTNUMBER, MPNODE, FUNONE},
        {"INCLINATION", "Orbital Inclination to the Ecliptic.", MKVALUE, VTNUMBER, MPINCL, FUNONE},
        {"ECCENTRICITY", "Orbital Eccentricity.", MKVALUE, VTNUMBER, MPECC, FUNONE},
        {"DEG PER DAY", "Planet movement in degrees per day.", MKVALUE, VTNUMBER, MPMOTION, FUNONE},
        {"SEMIMAJOR AXIS", "Semi Major Axis in AU (Dist. from Sun)", MKVALUE, VTNUMBER, MPAXIS, FUNONE},
        {"EPOCH", "Reference DATE for orbital elements.", MKVALUE, VTWHOLE, MPEPOCH, FUNONE},
        {"PERIOD (YRS)", "Orbital Period in years.", MKDISPLAY, VTNUMBER, MPPERIOD, FUNONE},
        {"PERI PASSAGE", "Time of Perihelion passage (Julian Day)", MKDISPLAY, VTNUMBER, MPPERIPASS, FUNONE},
        {"LIST FONT", "Select text font for planet listing.", MKCHOICE, VTNONE, CHOICEMPFONT, FUNONE},
        {"SORT BY", "Display list sorted by CAT RA OPP MAG.", MKCHOICE, VTNONE, CHOICESORT, FUNONE},
    },
    {  // EPHEMERIS
        {"NUMBER", "Number of observations in ephemeris.", MKVALUE, VTWHOLE, EPHEMLINES, FUNONE},
        {"INTERVAL", "Interval (days) between calculations.", MKVALUE, VTNUMBER, EPHEMSTEP, FUNONE},
        {"START JDAY", "Start Date (JD) of calculations.", MKVALUE, VTNUMBER, EPHEMSTART, FUNONE},
        {"SAVE FILENAME", "Save ephemeris in a text file.", MKVALUE, VTTEXT, EPHEMFILE, FUNONE},
        {"APPEND MODE", "APPEND or OVERWRITE? the text file.", MKCHOICE, VTNONE, CHOICEAPPEND, FUNONE},
        {"GENERATE EPHEM", "Generate an ephemeris for object.", MKGENEPHEM, VTNONE, 0, FUNONE},
        {"START AT DATE", "Start at the DATE fields, not START JDAY", MKSWITCH, VTNONE, EPHEMATDATE, FUNONE},
        {"MIN ALTITUDE", "Lowest altitude (deg) worth observing.", MKVALUE, VTNUMBER, TONIGHTMINALT, FUNONE},
        {"MAG LIMIT", "Faintest magnitude listed for tonight.", MKVALUE, VTNUMBER, TONIGHTMAGLIMIT, FUNONE},
        {"MIN MINUTES", "Least minutes observable in darkness.", MKVALUE, VTWHOLE, TONIGHTMINUTES, FUNONE},
        {"DARKNESS", "Sun below CIVIL NAUTICAL or ASTRO limit.", MKCHOICE, VTNONE, CHOICEDARK, FUNONE},
        {"ORDER BY", "Tonight sorted by TRANSIT MAG MIN NUM.", MKCHOICE, VTNONE, CHOICEORDER, FUNONE},
        {"TONIGHT", "List what is observable tonight.", MKTONIGHT, VTNONE, 0, FUNONE},
    },
    {  // SKYMAP
        {"ORIENTATION", "Stars displayed with NORTH or SOUTH up?", MKCHOICE, VTNONE, CHOICEORIENT, FUNONE},
        {"COORDINATES", "Enable/Disable RA/Dec coordinates.", MKSWITCH, VTNONE, SHOWGRID, FUNONE},
        {"CONSTELLATION", "Display Constellation names?", MKSWITCH, VTNONE, CONSTNAMES, FUNONE},
        {"PLOT ASTEROID", "Do we plot asteroids or not?", MKSWITCH, VTNONE, PLOTMPS, FUNONE},
        {"LOCK CURSOR", "Don't let the mouse change my skymap!", MKSWITCH, VTNONE, CURSORLOCK, FUNONE},
        {"R.A. CENTRE", "R. A. map centre coordinate.", MKVALUE, VTNUMBER, CHARTRA, FUNONE},
        {"DEC CENTRE", "Declination central coordinate of Map", MKVALUE, VTNUMBER, CHARTDEC, FUNONE},
        {"FIND BY NAME", "Go to an object by its name or number.", MKFIND, VTNONE, 0, FUNONE},
        {"MESSIER", "Show the Messier objects (key m)?", MKSWITCH, VTNONE, MESSIER, FUNONE},
        {"NGC / IC", "Show the other NGC, IC objects (key g)?", MKSWITCH, VTNONE, NGCOBJECTS, FUNONE},
    },
    {  // TELESCOPE
        {"SCOPE ENABLE", "Enable the Telescope view box.", MKSWITCH, VTNONE, TELESCOPEON, FUNONE},
        {"APERTURE mm", "Size of Main mirror or Object Glass", MKVALUE, VTNUMBER, TELAPERTURE, FUNONE},
        {"FOCAL LENGTH ", "Focal length of the telescope (mm).", MKVALUE, VTNUMBER, TELFOCAL, FUNONE},
        {"SCOPE RA Hr", "Where the telescope is pointed at.", MKVALUE, VTNUMBER, TELRA, FUNONE},
        {"SCOPE DEC deg", "Where the telescope is in Declination.", MKVALUE, VTNUMBER, TELDEC, FUNONE},
        {"SCOPE GOTO", "Display the view at the above location.", MKSCOPEGOTO, VTNONE, 0, FUNONE},
        {"CCD ENABLE", "Enable display of CCD viewing area.", MKSWITCH, VTNONE, CCDFRAME, FUNONE},
        {"CCD NUMBER", "CCD device number in database.", MKVALUE, VTWHOLE, CCDNUM, FUCCD},
        {"CCD TYPE", "Brand name and model of CCD device.", MKVALUE, VTTEXT, CCDTYPE, FUNONE},
        {"CCD CHIP", "CCD sensor type or chip name.", MKVALUE, VTTEXT, CCDCHIP, FUNONE},
        {"CCD SIZE H mm", "Horizontal length of ccd chip in mm.", MKVALUE, VTNUMBER, CCDCHIPH, FUNONE},
        {"CCD SIZE V mm", "Vertical size of imaging area in mm.", MKVALUE, VTNUMBER, CCDCHIPV, FUNONE},
        {"No. PIXELS H", "Horizontal size in pixels of ccd chip.", MKVALUE, VTWHOLE, CCDPIXH, FUNONE},
        {"No. PIXELS V", "Vertical pixels of imaging area.", MKVALUE, VTWHOLE, CCDPIXV, FUNONE},
        {"CCD FOV H min", "Field of View (East-West) in arcmin.", MKVALUE, VTNUMBER, CCDFIELDH, FUNONE},
        {"CCD FOV V min", "Field of View (North-South) arc min.", MKVALUE, VTNUMBER, CCDFIELDV, FUNONE},
    },
    {  // APPULSE
        {"APPULSE NUMBER", "Item number in list of appulses.", MKVALUE, VTWHOLE, APPULSENUM, FUNONE},
        {"DISTANCE Deg.", "Object distance threshold (degrees).", MKVALUE, VTNUMBER, APPULSEDIST, FUNONE},
        {"ENABLE ZONE", "Enable display of separation zone area", MKSWITCH, VTNONE, APPULSEZONE, FUNONE},
        {"GENERATE", "Generate a list of Planet/Star appulses", MKGENAPPULSE, VTNONE, 0, FUNONE},
        {"MIN ALTITUDE", "Least altitude of a pair (degrees).", MKVALUE, VTWHOLE, MINALTITUDE, FUNONE},
        {"DARK ONLY", "Only pairs with the Sun below -12 deg.", MKSWITCH, VTNONE, DARKONLY, FUNONE},
        {"FIELD RADIUS \"", "Field check radius; 0 = the CCD frame.", MKVALUE, VTWHOLE, FIELDRADIUS, FUNONE},
        {"FIELD CHECK", "All database objects in the field now.", MKFIELDCHECK, VTNONE, 0, FUNONE},
        {"APPR. SEP \"", "Close approaches within (arcsec; 0=60)", MKVALUE, VTWHOLE, APPROACHSEP, FUNONE},
        {"APPR. DAYS", "Days searched from now (0 = 30).", MKVALUE, VTWHOLE, APPROACHDAYS, FUNONE},
        {"APPR. STAR MAG", "Stars brighter than this (0 = 10).", MKVALUE, VTNUMBER, APPROACHSTARMAG, FUNONE},
        {"APPR. OBJECT", "Close approaches of the current object.", MKAPPROBJECT, VTNONE, 0, FUNONE},
        {"APPR. PAGE", "Close approaches of every page object.", MKAPPRPAGE, VTNONE, 0, FUNONE},
    },
    {  // OPTIONS
        {"SAVE AS PCX", "Enable saving as a 256 colour PCX file.", MKSWITCH, VTNONE, SAVEPCX, FUNONE},
        {"SAVE AS TGA", "Enable saving as 24-bit TGA files.", MKSWITCH, VTNONE, SAVETGA, FUNONE},
        {"PROGRAM SKIN", "The name of the SKIN - NO extension!", MKVALUE, VTTEXT, SKINNAME, FUNONE},
        {"LOAD NEW SKIN", "Load the new SKIN from the disk.", MKLOADSKIN, VTNONE, 0, FUNONE},
        {"SAVE AS PNG", "Enable saving as PNG files.", MKSWITCH, VTNONE, SAVEPNG, FUNONE},
        {"GEOCENTRIC", "Places from the Earth's centre or here.", MKSWITCH, VTNONE, GEOCENTRIC, FUNONE},
    },
};

static const MCHOICE kInitialChoices[CHOICECOUNT] = {
    {3, 0, CHOICE0, {"None", "Fade IN", "Fade OUT"}},
    {3, 0, MPSORT, {"Normal", "R.A.", "OPP"}},
    {3, 0, CHOICE2, {"Normal", "R.A.", "MAG"}},
    {2, 0, CHOICE3, {"Equator", "Polar"}},
    {6, 1, STARLISTFONT, {"Small", "Normal", "Huge", "Micro", "Big", "Average"}},
    {6, 1, MPLISTFONT, {"Small", "Normal", "Huge", "Micro", "Big", "Average"}},
    {2, 1, EPHEMMODE, {"Append", "Overwrite"}},
    {2, 0, SOUTHUP, {"North", "South"}},
    {5, 0, CHOICE8, {"Finder", "Accel", "Decel", "Sine", "Cosine"}},
    {0, 0, 0, {}},
    {3, 2, TONIGHTDARK, {"Civil", "Nautical", "Astro"}},
    {4, 0, TONIGHTORDER, {"Transit", "Mag", "Minutes", "Number"}},
};

MCHOICE mchoice[CHOICECOUNT] = {
    kInitialChoices[0], kInitialChoices[1], kInitialChoices[2], kInitialChoices[3], kInitialChoices[4],
    kInitialChoices[5], kInitialChoices[6], kInitialChoices[7], kInitialChoices[8], kInitialChoices[9],
    kInitialChoices[10], kInitialChoices[11],
};

const int altkey[11] = {KEYMENUFILE,     KEYMENULOCATION, KEYMENUCATALOG, KEYMENUPLANET,
                        KEYMENUEPHEMERIS, KEYMENUSKYMAP,  KEYMENUTELESCOPE, KEYMENUAPPULSE,
                        KEYMENUOPTIONS,   KEYESC,         KEYF1};

int iFun = -1;
int iFocus = 0;

int initchoices() {
  for (int c = 0; c < CHOICECOUNT; c++) {
    mchoice[c] = kInitialChoices[c];
    // The slot holds what the menu shows: APPEND MODE starts on Overwrite.
    if (mchoice[c].slot > 0) iNT[mchoice[c].slot] = mchoice[c].current;
  }
  return 0;
}

int nextchoice(int c) {
  if (c < 0 || c >= CHOICECOUNT || mchoice[c].count <= 0) return -1;
  MCHOICE &m = mchoice[c];
  m.current = m.current + 1 >= m.count || m.current < 0 ? 0 : m.current + 1;
  if (m.slot > 0) iNT[m.slot] = m.current;
  return m.current;
}

int menuofkey(int key) {
  for (int m = 0; m < MENUCOUNT; m++)
    if (altkey[m] == key) return m;
  return -1;
}

int selectablefields(int m) {
  if (m < 0 || m >= MENUCOUNT) return 0;
  int n = 0;
  while (n < MENUFIELDS && prompt[m][n].kind != MKEMPTY && prompt[m][n].kind != MKNOTE) n++;
  return n;
}
