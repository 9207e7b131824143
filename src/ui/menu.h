// The menu driver.
#pragma once
#include "ui/menutable.h"

// Runs menu i (0..8) until it is closed; returns the key that closed it.
int menufunction(int i);
