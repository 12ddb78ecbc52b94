// The keypad candidate page: four slots (keys 0, 7, 8, 9) from the results, topped up with
// follow-on words, and the memory of the characters each input length showed first.
#pragma once

namespace dazi {

// Fills the candidate slots of page PageIndex from the results, then from the follow-on
// words, and remembers the characters of each input length's first page.
void BuildKeypadPage();

}  // namespace dazi
