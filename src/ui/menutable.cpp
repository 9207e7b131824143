#include "ui/menutable.h"

#include "ui/keys.h"

PROMPT prompt[9][20];
int iFun = -1;
int iFocus = 0;
const int altkey[11] = {KEYMENUFILE,   KEYMENULOCATION, KEYMENUCATALOG, KEYMENUPLANET,  KEYMENUEPHEMERIS,
                        KEYMENUSKYMAP, KEYMENUTELESCOPE, KEYMENUAPPULSE, KEYMENUOPTIONS, KEYESC,
                        KEYF1};
