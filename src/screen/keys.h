// Key codes of the program's one input numbering. Characters from 8 up are
// their own code; keys without a character are 256 + the PC scan code. A
// click on a button, list row or skin button arrives as one of these.
#pragma once

enum : int {
  KEYFIRSTCHAR = 8,   // lowest character code returned as itself
  KEYSCANBASE = 256,  // code of a key without a character: base + scan code
  KEYNEUTRAL = 1,     // a code no key produces, for "no key yet"

  KEYBACKSPACE = 8,
  KEYTAB = 9,
  KEYENTER = 13,
  KEYESC = 27,  // also Alt+Q, the QUIT field and the right mouse button

  KEYF1 = 315,
  KEYF2 = 316,
  KEYF3 = 317,
  KEYF4 = 318,
  KEYF5 = 319,
  KEYF6 = 320,
  KEYF7 = 321,
  KEYF8 = 322,
  KEYF9 = 323,
  KEYF10 = 324,
  KEYF11 = 343,
  KEYF12 = 344,

  KEYHOME = 327,
  KEYUP = 328,
  KEYPGUP = 329,
  KEYLEFT = 331,
  KEYRIGHT = 333,
  KEYEND = 335,
  KEYDOWN = 336,
  KEYPGDN = 337,
  KEYINSERT = 338,
  KEYDELETE = 339,

  // Letters with Alt (also the control character of that letter).
  KEYALTA = 286,
  KEYALTB = 304,
  KEYALTC = 302,
  KEYALTE = 274,
  KEYALTF = 289,
  KEYALTG = 290,
  KEYALTH = 291,
  KEYALTI = 279,
  KEYALTL = 294,
  KEYALTM = 306,
  KEYALTO = 280,
  KEYALTP = 281,
  KEYALTR = 275,
  KEYALTS = 287,
  KEYALTT = 276,
  KEYALTQ = KEYESC,

  // Pointer events over the pointer area (ui/input.h), with the pointer
  // position in m3, m4: motion, a left click, a double click, the wheel.
  // Above every scan code.
  KEYPOINTERMOVE = 600,
  KEYPOINTERCLICK = 601,
  KEYPOINTERDOUBLE = 602,
  KEYWHEELUP = 603,
  KEYWHEELDOWN = 604,
  KEYPOINTERFIRST = KEYPOINTERMOVE,
  KEYPOINTERLAST = KEYWHEELDOWN,

  // Chart keys of the instant and of finding.
  KEYHOURBACK = '[',
  KEYHOURON = ']',
  KEYDAYBACK = '{',
  KEYDAYON = '}',
  KEYEPHEMBACK = '(',  // by the ephemeris interval
  KEYEPHEMON = ')',
  KEYNOW = '8',        // back to the clock's now
  KEYFIND = 'f',       // the find line

  // The nine menu keys, in menu order.
  KEYMENUFILE = KEYALTF,
  KEYMENULOCATION = KEYALTL,
  KEYMENUCATALOG = KEYALTC,
  KEYMENUPLANET = KEYALTP,
  KEYMENUEPHEMERIS = KEYALTE,
  KEYMENUSKYMAP = KEYALTS,
  KEYMENUTELESCOPE = KEYALTT,
  KEYMENUAPPULSE = KEYALTA,
  KEYMENUOPTIONS = KEYALTO,
  KEYFIELDCHECK = 'k',  // chart: field check at the cursor
};

inline bool ispointerkey(int k) { return k >= KEYPOINTERFIRST && k <= KEYPOINTERLAST; }
