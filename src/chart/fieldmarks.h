// The objects of the last field check drawn with their names on the chart
// and in the telescope view, while the instant is the one checked.
#pragma once

// Ring and name of each field-check object on the chart / in the
// telescope view. Return the number drawn.
int drawfieldmarks();
int Tdrawfieldmarks();
