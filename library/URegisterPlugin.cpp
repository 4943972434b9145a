#include "core/UActionsMenu.h"
#include "core/UGlobals.h"
#include "library/UExports.h"

extern "C" void BXCALL bxRegisterPlugIn(qp::AddActionProcT addAction, uint32_t extra, qp::GetVarProcT getVar,
                                        qp::SetVarProcT setVar) {
  qp::AddActionProc = addAction;
  qp::ExtraHostProc = extra;
  qp::GetVarProc = getVar;
  qp::SetVarProc = setVar;
  try {
    qp::DeclareActions();
  } catch (...) {
  }
}
