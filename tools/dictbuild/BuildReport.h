// Figures the build prints: enough to see at a glance whether the data came out right.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace dazi::dictbuild {

struct BuildReport {
  int classCounts[3] = {};  // simplified, traditional, variant
  int charsWithoutReading = 0;
  int charsWithoutStrokes = 0;
  int cedictEntriesSkipped = 0;
  int wordsCandidate = 0;
  int wordsReadingMismatch = 0;  // a syllable that is not a reading of its character
  int wordsClassMismatch = 0;    // neither form made of its class's characters
  int wordsNoPattern = 0;        // readings no chosen pattern can express
  int wordsKept = 0;
  int wordsFromOpenGram = 0;        // words CC-CEDICT lacks, from open-gram's lexicon
  int wordsFromJieba = 0;           // and from jieba's frequent words
  int wordsDroppedForPool[2] = {};  // class flags cleared to fit the pool (S, T)
  int wordsDropped = 0;             // words that lost both flags
  double patternCoverage = 0;       // share of words a chosen pattern expresses
  int charGlosses = 0;
  int wordGlosses = 0;
  int phrases = 0;
  int phraseKeys = 0;
  int phrasesDropped = 0;
  int jiebaPhrases = 0;
  long textWords = 0;    // words the manpages-zh text was cut into
  int textChunks = 0;    // phrase entries made of characters written side by side there
  int modelChunks = 0;   // pairs of characters open-gram's model expects side by side
  int phrasesSplit = 0;  // phrases left out: the model reads their letters as other words
  int abbrevs = 0;
  int abbrevsDropped = 0;
  int rankLosses = 0;  // characters that got no rank within 2500
  int strokeListDropped = 0;
  int charsWithMedians = 0;        // median lines read from hanzi-writer-data
  int charsWithGeometry = 0;       // whose median lines match their strokes
  int charsWithCrossing = 0;       // whose main code types a 叉
  int charsWithVariants = 0;       // multi-code records
  int strokeListSizes[6][3] = {};  // entries per first stroke and class (S, T, V)
  std::vector<std::string> notes;  // anything unexpected, one line each
};

void PrintReport(const BuildReport& report, std::ostream& out);

}  // namespace dazi::dictbuild
