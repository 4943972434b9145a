#include "library/UExports.h"

extern "C" void BXCALL bxMessage(void) {}
