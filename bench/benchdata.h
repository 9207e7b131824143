// The full element table the benchmarks time.
#pragma once

// The JPL ephemeris in use; page 0 of the shipped database plus the user
// file: 3000 + 4 records,
// topped up with copies of the first minor planets to the full 3064, with
// day = JD 2460000.5. False when the data files are not beside the
// executable, so that an empty table is never timed.
bool fullpage();

#include <sys/types.h>

#include <cstdio>
#include <vector>

// PyEphem (python3-ephem) in a child process (bench/pyephem_pass.py), fed
// Julian Days on a pipe; it answers with the processor seconds it took to
// place every record of the table at that day and the next.
struct Peer {
  pid_t pid = -1;
  FILE *to = nullptr, *from = nullptr;
  char table[32] = "/tmp/korvanex_peer_XXXXXX";  // the elements it reads
};
// Writes the table's elements to a temporary file for the peer and starts
// it. False when Python or PyEphem cannot be started (nothing left over).
bool openpeer(Peer *p);
// Stops the peer and removes its file.
void closepeer(Peer *p);
// The peer's processor seconds for placing the table at jd and the day
// after; negative when it has stopped.
double peerpass(Peer *p, double jd);
// Processor time of this thread, seconds: the machine is shared, and both
// sides are measured by the processor time they take.
double cputime();
double median(std::vector<double> v);
