// qpColorDialog: the colour dialog, opened on a colour text with sixteen
// custom-colour slots read from variables; OK writes the colour text and the
// slots back, Cancel writes "False".
#include <windows.h>
#include <commdlg.h>

#include "actions/UActionExecs.h"
#include "actions/dialogs/UDialogLayer.h"
#include "actions/dialogs/UDialogRules.h"
#include "actions/dialogs/UFontRules.h"
#include "core/UUtilities.h"

namespace qp {

namespace {

UINT_PTR CALLBACK ColorDialogHookProc(HWND, UINT, WPARAM, LPARAM) { return 0; }

}  // namespace

bool ColorDialogActionExec(const std::string& colorText, const std::string& optionsText,
                           const std::string& customBaseName, const std::string& resultVariable) {
  int32_t color = 0;
  if (!IsBlank(colorText)) {
    const int32_t value = TextToColor(colorText);
    if (value != -1) color = value;
  }

  // A variable that is empty, or whose text is not a slot text, leaves its
  // slot unset.
  COLORREF slots[kCustomColorCount];
  const bool useSlots = !IsBlank(customBaseName);
  for (int i = 0; i < kCustomColorCount; ++i) {
    uint32_t value = kUnsetSlot;
    if (useSlots) {
      const std::string text = ReadVariable(customBaseName + IntToText(i));
      if (!text.empty() && !TryReadSlotText(text, value)) value = kUnsetSlot;
    }
    slots[i] = value;
  }

  CHOOSECOLORA cc = {};
  cc.lStructSize = sizeof cc;
  cc.rgbResult = ColorToRgb(color);
  cc.lpCustColors = slots;
  cc.Flags = ColorDialogFlags(optionsText);
  cc.lpfnHook = &ColorDialogHookProc;
  BOOL chosen = FALSE;
  {
    ModalDialogScope scope;
    cc.hwndOwner = scope.ActiveWindow();
    chosen = ChooseColorA(&cc);
  }

  if (!chosen) {
    SetVariable(resultVariable, kFalse);
    return true;
  }
  SetVariable(resultVariable, ColorToText(static_cast<int32_t>(cc.rgbResult)));
  if (useSlots)
    for (int i = 0; i < kCustomColorCount; ++i) SetIndexedVariable(i, customBaseName, SlotText(slots[i]));
  return true;
}

}  // namespace qp
