#include "engine/model/SentenceDecoder.h"

#include <algorithm>
#include <cmath>

#include "engine/core/Unit_Data.h"
#include "engine/pinyin/SyllableTable.h"

namespace dazi::model {
namespace {

// A position's pieces depend on the letters up to six beyond it (the longest syllable decides
// whether a letter begins one); positions this far before the first changed letter are kept.
constexpr std::size_t kStableMargin = 7;
// The longest piece, in letters; pieces from further back cannot reach a changed position.
constexpr std::size_t kMaxPieceLetters = kMaxWordSyllables * 6;

std::int32_t Cost(double bits) {
  return static_cast<std::int32_t>(std::lround(bits * kCostScale));
}

}  // namespace

void SentenceDecoder::SetSettings(const DecoderSettings& settings) {
  settings_ = settings;
  settings_.statesPerColumn = std::clamp(settings_.statesPerColumn, 1, kMaxStates);
  initialCost_ = Cost(settings_.initialBits);
  loneInitialCost_ = Cost(settings_.loneInitialBits);
  unfinishedCost_ = Cost(settings_.unfinishedBits);
  userWordCost_ = Cost(settings_.userWordBits);
  defaultCharCost_ = Cost(settings_.defaultCharBits);
  Reset();
}

void SentenceDecoder::Decode(std::string_view letters, const std::vector<bool>& breaks) {
  const std::size_t n = letters.size();
  std::vector<bool> newBreaks(n + 1, false);
  std::copy_n(breaks.begin(), std::min(breaks.size(), n + 1), newBreaks.begin());

  // The letters (and breaks) shared with the last call decide what can be kept.
  std::size_t common = 0;
  if (decodedLetters_ != SIZE_MAX) {
    const std::size_t limit = std::min(n, letters_.size());
    while (common < limit && letters[common] == letters_[common] &&
           newBreaks[common] == breaks_[common])
      ++common;
  }
  kept_ = common > kStableMargin ? common - kStableMargin : 0;
  letters_.assign(letters);
  breaks_ = std::move(newBreaks);
  decodedLetters_ = n;
  lattice_.SetText(letters_, breaks_);

  columns_.resize(n + 1);
  for (std::size_t q = kept_ + 1; q <= n; ++q) columns_[q].count = 0;
  if (kept_ == 0) {
    columns_[0].count = 1;
    columns_[0].items[0] = Arrival{};
  }
  const std::size_t first = kept_ > kMaxPieceLetters ? kept_ - kMaxPieceLetters : 0;
  for (std::size_t p = first; p < n; ++p)
    if (columns_[p].count > 0) Expand(p, kept_ + 1);
}

void SentenceDecoder::Expand(std::size_t p, std::size_t minEnd) {
  ExpandTrie(p, minEnd);
  ExpandInitials(p, minEnd);
  ExpandUserWords(p, minEnd);
  ExpandDefaultChar(p, minEnd);
}

void SentenceDecoder::ExpandTrie(std::size_t p, std::size_t minEnd) {
  struct Frame {
    std::uint32_t node;
    std::size_t pos;
    int depth;
  };
  Frame stack[64];
  int top = 0;
  stack[top++] = {0, p, 0};
  const std::size_t n = letters_.size();
  while (top > 0) {
    const Frame f = stack[--top];
    for (const SyllableMatch& m : lattice_.SyllablesAt(f.pos)) {
      const std::uint32_t child = file_.Child(f.node, m.syllable);
      if (child == kNone) continue;
      const std::size_t q = f.pos + static_cast<std::size_t>(m.length);
      if (q >= minEnd) {
        const Range r = file_.Entries(child);
        const std::uint32_t end =
            r.begin +
            std::min<std::uint32_t>(r.size(), static_cast<std::uint32_t>(settings_.wordsPerNode));
        for (std::uint32_t i = r.begin; i < end; ++i) {
          const WordEntry e = file_.TrieEntry(i);
          if (e.word != kNone) RelaxWord(p, q, e.word, static_cast<std::int32_t>(e.cost));
        }
      }
      if (f.depth + 1 < kMaxWordSyllables && q < n && top < 64)
        stack[top++] = {child, q, f.depth + 1};
    }
    // The last letters may be the start of a syllable still being typed.
    for (int syllable : lattice_.UnfinishedSyllables(f.pos)) {
      const std::uint32_t child = file_.Child(f.node, syllable);
      if (child == kNone) continue;
      const Range r = file_.Entries(child);
      const std::uint32_t end =
          r.begin + std::min<std::uint32_t>(
                        r.size(), static_cast<std::uint32_t>(settings_.unfinishedWordsPerNode));
      for (std::uint32_t i = r.begin; i < end; ++i) {
        const WordEntry e = file_.TrieEntry(i);
        if (e.word != kNone)
          RelaxWord(p, n, e.word, static_cast<std::int32_t>(e.cost) + unfinishedCost_);
      }
    }
  }
}

void SentenceDecoder::ExpandInitials(std::size_t p, std::size_t minEnd) {
  const std::string_view letters = letters_;
  auto relaxKey = [&](std::size_t q, std::int32_t extra) {
    if (q < minEnd) return;
    const Range r = file_.InitialsEntries(letters.substr(p, q - p));
    const std::uint32_t end =
        r.begin +
        std::min<std::uint32_t>(r.size(), static_cast<std::uint32_t>(settings_.wordsPerInitials));
    for (std::uint32_t i = r.begin; i < end; ++i) {
      const WordEntry e = file_.InitialsEntry(i);
      if (e.word != kNone) RelaxWord(p, q, e.word, extra);
    }
  };
  if (lattice_.InInitialsRun(p)) {
    const std::size_t end = std::min(lattice_.InitialsRunEnd(p), p + kMaxInitials);
    for (std::size_t q = p + 1; q <= end; ++q)
      relaxKey(q, initialCost_ * static_cast<std::int32_t>(q - p));
  } else if (lattice_.BeginsNoSyllable(p)) {
    relaxKey(p + 1, loneInitialCost_);
  }
}

void SentenceDecoder::ExpandUserWords(std::size_t p, std::size_t minEnd) {
  if (!userWords_) return;
  auto LastChar = [](int u) {
    const int length = std::clamp(SrfState.UserWordLengths[u], 0, kUserWordCodeCapacity);
    return length > 0 ? SrfState.UserWordCodes[u][length - 1] : 0;
  };
  const std::size_t n = letters_.size();
  const std::string_view letters = letters_;
  const std::size_t longest = std::min(n - p, kMaxPieceLetters);
  for (std::size_t length = 1; length <= longest; ++length) {
    if (p + length < minEnd || !userWords_->HasSpellingOfLength(length)) continue;
    for (int u : userWords_->SpelledAs(letters.substr(p, length)))
      RelaxOther(p, p + length, PieceKind::kUserWord, static_cast<std::uint32_t>(u), LastChar(u),
                 userWordCost_);
  }
  if (!lattice_.InInitialsRun(p)) return;
  const std::size_t runEnd = lattice_.InitialsRunEnd(p);
  for (std::size_t q = p + 2; q <= runEnd; ++q) {
    if (q < minEnd || !userWords_->HasInitialsOfLength(q - p)) continue;
    for (int u : userWords_->InitialledAs(letters.substr(p, q - p)))
      RelaxOther(p, q, PieceKind::kUserWord, static_cast<std::uint32_t>(u), LastChar(u),
                 userWordCost_);
  }
}

void SentenceDecoder::ExpandDefaultChar(std::size_t p, std::size_t minEnd) {
  // What the rules would write: the longest syllable's default character, or that of the
  // group's stored first syllable for a letter that begins none.
  const char c = letters_[p];
  if (c < 'a' || c > 'z') return;
  const auto& matches = lattice_.SyllablesAt(p);
  const int syllable = matches.empty() ? SyllableRanges[c - 'a'][0] : matches.front().syllable;
  const std::size_t length = matches.empty() ? 1 : static_cast<std::size_t>(matches.front().length);
  if (p + length < minEnd || syllable < 0 || syllable >= kSyllableCount) return;
  const std::int32_t code = SyllableDefaultChars[syllable][0];
  RelaxOther(p, p + length, PieceKind::kDefaultChar, static_cast<std::uint32_t>(code), code,
             defaultCharCost_);
}

void SentenceDecoder::RelaxWord(std::size_t p, std::size_t q, std::uint32_t word,
                                std::int32_t extra) {
  const Column& from = columns_[p];
  Column& to = columns_[q];
  for (int s = 0; s < from.count; ++s) {
    Arrival a;
    a.lm = from.items[s].lm;
    a.score = from.items[s].score + extra + file_.Score(&a.lm, word);
    a.from = static_cast<std::uint32_t>(p);
    a.fromState = static_cast<std::uint8_t>(s);
    a.kind = PieceKind::kModelWord;
    a.id = word;
    Offer(&to, a);
  }
}

void SentenceDecoder::RelaxOther(std::size_t p, std::size_t q, PieceKind kind, std::uint32_t id,
                                 std::int32_t lastChar, std::int32_t extra) {
  const Column& from = columns_[p];
  int best = 0;
  for (int s = 1; s < from.count; ++s)
    if (from.items[s].score < from.items[best].score) best = s;
  Arrival a;
  a.lm.last = CharWord(lastChar);
  a.score = from.items[best].score + extra;
  a.from = static_cast<std::uint32_t>(p);
  a.fromState = static_cast<std::uint8_t>(best);
  a.kind = kind;
  a.id = id;
  Offer(&columns_[q], a);
}

std::uint32_t SentenceDecoder::CharWord(std::int32_t charNumber) {
  if (charWords_.empty()) {
    // Single characters are the words one syllable below the root; the likeliest is kept.
    charWords_.emplace(0, kNone);
    const Range edges = file_.Edges(0);
    for (std::uint32_t e = edges.begin; e < edges.end; ++e) {
      int syllable = 0;
      std::uint32_t child = 0;
      file_.Edge(e, &syllable, &child);
      const Range entries = file_.Entries(child);
      for (std::uint32_t i = entries.begin; i < entries.end; ++i) {
        const std::uint32_t word = file_.TrieEntry(i).word;
        std::int32_t chars[2];
        if (word != kNone && file_.WordChars(word, chars, 2) == 1)
          charWords_.emplace(chars[0], word);
      }
    }
  }
  auto it = charWords_.find(charNumber);
  return it == charWords_.end() ? kNone : it->second;
}

void SentenceDecoder::Offer(Column* column, const Arrival& a) const {
  int worst = -1;
  for (int i = 0; i < column->count; ++i) {
    Arrival& item = column->items[static_cast<std::size_t>(i)];
    if (item.lm == a.lm) {
      if (a.score < item.score) item = a;
      return;
    }
    if (worst < 0 || item.score > column->items[static_cast<std::size_t>(worst)].score) worst = i;
  }
  if (column->count < settings_.statesPerColumn) {
    column->items[static_cast<std::size_t>(column->count++)] = a;
  } else if (a.score < column->items[static_cast<std::size_t>(worst)].score) {
    column->items[static_cast<std::size_t>(worst)] = a;
  }
}

std::vector<Piece> SentenceDecoder::BestPieces() const {
  std::vector<Piece> pieces;
  if (decodedLetters_ == SIZE_MAX || decodedLetters_ == 0) return pieces;
  std::size_t q = decodedLetters_;
  const Column& last = columns_[q];
  if (last.count == 0) return pieces;
  int s = 0;
  for (int i = 1; i < last.count; ++i)
    if (last.items[static_cast<std::size_t>(i)].score <
        last.items[static_cast<std::size_t>(s)].score)
      s = i;
  while (q > 0) {
    const Arrival& a = columns_[q].items[static_cast<std::size_t>(s)];
    pieces.push_back({a.from, q, a.kind, a.id});
    q = a.from;
    s = a.fromState;
  }
  std::reverse(pieces.begin(), pieces.end());
  return pieces;
}

void AppendPieceChars(const ModelFile& file, const Piece& piece, std::vector<std::int32_t>* out) {
  switch (piece.kind) {
    case PieceKind::kModelWord: {
      std::int32_t chars[kMaxWordSyllables];
      const int n = file.WordChars(piece.id, chars, kMaxWordSyllables);
      out->insert(out->end(), chars, chars + n);
      break;
    }
    case PieceKind::kUserWord: {
      if (piece.id >=
          static_cast<std::uint32_t>(std::clamp(SrfState.UserWordCount, 0, kUserWordCapacity)))
        break;
      const int length = std::clamp(SrfState.UserWordLengths[piece.id], 0, kUserWordCodeCapacity);
      out->insert(out->end(), SrfState.UserWordCodes[piece.id],
                  SrfState.UserWordCodes[piece.id] + length);
      break;
    }
    case PieceKind::kDefaultChar:
      out->push_back(static_cast<std::int32_t>(piece.id));
      break;
  }
}

}  // namespace dazi::model
