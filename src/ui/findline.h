// The find line: a name typed over the chart, the matching objects offered
// as it is typed, and going to the one chosen.
#pragma once
#include "chart/lookup.h"

enum { FINDOFFERED = 8 };  // matches listed under the line

// Runs the find line at the chart's top left: printable keys type, Back-
// space deletes, Up / Down choose among the matches offered, Enter goes
// to the chosen match (an unknown name says so and stays), Escape leaves.
// What lay under the box is put back. *hit = the match gone to. Returns 1
// when it went to one, else 0.
int findline(FINDHIT *hit);
// Centres the chart and the cursor on a match and rebuilds the chart; a
// minor planet of another page loads that page and becomes current first.
// Returns 0, -1 when its page could not give it (said in a dialogue).
int gotohit(const FINDHIT &h);
