// Scripted keys for code that waits in getapress: each call to the
// library's keyboard reads the next key of the script.
#pragma once
#include <functional>
#include <initializer_list>
#include <string>

// Replaces the keyboard with a script of program key codes (characters,
// or 256 + scan code keys such as 315 for F1). Once the script is used up
// a wait that goes on is given Escape, so it ends; keysoverrun() counts
// those.
void feedkeys(std::initializer_list<int> codes);
// Appends the characters of text to the script.
void feedtext(const std::string &text);
void feedkey(int code);
// Keys of the script not read yet, and reads beyond its end.
int keysleft();
int keysoverrun();
// Calls f each time a key is read, before it is handed over: a look at
// the screen while the program waits.
void watchkeys(std::function<void()> f);
// Takes the script (and the watcher) away again.
void stopkeys();
