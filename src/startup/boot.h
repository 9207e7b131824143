// Program entry, command line, graphics mode and the main loop.
#pragma once
#include <allegro.h>

#include "screen/switches.h"

extern int Cdepth;        // requested colour depth: 8, 15, 16, 24 or 32

// Reads the switches of argv[1..argc-1] into Cdepth, *width, iDOS and
// iDEBUG (later arguments override earlier ones). Does not reset them.
void parsecommandline(int argc, char **argv, int *width);
// Screen height requested for a width: 1280 gives 1024, else width*3/4.
int requestedheight(int width);
// Start-up, main loop, shut-down. Returns once the exit is confirmed.
int boot(int argc, char **argv);
// Printf-style fatal stop: shuts Allegro down, prints "Critical error\n\n"
// and the message, exits with status -1.
[[noreturn]] void critical_error(const char *format, ...);
void lost_bitmap_callback_routine();
// Runs menus while key is a menu key; returns the first other key.
int domyfunction(int keycode);
