#pragma once
// The callback registry: the values the host hands over through the exports.
// All zero when the library is loaded, written only by the exports and never
// cleared.

#include <cstdint>

#include "core/BxConvention.h"

namespace qp {

extern uint32_t HostWindow;             // bxInitPlugIn; kept, never used
extern AddActionProcT AddActionProc;    // bxRegisterPlugIn, 1st
extern uint32_t ExtraHostProc;          // bxRegisterPlugIn, 2nd; kept, never used
extern GetVarProcT GetVarProc;          // bxRegisterPlugIn, 3rd
extern SetVarProcT SetVarProc;          // bxRegisterPlugIn, 4th
extern ScriptProcessorT ScriptProcessor;  // bxRegisterScriptProcessor
extern uint32_t InterfaceAccess;        // bxRegisterInterfaceAccess; kept, never used

// The library's own module handle, for loading its string table. Not part of
// the registry: set when the library is loaded.
extern void* LibraryInstance;

}  // namespace qp
