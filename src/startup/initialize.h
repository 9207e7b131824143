// The start-up sequence.
#pragma once

// Brings up fonts, palette, windows and data for colour depth `depth`.
// Returns 0, or -1 when the resource datafile cannot be loaded.
int initialize(int depth);
// The start-up banner; waits for one key or click.
void introbox();
