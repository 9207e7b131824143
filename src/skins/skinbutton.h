// Skin buttons of the telescope view.
#pragma once

// Number of the skin button under screen point (x, y): -1 outside the
// skin, 56..89 on it.
int checkskinbutton(int x, int y);
