#include "core/UGlobals.h"

namespace qp {

uint32_t HostWindow = 0;
AddActionProcT AddActionProc = nullptr;
uint32_t ExtraHostProc = 0;
GetVarProcT GetVarProc = nullptr;
SetVarProcT SetVarProc = nullptr;
ScriptProcessorT ScriptProcessor = nullptr;
uint32_t InterfaceAccess = 0;

void* LibraryInstance = nullptr;

}  // namespace qp
