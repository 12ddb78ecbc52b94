#include "ui/usercorpus/UserFilesState.h"

#include "engine/dict/DictFiles.h"
#include "engine/dict/DictLayout.h"
#include "engine/user/FileRead.h"
#include "ui/usercorpus/UserCorpus.h"

namespace dazi {

UserFilesState ReadUserFilesState() {
  UserFilesState state;
  const FileContents settings = ReadWholeFile(kSettingsFile);
  if (settings.status == ReadStatus::Read && settings.bytes.size() != 1)
    state.problem += "srf_pykx.set holds " + std::to_string(settings.bytes.size()) + " bytes. ";

  const FileContents lexicon = ReadWholeFile(kUserLexiconFile);
  std::size_t pos = 0;
  while (const auto codes = DecodeUserWord(lexicon.bytes, &pos)) {
    std::string text;
    for (const std::uint32_t code : *codes) text += CharText(static_cast<int>(code));
    state.lexiconWords.insert(text);
  }
  if (lexicon.bytes.empty() || pos + 1 != lexicon.bytes.size() ||
      lexicon.bytes.back() != kUserLexiconEnd)
    state.problem += "srf_pub.usr does not end in one 0 byte after whole records. ";

  const FileContents corpus = ReadWholeFile(kUserCorpusFile);
  const CorpusTree tree = ParseCorpus(corpus.bytes);
  if (corpus.bytes.empty() || FormatCorpus(tree) != corpus.bytes)
    state.problem += "srf_pub.dat is not whole CR LF lines. ";
  for (const CorpusCategory& category : tree)
    state.corpusEntries.insert(category.entries.begin(), category.entries.end());
  return state;
}

}  // namespace dazi
