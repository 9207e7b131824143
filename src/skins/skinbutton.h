// Skin buttons of the telescope view.
#pragma once

// Number of the skin button under screen point (x, y): -1 outside the
// skin, 56..89 on it.
int checkskinbutton(int x, int y);
// State of skin entry 0..59 (telescope toggles: 1 off, 2 on); 0 for
// other entries.
int getskinbuttonstate(int entry);
// Stores the state of entry 7..59. Returns 0, or -1 (nothing stored) for
// other entries.
int setskinbuttonstate(int entry, int state);
