#include "screen/switches.h"

int iDOS = 1;
int iDEBUG = 0;
int iGotamouse = 0;
BITMAP *buffer = nullptr;
volatile int full_redraw = 0;
