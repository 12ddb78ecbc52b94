// Follow-on words after a keypad choice: the words that begin with the chosen character.
#include "engine/keypad/KeypadFollowOn.h"

#include "engine/keypad/KeypadUserWords.h"
#include "engine/keypad/internal/KeypadWordList.h"

namespace dazi {
namespace {

// Lists pool words [from, WordPoolCount) that continue the chosen character.
void ListFollowOnWords(int32 from) {
  TLumiskCand& s = SrfState;
  for (int32 w = from; w < s.WordPoolCount && s.AssociationCount < kAssociationCapacity; ++w)
    // A one-character entry would repeat the choice and write nothing.
    if (s.WordPoolLengths[w] >= 2) s.AssociationList[s.AssociationCount++] = w;
}

}  // namespace

void FindKeypadFollowOnWords(int32 n) {
  TLumiskCand& s = SrfState;
  s.AssociationCount = 0;
  s.WordPoolCount = 0;
  if (n >= 1 && n <= s.CharCount) {
    keypad::AppendCharacterWordsToPool(n);
    ListFollowOnWords(0);
    const int32 ownWords = s.WordPoolCount;
    AddUserWordsForKeypad(&n, 1);
    AddLearnedWordsForKeypad(&n, 1);
    ListFollowOnWords(ownWords);
  }
  s.AssociationShown = s.AssociationCount > 0 ? 1 : 0;
}

}  // namespace dazi
