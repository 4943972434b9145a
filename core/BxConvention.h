#pragma once
// The host's register calling convention, used by every export and every host
// callback: the first three arguments travel in EAX, EDX and ECX; the rest are
// pushed on the stack from left to right and the callee removes them; a
// boolean result comes back in AL.
//
// GCC's regparm(3) with stdcall gives exactly the register part and the callee
// clean-up, but GCC pushes stack arguments from right to left. A function
// declared with BXCALL must therefore list its stack arguments (those after the
// third) in REVERSE order: the host's last argument comes first. Every
// declaration that has stack arguments says so next to it.

#include <cstdint>

#define BXCALL __attribute__((regparm(3), stdcall))

namespace qp {

using HostString = char*;

// AddActionProc(index, name, hint, kinds, highIndex, count): kinds, highIndex
// and count are on the stack, so they are declared reversed.
using AddActionProcT = void(BXCALL*)(int32_t index, const char* name, const char* hint,
                                     int32_t count, int32_t highIndex, const uint8_t* kinds);
// GetVarProc(name, &value): the host stores a global-memory block, or null.
using GetVarProcT = void(BXCALL*)(const char* name, HostString* value);
// SetVarProc(name, value).
using SetVarProcT = void(BXCALL*)(const char* name, const char* value);
// ScriptProcessor(line): runs one host action line.
using ScriptProcessorT = void(BXCALL*)(const char* line);

}  // namespace qp
