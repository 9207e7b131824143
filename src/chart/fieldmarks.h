// The objects of the last field check drawn with their names on the chart
// and in the telescope view, while the instant is the one checked.
#pragma once

// Ring and name of each field-check object on the chart (the name where
// the chart's labels leave room) / in the telescope view. Return the
// number of rings drawn.
int drawfieldmarks();
int Tdrawfieldmarks();
