// Helpers for the pinyin engine tests: drive a keystroke the way the candidate bar does and
// read the engine's lists back as UTF-8 text.
#pragma once

#include <string>
#include <vector>

#include "engine/core/Unit_Data.h"
#include "tests/support/GbkText.h"

namespace dazi::testing {

// The n-th character of the first level of GB2312 (n < 3600), in UTF-8: a supply of distinct
// characters for large fixtures.
std::string NthCommonChar(int n);

// Sets InputText to each prefix of letters in turn and runs the lookup, the merge and the
// page fill after each letter, with PageIndex and AssociationCount back at 0 as a new letter
// leaves them.
void TypeLetters(const std::string& letters);
// One refresh of the current InputText.
void Refresh();

// The characters of LookupList, the words of WordResults, the texts of the shown slots and
// the text of pool word w, all in UTF-8.
std::vector<std::string> LookupTexts();
std::vector<std::string> WordResultTexts();
std::vector<std::string> SlotTexts();
std::vector<std::string> SlotOutputs();
std::string PoolWordText(int32 w);

// Position of text in list, or -1.
int IndexOf(const std::vector<std::string>& list, const std::string& text);

}  // namespace dazi::testing
