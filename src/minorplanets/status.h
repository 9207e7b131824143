// Status texts shared by the file loaders, and file names in the
// program's own directory.
#pragma once

extern char mperror[256];  // last status message

// Set mperror to the success (MPOKay) or failure (MPfail) message of kind
// 1..3 around text; another kind leaves it unchanged. MPOKay returns 0,
// MPfail returns kind.
int MPOKay(int kind, const char *text);
int MPfail(int kind, const char *text);
// dest (at least 256 bytes) = name placed in the executable's directory.
// Returns 0.
int getfilename(char *dest, const char *name);
