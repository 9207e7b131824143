// Comma-separated files a spreadsheet opens: a header line, then one line
// a row, CR LF line ends, written through the safe-write helper.
#pragma once

// Writes header and rows lines made by row(i, line, size) for i = 0 ..
// rows-1 (row returns the length it wrote, negative to stop with a
// failure) to path. Returns 0, or 1 when it cannot be written (path is
// then left as it was).
int csvwrite(const char *path, const char *header, int rows, int (*row)(int, char *, int));
// Text src as one CSV field into dest (size bytes): in double quotes,
// inner quotes doubled, trailing blanks dropped, cut to fit.
void csvtext(char *dest, int size, const char *src);
