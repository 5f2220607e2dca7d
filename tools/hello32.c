/* The smallest 32-bit Windows program of ours: tools/wine-env builds it with
   the 32-bit MinGW compiler and runs it to learn whether this machine runs
   32-bit Windows programs. It prints its own pointer width. */
#include <stdio.h>

int main(void) {
  printf("hello32: %d-bit\n", (int)(sizeof(void*) * 8));
  return 0;
}
