#include "tools/dictbuild/BuildReport.h"

#include <ostream>

namespace dazi::dictbuild {

void PrintReport(const BuildReport& r, std::ostream& out) {
  out << "dictbuild: characters simplified " << r.classCounts[0] << ", traditional "
      << r.classCounts[1] << ", variant " << r.classCounts[2] << " (" << r.charsWithoutReading
      << " without reading, " << r.charsWithoutStrokes << " without strokes)\n";
  out << "dictbuild: words kept " << r.wordsKept << " of " << r.wordsCandidate
      << " CC-CEDICT forms, " << r.wordsFromOpenGram << " open-gram words and " << r.wordsFromJieba
      << " jieba words; dropped: reading mismatch " << r.wordsReadingMismatch << ", class mismatch "
      << r.wordsClassMismatch << ", no pattern " << r.wordsNoPattern << ", pool capacity "
      << r.wordsDropped << " (flags cleared S " << r.wordsDroppedForPool[0] << ", T "
      << r.wordsDroppedForPool[1] << ")\n";
  out << "dictbuild: reading patterns cover " << r.patternCoverage << "% of words\n";
  out << "dictbuild: glosses: characters " << r.charGlosses << ", words " << r.wordGlosses << "\n";
  out << "dictbuild: phrases " << r.phrases << " in " << r.phraseKeys << " keys (" << r.jiebaPhrases
      << " from jieba/curated, " << r.phrasesDropped << " dropped for capacity); initials entries "
      << r.abbrevs << " (" << r.abbrevsDropped << " dropped)\n";
  out << "dictbuild: manpages-zh text: " << r.textWords << " words, " << r.textChunks
      << " chunks; open-gram: " << r.modelChunks << " chunks, " << r.phrasesSplit
      << " phrases read better as other words\n";
  out << "dictbuild: rank losses " << r.rankLosses << ", stroke-list entries dropped "
      << r.strokeListDropped << ", CC-CEDICT entries unusable " << r.cedictEntriesSkipped << "\n";
  out << "dictbuild: stroke codes: median data " << r.charsWithMedians << " characters ("
      << r.charsWithGeometry << " matching their strokes), crossing in the main code "
      << r.charsWithCrossing << ", code variants " << r.charsWithVariants << "\n";
  out << "dictbuild: first-stroke lists (S/T/V):";
  for (int d = 0; d < 6; ++d)
    out << " " << d + 1 << ": " << r.strokeListSizes[d][0] << "/" << r.strokeListSizes[d][1] << "/"
        << r.strokeListSizes[d][2];
  out << "\n";
  for (const std::string& note : r.notes) out << "dictbuild: note: " << note << "\n";
}

}  // namespace dazi::dictbuild
