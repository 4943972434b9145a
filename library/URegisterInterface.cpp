#include "core/UGlobals.h"
#include "library/UExports.h"

extern "C" void BXCALL bxRegisterInterfaceAccess(uint32_t access) { qp::InterfaceAccess = access; }
