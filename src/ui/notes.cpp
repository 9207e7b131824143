#include "ui/notes.h"

#include <cstdio>
#include <cstring>

#include "base/safewrite.h"
#include "base/status.h"
#include "base/settings.h"
#include "ui/dialogs.h"
#include "ui/windows.h"

const char notesheader[] = "Minor-planet observing notes";

static const int kLines = (int)(sizeof achDLine / sizeof achDLine[0]);

int savelistlines(const char *path, bool append, int lines, bool skipempty) {
  if (lines < 0) lines = 0;
  if (lines > kLines) lines = kLines;
  // Pages are appended in place: copying a long-used file whole for each
  // page wrote megabytes a key press.
  newfile nf;
  if ((append ? appendfileopen(&nf, path) : newfileopen(&nf, path)) != 0) return 1;
  bool ok = true;
  fprintf(nf.f, "\r\n%s  %s\r\n\r\n", banner, notesheader);
  for (int i = 0; i < lines; i++) {
    const char *line = achDLine[i];
    if (skipempty && !line[0]) continue;
    fwrite(line, 1, strnlen(line, LISTTEXTEND), nf.f);
    fputs("\r\n", nf.f);
  }
  fputs("\r\n\r\n", nf.f);
  return newfilecommit(&nf, ok);
}

int notesfilecopy(const char *path, int lines) {
  if (savelistlines(path, true, lines, false) != 0) return dialogERR("Unable to save notes.txt");
  showconfirm("Page added to notes.txt");
  return 1;
}

int filecopy(int lines) {
  char path[256];
  getfilename(path, "notes.txt");
  return notesfilecopy(path, lines);
}

int ephemfilewrite(const char *path, int mode) {
  if (mode != 0) {
    FILE *f = fopen(path, "rb");
    if (f) {
      fclose(f);
      char question[320];
      snprintf(question, sizeof question, "Overwrite file %s?", path);
      int answer = dialogYN(question);
      if (answer != 'Y') return answer;
    }
  }
  if (savelistlines(path, mode == 0, kLines, true) != 0) return dialogERR("Unable to save ephemeris file.");
  char line[96];
  snprintf(line, sizeof line, "Ephemeris saved in %s", get_filename(path));
  showconfirm(line);
  return 1;
}

int ephemfilecopy(int mode) {
  char path[256];
  getfilename(path, chSTR[EPHEMFILE]);
  return ephemfilewrite(path, mode);
}
