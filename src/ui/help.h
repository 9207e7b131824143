// Help pages.
#pragma once

// Shows the help page of the open menu (-1 for the chart).
void helpwindow();
