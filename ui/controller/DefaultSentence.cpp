#include "ui/controller/DefaultSentence.h"

#include "engine/core/Unit_Data.h"
#include "engine/model/ModelSentence.h"
#include "engine/pinyin/SymbolPages.h"
#include "engine/sentence/ConvertSentence.h"

namespace dazi {

void StartSentenceMethod() {
  LoadSentenceModel();
  SetSentenceMethod(ReadSentenceMethod());
}

bool AcceptSentenceMethod(SentenceMethod method) {
  SetSentenceMethod(method);
  return WriteSentenceMethod(method);
}

bool SpellsSentence(const std::string& pinyin) {
  // u, i and v begin no syllable: they open the symbol pages (va the private characters), and
  // the letters after them only turn pages.
  return !pinyin.empty() && SymbolPageIndex(pinyin[0]) < 0;
}

void MakeDefaultSentence(const std::string& pinyin) {
  if (!SpellsSentence(pinyin)) {
    SrfState.SentenceCodeCount = 0;
    SrfState.DefaultSentence.clear();
    return;
  }
  if (ActiveSentenceMethod() == SentenceMethod::kModel && ConvertSentenceByModel(pinyin)) return;
  ConvertSentence(pinyin);
}

}  // namespace dazi
