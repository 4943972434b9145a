#include "core/UGlobals.h"
#include "core/UStringIds.h"
#include "core/UUtilities.h"
#include "library/UExports.h"

extern "C" void BXCALL bxInitPlugIn(uint32_t hostWindow, qp::HostString* title, qp::HostString* publisher,
                                    qp::HostString* hint) {
  try {
    qp::HostWindow = hostWindow;
    // Each output first gives back the block it holds, then receives a new one.
    if (hint) qp::AssignHostString(*hint, qp::LoadText(IDS_PLUGIN_HINT));
    if (title) qp::AssignHostString(*title, qp::LoadText(IDS_PLUGIN_TITLE));
    if (publisher) qp::AssignHostString(*publisher, qp::LoadText(IDS_PLUGIN_PUBLISHER));
  } catch (...) {
  }
}
