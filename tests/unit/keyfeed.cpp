#include "keyfeed.h"

#include <allegro.h>

#include <deque>

#include "ui/input.h"

static std::deque<int> script;
static int overrun = 0;
static std::function<void()> watcher;

// The library's readkey value (scan code << 8 | character) of a key code.
static int readkeyvalue(int code) {
  if (code < 256) return code;
  for (int scan = 1; scan < KEY_MAX; scan++)
    if (translatekey(scan << 8) == code) return scan << 8;
  return 0;
}

// getapress drops keys typed ahead: after each key it empties the
// library's buffer, reading while a key is waiting. So the first question
// after a read answers no, and the script's next key waits for the next
// getapress. An empty script waits too; only a wait that goes on (a loop
// the script did not end) is given Escape.
static bool justread = false;
static int idlepolls = 0;
enum { IDLELIMIT = 50 };
static int haskey() {
  if (justread) {
    justread = false;
    return 0;
  }
  if (!script.empty()) return 1;
  return ++idlepolls > IDLELIMIT;
}

static int nextkey() {
  if (watcher) watcher();
  idlepolls = 0;
  justread = true;
  if (script.empty()) {
    overrun++;
    return (KEY_ESC << 8) | 27;
  }
  int k = script.front();
  script.pop_front();
  return readkeyvalue(k);
}

void feedkeys(std::initializer_list<int> codes) {
  // Installing empties the library's buffer, so the script comes after.
  script.clear();
  install_keyboard_hooks(haskey, nextkey);
  overrun = 0;
  idlepolls = 0;
  justread = false;
  for (int c : codes) script.push_back(c);
}

void feedkey(int code) { script.push_back(code); }

void feedtext(const std::string &text) {
  for (char c : text) script.push_back((unsigned char)c);
}

int keysleft() { return (int)script.size(); }
int keysoverrun() { return overrun; }

void watchkeys(std::function<void()> f) { watcher = std::move(f); }

void stopkeys() {
  remove_keyboard();
  watcher = nullptr;
  script.clear();
}
