#include "engine/sentence/internal/PhraseBlockCache.h"

#include <algorithm>
#include <cstdint>

#include "engine/core/MethodClass.h"
#include "engine/dict/DictFiles.h"
#include "engine/dict/DictLayout.h"
#include "engine/sentence/internal/SentenceCaches.h"
#include "engine/sentence/internal/SentenceInternals.h"

namespace dazi::sentence {

namespace {

void BuildIndex(PhraseBlock& block) {
  for (std::size_t i = 0; i < block.entries.size(); ++i) {
    const std::string& pinyin = block.entries[i].pinyin;
    block.firstByPinyin.emplace(pinyin, static_cast<int32>(i));  // keeps the first
    if (pinyin.size() < block.pinyinLengths.size()) block.pinyinLengths.set(pinyin.size());
  }
}

std::shared_ptr<PhraseBlock> ParseBlock(std::size_t offset, int32 records) {
  auto block = std::make_shared<PhraseBlock>();
  block->offset = offset;
  block->records = records;
  block->methodClass = SrfState.MethodClass;
  const DictStream& cpy = Dict.cpy;
  std::size_t pos = offset;
  for (int32 r = 0; r < records; ++r) {
    const CpyPhraseRecord record = ReadCpyPhraseRecord(cpy, pos);
    PhraseEntry entry;
    entry.attr = static_cast<int32>(record.attr);
    entry.length = static_cast<int>(record.length);
    for (int i = 0; i < entry.length; ++i)
      entry.codes[i] =
          static_cast<int32>(cpy.ReadU16(record.codesPos + 2 * static_cast<std::size_t>(i)));
    entry.pinyin = cpy.ReadBytes(record.pinyinPos, record.pinyinLength);
    pos = record.next;
    // Records of the other classes are skipped; a block beyond the list's capacity loses
    // its last entries.
    if (WordInActiveClass(record.flags, SrfState.MethodClass) &&
        block->entries.size() < kPhraseCapacity)
      block->entries.push_back(std::move(entry));
  }
  BuildIndex(*block);
  return block;
}

bool IsBlock(const PhraseBlock& block, std::size_t offset, int32 records) {
  return block.offset == offset && block.records == records &&
         block.methodClass == SrfState.MethodClass;
}

}  // namespace

int32 PhraseBlock::Find(std::string_view s) const {
  if (s.size() >= pinyinLengths.size() || !pinyinLengths.test(s.size())) return -1;
  const auto it = firstByPinyin.find(s);
  return it == firstByPinyin.end() ? -1 : it->second;
}

std::shared_ptr<const PhraseBlock> PhraseBlockFor(std::string_view s) {
  if (s.size() < 4 || s[0] < 'a' || s[0] > 'z') return nullptr;
  const int bucket = s[0] - 'a';
  const std::string_view key = s.substr(0, 4);
  const int keyCount = std::min<int32>(SrfState.PhraseKeyCounts[bucket], kPhraseKeyCapacity);
  int slot = 0;
  while (slot < keyCount && SrfState.PhraseKeys[bucket][slot] != key) ++slot;
  if (slot == keyCount) return nullptr;
  const int32 records = SrfState.PhraseBlockSizes[bucket][slot];
  if (records <= 0) return nullptr;
  const auto offset = static_cast<std::size_t>(SrfState.PhraseBlockOffsets[bucket][slot]);

  SentenceCaches& caches = CurrentSentenceCaches();
  std::vector<CachedPhraseBlock>& cached = caches.phraseBlocks;
  for (CachedPhraseBlock& entry : cached) {
    if (IsBlock(*entry.block, offset, records)) {
      entry.lastUse = ++caches.useClock;
      return entry.block;
    }
  }
  CachedPhraseBlock fresh{ParseBlock(offset, records), ++caches.useClock};
  if (cached.size() < kCachedBlocks) {
    cached.push_back(fresh);
  } else {
    auto oldest = std::min_element(cached.begin(), cached.end(),
                                   [](const CachedPhraseBlock& a, const CachedPhraseBlock& b) {
                                     return a.lastUse < b.lastUse;
                                   });
    *oldest = fresh;
  }
  return fresh.block;
}

std::shared_ptr<const PhraseBlock> PhraseBlockFromState() {
  auto block = std::make_shared<PhraseBlock>();
  const int32 count = std::clamp<int32>(SrfState.PhraseCount, 0, kPhraseCapacity);
  block->entries.resize(static_cast<std::size_t>(count));
  for (int32 i = 0; i < count; ++i) {
    PhraseEntry& e = block->entries[static_cast<std::size_t>(i)];
    e.attr = SrfState.PhraseAttrs[i];
    e.length = std::clamp<int32>(SrfState.PhraseLengths[i], 0, 15);
    e.pinyin = SrfState.PhrasePinyin[i];
    std::copy(SrfState.PhraseCodes[i], SrfState.PhraseCodes[i] + e.length, e.codes);
  }
  BuildIndex(*block);
  return block;
}

void CopyPhraseBlockToState(const PhraseBlock& block) {
  TLumiskCand& st = SrfState;
  st.PhraseCount = static_cast<int32>(block.entries.size());
  for (int32 i = 0; i < st.PhraseCount; ++i) {
    const PhraseEntry& e = block.entries[static_cast<std::size_t>(i)];
    st.PhraseAttrs[i] = e.attr;
    st.PhraseLengths[i] = e.length;
    st.PhrasePinyin[i] = e.pinyin;
    std::copy(e.codes, e.codes + e.length, st.PhraseCodes[i]);
  }
}

}  // namespace dazi::sentence
