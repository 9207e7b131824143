#include "ui/menu.h"

PROMPT prompt[9][20];
int iFun = -1;
int iFocus = 0;
const int altkey[11] = {289, 294, 302, 281, 274, 287, 276, 286, 280, 27, 315};
