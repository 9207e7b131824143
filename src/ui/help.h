// On-line help: numbered topics read at start from "korvanex.hlp", each
// with a heading, lines of text and up to three links, and the viewer that
// walks them with a way back.
#pragma once
#include <cstdint>
#include <cstdio>
#include "screen/layout.h"

enum {
  HELPTOPICS = 220,       // topic records held
  HELPCONTEXT = 224,      // context-map entries held
  HELPMINCONTEXT = 180,   // 9 menus x 20 fields
  HELPFIELDS = 20,        // context-map entries per menu
  HELPRECORD = 16,        // bytes of a topic record in the file
  HELPPAD = 160,          // zero bytes kept after each block
  HELPBYTEOFFSET = 30,    // text bytes are stored this much below their character
  HELPMAXBLOCK = 1 << 20, // largest heading or text block accepted
  HELPLINKBUTTON = BUTDIALOG + 2,  // first of the three link buttons
  HELPHEADFONT = 7,       // font number of a topic's heading
  HELPLINEPITCH = 12,     // pixels from one text line to the next
};

// One topic as held in memory. Offsets are checked at load: a heading
// offset always lies inside the heading block, a text offset inside the
// text block (else the topic has no lines), links name loaded topics.
struct HELPTOPIC {
  int16_t head;     // heading offset into headtext
  int16_t lines;    // number of text lines
  int32_t text;     // offset of the first line in textbuf
  int16_t link[3];  // linked topics, 0 none
  int16_t origin;   // topic this one was last opened from
};

extern int16_t textstart[HELPCONTEXT];  // topic of each menu x 20 + field
extern HELPTOPIC textlink[HELPTOPICS];   // the topics
extern int helptopics;                   // topics (and context entries) loaded
extern char *headtext;                   // heading block, headlen + HELPPAD bytes
extern char *textbuf;                    // text block, textlen + HELPPAD bytes
extern int headlen, textlen;             // block sizes stated in the file
extern int HelpOkay;                     // 1 once the help file is loaded
extern int twx, twy;                     // writing position inside the help window
extern char tbuf[80];                    // scratch line
extern int iEmptyLinks;                  // empty link slots met on the page drawn
extern int iHelpTopic;                   // topic drawn last

// Reads a help file from f into the tables above. Returns 0, or 1 with the
// message in mperror ("Help File Error" for a file that is short, holds
// fewer than 180 or more than 220 entries or states impossible block sizes;
// "Help Memory Error" when a block cannot be allocated). On failure no
// help is held.
int helpread(FILE *f);
// Frees the help text; no help is held afterwards.
void helpfree();
// Loads "korvanex.hlp" from the program directory, reporting a failure in
// an error box. Returns 0 on success.
int inithelptext();
// Topic a menu field's help opens: 1 (the general topic) for a menu
// outside 0..8 or a field outside 0..19, else its context-map entry.
int helpstarttopic(int menu, int field);
// Heading text of topic t ("" for a topic that is not loaded).
const char *helpheading(int t);
// Line k (0 first) of topic t, or nullptr beyond its lines or the text
// block. A topic without lines shows the lines of topic 0.
const char *helptextline(int t, int k);

// Opens the help window for the open menu iFun and field iFocus (the
// general topic on the chart) and runs the viewer.
void helpwindow();
// The topic viewer: links "1".."3" (Enter is "1"), Escape back along the
// way taken, F1 ends. Returns 0 when the way led out (topic 0), or the
// topic shown when F1 ended it.
int helpscreen(int menu, int field);
// Draws topic into the help window and remembers from as its way back.
void calltext(int topic, int from);
// Writes the topic's heading at the writing position and moves it down.
void callheading(int topic);
// Draws link button slot (0..2) for link (a topic, 0 none).
void displayLinks(int link, int slot);
