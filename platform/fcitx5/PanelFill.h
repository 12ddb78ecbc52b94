// Shows the controller's state in an input context's panel: the input as preedit, the
// candidate page as a candidate list with glosses as comments, the keypad's next-stroke
// previews and a pending default sentence as auxiliary text.
#pragma once

#include <fcitx/inputcontext.h>

#include <functional>

#include "ui/controller/PracticeController.h"

namespace dazi::fcitx5 {

// Called with the slot of a candidate clicked in the candidate window.
using ChooseSlot = std::function<void(fcitx::InputContext*, int slot)>;

// Fills ic's input panel from controller and tells the frontend; keypadMethod selects the
// pad keys 0 7 8 9 as the candidate labels.
void FillPanel(fcitx::InputContext* ic, const PracticeController& controller, bool keypadMethod,
               const ChooseSlot& choose);

// Empties ic's panel and preedit.
void ClearPanel(fcitx::InputContext* ic);

}  // namespace dazi::fcitx5
