// Project files: every setting the menus edit, saved to and loaded from
// "<project name>.CFG" beside the program (1220 bytes of settings,
// little-endian, then the signature "KVXP" and a checksum of the settings).
// Files written before the signature end after the first 1172 bytes, which
// keep their layout; the later slots follow in a block of their own.
#pragma once
#include <cstdio>

enum : int {
  PROJECTOLDSIZE = 1172, // an older file: everything up to the current star
  PROJECTDFP = 0,      // 40 doubles
  PROJECTINT = 320,    // the first 40 ints
  PROJECTFLAG = 480,   // the first 20 switches
  PROJECTCHOICE = 560, // current choice of each of the 10 choice records
  PROJECTTEXT = 600,   // 14 texts of 40 bytes
  PROJECTAST = 1160,   // current minor-planet record
  PROJECTPLACE = 1164, // current observing place
  PROJECTSTAR = 1168,  // current star record
  PROJECTMOREINT = 1172,  // ints 40..47
  PROJECTMOREFLAG = 1204, // switches 20..23
  PROJECTSIZE = 1220,  // the settings
  PROJECTSIGN = 1220,  // "KVXP": this is a project file
  PROJECTSUM = 1224,   // FNV-1a (32 bits) of the 1220 bytes of settings
  PROJECTFILESIZE = 1228,
  PROJECTREFUSED = -2, // projectread: the file is not a sound project
  PROJECTFAULTLEN = 96,
};

extern char projectfault[PROJECTFAULTLEN];  // why the last read failed, or ""

// dest (256 bytes) = the project file of the project name setting: the
// program directory, the name, extension "CFG". Returns 0.
int projectfilename(char *dest);
// Writes the settings to f in the project layout with the signature and
// checksum; the bytes after each text's terminator are zero. Returns 0, or
// 1 when a write failed.
int projectwrite(FILE *f);
// Reads a project from f. A signed file must be whole with a matching
// checksum; a file without the signature (older) must be no longer than
// its 1172 bytes. In either, every text must be printable ASCII. Then the
// whole blocks present are taken, every setting is clamped into its edit
// limits and every text terminated. Returns the settings bytes read, -1
// when not even the dFP block is there, or PROJECTREFUSED; on failure
// nothing changes and projectfault says why.
int projectread(FILE *f);
// Brings the blocks of a project file of that many bytes into their
// limits: numbers into the edit limits of their fields, switches to 0 or
// 1, choices into their range (the choice records follow their iNT slots),
// texts cut to their edit lengths and zeroed after the terminator; the
// current record numbers into their tables. Returns 0.
int projectclamp(int bytes);
// line (size bytes) = the save question for the project file name:
// "Overwrite project %s?" when it exists, else "Create project %s?".
// Returns 1 when it exists.
int projectquestion(char *line, int size, const char *name);
// The pointer file beside the program: one line, the name of the last
// project saved or loaded, so that start-up reads that project.
extern const char *const LASTPROJECTFILE;
// Reads the pointer from f into name (size bytes): a printable name the
// PROJECT NAME field can hold. Returns 0, or -1 (name untouched).
int lastprojectread(FILE *f, char *name, int size);
// PROJECT NAME = the name in the pointer file beside the program. Returns
// 0, or -1 when there is none or it is unusable (the name stays).
int readlastproject();
// Writes PROJECT NAME to the pointer file (write-new-then-rename).
// Returns 0, or 1 when it could not be written.
int writelastproject();
// dest (size bytes) = the project file's name without its folder. Returns 0.
int projectshortname(char *dest, int size);
// line (size bytes) = the first exit question, naming the project file
// that a Yes writes. Returns 0.
int exitquestion(char *line, int size);
// Copies into the settings what the chart holds outside them: zoom,
// centre, star catalogue, and the instant when it is fixed.
void projectcapture();
// Makes the settings just read take effect: star catalogue, place (menu
// fields and header line), star and minor planet, chart zoom and centre,
// CCD field of view, the instant (a fixed one, else the clock), and the
// positions for it. Returns 0.
int projectapply();
// Asks "Create project %s?" or "Overwrite project %s?", then writes the
// project file through a new file renamed into place, names it in the
// pointer file and confirms. Returns 0, or the result of the error report.
int saveproject();
// Reads the project file (ask 1: after "Load project %s?"), names it in
// the pointer file and brings the current place, star and minor planet
// into the fields; from the menu (ask 1) the whole project is applied at
// once. A missing file is reported as "Cannot find", an unreadable one
// with the system's reason, a refused one with what is wrong. Returns 0,
// or the result of the error report.
int loadproject(int ask);
