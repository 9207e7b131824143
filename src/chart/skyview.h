// The chart's key loop: one key's effect on the chart and the telescope
// view, the status line, then the screen.
#pragma once

// Acts on one key code (0: status line only), follows the mouse, moves the
// cursor, rebuilds the chart when a key asked for it, writes the status
// line and copies the chart to the video buffer. Returns the block marks
// of a rebuild in this call, 0 if none.
int drawskyplot(int keycode);
