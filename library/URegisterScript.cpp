#include "core/UGlobals.h"
#include "library/UExports.h"

extern "C" void BXCALL bxRegisterScriptProcessor(qp::ScriptProcessorT processor) { qp::ScriptProcessor = processor; }
