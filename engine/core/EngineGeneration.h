// The engine generation: a number that moves whenever something the engines' caches are built
// from is replaced, that is the dictionary streams or the dictionary and user-lexicon tables of
// SrfState. Each engine keeps its caches and scratch buffers in one structure in its internal/
// folder (PinyinScratch, SentenceCaches, KeypadScratch, and CandidatesScratch for the code both
// methods share) that remembers the generation it was filled in and is emptied on its first use
// in a later one, so no cache has to check its sources on every use.
//
// LoadDictionaries, LoadUserLexicon, DictFiles::CloseAll, ResetEngineState and the reopening of
// the character table after word-making move it. Code that rewrites those tables by other means
// calls AdvanceEngineGeneration itself.
#pragma once

#include <cstdint>
#include <new>

namespace dazi {

std::uint64_t EngineGeneration();
void AdvanceEngineGeneration();

// cache (a structure with a member std::uint64_t builtFor), first rebuilt empty in place when
// it was filled in an earlier generation.
template <class Cache>
Cache& InCurrentGeneration(Cache& cache) {
  const std::uint64_t now = EngineGeneration();
  if (cache.builtFor != now) {
    // In place: the structures are megabytes large, too big for a temporary on the stack.
    cache.~Cache();
    new (&cache) Cache();
    cache.builtFor = now;
  }
  return cache;
}

}  // namespace dazi
