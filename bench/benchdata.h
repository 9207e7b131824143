// The full element table the benchmarks time.
#pragma once

// The JPL ephemeris in use; page 0 of the shipped database plus the user
// file: 3000 + 4 records,
// topped up with copies of the first minor planets to the full 3064, with
// day = JD 2460000.5. False when the data files are not beside the
// executable, so that an empty table is never timed.
bool fullpage();
