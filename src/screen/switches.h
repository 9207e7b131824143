// Start-up switches and surfaces the screen code needs: how drawing
// reaches the screen, diagnostics, the mouse, and the redraw request of a
// display switch.
#pragma once
#include <allegro.h>

extern int iDOS;                  // 1: draw on the screen; 0: through buffer
extern int iDEBUG;                // 1: diagnostic texts
extern int iGotamouse;            // 1 when a mouse driver is installed
extern BITMAP *buffer;            // off-screen bitmap, the size of the screen
extern volatile int full_redraw;  // set by the display-switch callback
