// The chart's key loop: one key's effect on the chart and the telescope
// view, the status line, then the screen.
#pragma once

extern int iMouseX, iMouseY;  // screen pixel of the last pointer key (set by the caller)

// Acts on one key code (0: status line only), moves the cursor, rebuilds
// the chart when a key asked for it, writes the status line and the Sun's
// state in the header and copies the chart to the video buffer. Pointer
// keys (screen/keys.h, position in iMouseX, iMouseY): a motion writes the
// read-out of the sky under the pointer on the status row (the cursor
// line when it is off the chart) and nothing else; a click puts the
// cursor there and identifies (as "i"); a double click centres there (as
// F2); the wheel zooms in and out about the pointer (as F4 / F3). Returns
// the block marks of a rebuild in this call, 0 if none.
int drawskyplot(int keycode);
