#pragma once
// The six exports of the plug-in, in the host's register convention
// (core/BxConvention.h). Stack arguments are declared in reverse order.

#include <cstdint>

#include "core/BxConvention.h"

extern "C" {

// bxInitPlugIn(hostWindow, &title, &publisher, &hint): hint is on the stack.
void BXCALL bxInitPlugIn(uint32_t hostWindow, qp::HostString* title, qp::HostString* publisher,
                         qp::HostString* hint);
// bxRegisterPlugIn(addAction, extra, getVar, setVar): setVar is on the stack.
void BXCALL bxRegisterPlugIn(qp::AddActionProcT addAction, uint32_t extra, qp::GetVarProcT getVar,
                             qp::SetVarProcT setVar);
void BXCALL bxRegisterScriptProcessor(qp::ScriptProcessorT processor);
void BXCALL bxRegisterInterfaceAccess(uint32_t access);
bool BXCALL bxExecAction(uint32_t index, const char* const* args);
// Reads no argument and removes nothing from the stack.
void BXCALL bxMessage(void);

}
