#include "timefmt/instant.h"

double dJDay = 2451290.5;
double day = 2451290.5;
double SidHr = 0.0;
char jdbuff[80];
