#include "engine/model/ModelSentence.h"

#include <algorithm>
#include <memory>
#include <vector>

#include "engine/core/DataLocation.h"
#include "engine/core/MethodClass.h"
#include "engine/core/Unit_Data.h"
#include "engine/dict/DictFiles.h"
#include "engine/model/ModelFile.h"
#include "engine/model/ModelUserWords.h"
#include "engine/model/SentenceDecoder.h"

namespace dazi {
namespace {

struct Engine {
  model::ModelFile file;
  model::ModelUserWords userWords;
  model::SentenceDecoder decoder{file, &userWords};
};

std::unique_ptr<Engine>& TheEngine() {
  static std::unique_ptr<Engine> engine;
  return engine;
}

// Decodes and returns the sentence's character numbers.
std::vector<int32> Decode(Engine& e, std::string_view letters, const std::vector<bool>& breaks) {
  if (e.userWords.Refresh()) e.decoder.Reset();
  e.decoder.Decode(letters, breaks);
  std::vector<int32> codes;
  for (const model::Piece& piece : e.decoder.BestPieces()) AppendPieceChars(e.file, piece, &codes);
  return codes;
}

}  // namespace

bool LoadSentenceModel(std::string* error) {
  auto engine = std::make_unique<Engine>();
  if (!engine->file.Open(DictionaryPath(model::kModelFileName), error)) {
    TheEngine().reset();
    return false;
  }
  TheEngine() = std::move(engine);
  return true;
}

void UnloadSentenceModel() {
  TheEngine().reset();
}

bool SentenceModelLoaded() {
  return TheEngine() != nullptr;
}

bool ConvertSentenceByModel(const std::string& pinyin) {
  Engine* e = TheEngine().get();
  if (!e || ClassOf(SrfState.MethodClass) != CharClass::Simplified) return false;
  const std::vector<int32> codes = Decode(*e, pinyin, {});
  SrfState.SentenceCodeCount = 0;
  std::string sentence;
  for (int32 code : codes) {
    if (SrfState.SentenceCodeCount >= kSentenceCapacity) break;
    SrfState.SentenceCodes[SrfState.SentenceCodeCount++] = code;
    sentence += CharText(code);
  }
  SrfState.DefaultSentence = sentence;
  return true;
}

std::string ConvertPinyinLineByModel(std::string_view line) {
  Engine* e = TheEngine().get();
  if (!e) return {};
  std::string letters;
  std::vector<bool> breaks(1, false);
  for (char c : line) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    if (c >= 'a' && c <= 'z') {
      letters += c;
      breaks.push_back(false);
    } else if (c == '\'' || c == ' ') {
      breaks.back() = true;
    }
  }
  std::string text;
  for (int32 code : Decode(*e, letters, breaks)) text += CharText(code);
  return text;
}

}  // namespace dazi
