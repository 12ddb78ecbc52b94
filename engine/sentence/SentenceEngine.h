// The whole-sentence engine: converts a long run of pinyin letters into one default sentence
// (DefaultSentence) and lets the Left key correct it piece by piece from its left end, with the
// correction lookups of the pinyin engine. Plain functions over SrfState, run to completion on
// the user-interface thread.
#pragma once

#include <string>

#include "engine/core/Unit_Data.h"

namespace dazi {

// ---- Syllable operations (over SyllableTable; the group of a string is that of its first
// letter, and its leading syllable the first syllable of the group that is a prefix of it).

// Length of the leading syllable of s; 0 when there is none.
int32 LongestSyllable(const std::string& s);
// Number of letters at the start of s at which no syllable of two or more letters begins;
// 2 or more means s begins with a run of initials.
int32 CountLeadingInitials(const std::string& s);
// Length of t = the first two letters of s (all of a one-letter s) when some syllable of t's
// group begins with t; else 0.
int32 SyllableBeginsWith(const std::string& s);
// Clears WordSplitActive and appends the default character of the leading syllable of s
// (or of its group's stored first syllable) to SentenceCodes; returns the letters consumed.
int32 AppendSyllableChar(const std::string& s);

// ---- Word-file blocks (srf_pub.cpy) and the user lexicon.

// Loads the phrase block of the first four letters of s into the phrase list, keeping the
// entries of the active class. -1 for fewer than 4 letters; 0 when there is no such block
// (the list is left as it was); else the number of records in the block.
int32 LoadPhraseBlock(const std::string& s);
// The same for the initials block of the first two letters of s (-1 for fewer than 2).
int32 LoadAbbrevBlock(const std::string& s);
// Index of the first loaded phrase whose pinyin is s, or -1.
int32 FindPhrase(const std::string& s);
// Index of the first loaded initials entry whose initials are s, or -1.
int32 FindAbbrev(const std::string& s);
// Index of the first user word whose main or alternative pinyin is s, or -1.
int32 FindUserWord(const std::string& s);

// ---- Whole-sentence conversion.

// Converts lower-case pinyin into SentenceCodes/SentenceCodeCount and DefaultSentence. In
// the variant class the sentence is built syllable by syllable with the simplified
// default characters.
void ConvertSentence(const std::string& pinyin);

// ---- Sentence correction.

// Length (4 or more) of the longest prefix of s that is the pinyin of a loaded phrase of
// s's block; 0 when there is none, or when s is a single syllable of 4 or 5 letters.
int32 LongestPhrasePrefix(const std::string& s);
// Cuts the first word, or else the first syllable, off InputText (the rest goes to
// RemainingInput) and builds its candidate page.
void StartSentenceCorrection(const std::string& s);

// ---- Correction lookups (the pinyin engine's side of the correction).

// LookupList/LookupCount := the simplified characters read as syllable: exact readings
// first, then longer ones, each in rank order.
void LookupSyllableChars(const std::string& syllable);
// Rebuilds the word pool for one letter and leaves the lookup and word results empty.
void PrepareWordPool(const std::string& letter);
// Appends to WordResults the pool words whose whole spelling is piece (by group, then pool
// order).
void MatchWordSpelling(const std::string& piece);
// InputText := the first n letters of text, RemainingInput := the rest (at most 100), and
// the pool words spelled exactly as InputText become word candidates. Sets WordSplitActive.
void SplitAtWord(const std::string& text, int32 n);
// InputText := the longest leading syllable of text (or its first letter), RemainingInput
// := the rest (at most 100); its characters become the candidates. Returns the letters
// taken and clears WordSplitActive.
int32 SplitFirstSyllable(const std::string& text);
// Moves the last letter of text to the front of RemainingInput and looks up the rest.
void ShortenSyllable(const std::string& text);

}  // namespace dazi
