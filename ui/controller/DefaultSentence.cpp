#include "ui/controller/DefaultSentence.h"

#include "engine/model/ModelSentence.h"
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

void MakeDefaultSentence(const std::string& pinyin) {
  if (ActiveSentenceMethod() == SentenceMethod::kModel && ConvertSentenceByModel(pinyin)) return;
  ConvertSentence(pinyin);
}

}  // namespace dazi
