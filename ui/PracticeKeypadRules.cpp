// The key rules of the stroke keypad method and its candidate lookup.
#include "PracticeController.h"

namespace dazi {

// Character keys in the keypad method: a letter is written, digits and the pad symbols
// + . / * are left to the release handler. Returns whether the key was taken.
bool PracticeController::KeypadKeyPress(char) {
  return false;
}

// Releases in the keypad method: pad digits 1-6 extend the strokes, * and / replace them,
// + and - page, the pad point deletes a stroke, pad 0, 7, 8, 9 choose.
void PracticeController::KeypadKeyUp(int) {}

// LoadFirstStrokeList and MatchStrokes on InputText, BuildKeypadPage, BuildStrokePreviews.
void PracticeController::KeypadLookup() {}

// BuildKeypadPage for PageIndex.
void PracticeController::KeypadPageFill() {}

// FindKeypadFollowOnWords from the chosen character.
void PracticeController::KeypadFollowOnSearch(int32) {}

}  // namespace dazi
