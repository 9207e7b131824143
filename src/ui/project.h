// Project files.
#pragma once

// Asks whether to save, then writes the project file. Returns 0 on success.
int saveproject();
