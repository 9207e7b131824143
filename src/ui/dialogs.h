// Dialogs.
#pragma once

// Asks a yes/no question; returns the upper-case answer letter ('Y' = 89).
int dialogYN(const char *text);
