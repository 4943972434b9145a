#pragma once
// The action catalogue declared to the host.

namespace qp {

// Declares the eight categories and sixty actions through AddActionProc:
// 68 calls in the fixed catalogue order.
void DeclareActions();

}  // namespace qp
