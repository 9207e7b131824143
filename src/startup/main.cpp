#include <allegro.h>

#include "startup/boot.h"

int main(int argc, char **argv) {
  boot(argc, argv);
  return 0;
}
END_OF_MAIN()
