// The stroke keypad engine KX: stroke-digit input ("1".."6", or a lone "/" or "*" for the two
// punctuation pages) turned into ordered character and word candidates, pages of four, the
// next-stroke previews and the follow-on words offered after a choice. Plain functions over
// SrfState; every call runs to completion on the user-interface thread.
#pragma once

#include <cstdint>
#include <string>

#include "engine/core/CandidateKinds.h"
#include "engine/core/Unit_Data.h"

namespace dazi {

// Longest keypad input the key handler keeps; further strokes are dropped. The longest word
// the pool holds (41 characters) has a stroke key of 2 + 39 + 8 = 49 digits, so nothing that
// can still match is ever cut off. The engine itself accepts inputs of any length.
inline constexpr int kKeypadInputLimit = 64;

// Strokes a single character's code holds; longer inputs can only match words.
inline constexpr int kStrokeCodeDigits = 8;

// Code variants a character can have (variant 0 is its main code).
inline constexpr int kStrokeCodeVariants = 5;

// The twelve full-width marks of the inputs "/" (index 0) and "*" (index 1), two GBK bytes
// each; mark k is the two bytes at 2k.
inline constexpr int kKeypadMarksPerPage = 12;
extern const std::string KeypadPunctuation[2];

// Index into KeypadPunctuation for an input beginning with "/" or "*"; -1 otherwise.
int KeypadPunctuationIndex(const std::string& input);

// The eight stroke digits "0".."7" of a 24-bit stroke code, first stroke first.
std::string StrokeString(std::uint32_t code);

// Code variant r (0..4) of character number n from srf_pub.lm; 0 (no strokes) for a
// character or variant that has none.
std::uint32_t ReadStrokeCode(int32 n, int r);

// At a one-character input: lists the characters of the active set whose code starts with the
// typed stroke (LookupList, LookupVariants, LookupStrokes), or the twelve mark indexes of a
// punctuation page, and empties the word pool. Longer inputs leave the list as it is.
void LoadFirstStrokeList(const std::string& input);

// Orders the characters of LookupList that match input, then the words, into ResultIds,
// ResultKinds and ResultStrokes.
void MatchStrokes(const std::string& input);

// Two strokes: gathers the dictionary words of chars[0..count-1] into the pool and the
// results. Three or more: filters the pool by the words' stroke keys into the results.
void MatchStrokeWords(const std::string& input, const int32* chars, int count);

// Append to the word pool (not to any result list) the user-lexicon words, respectively the
// learned words, that begin with one of chars[0..count-1].
void AddUserWordsForKeypad(const int32* chars, int count);
void AddLearnedWordsForKeypad(const int32* chars, int count);

// Fills the candidate slots of page PageIndex from the results, then from the follow-on
// words, and remembers the characters of each input length's first page.
void BuildKeypadPage();

// For each stroke key 1-6, up to four characters beyond the first page that the key would
// bring next (KeypadPreviews, KeypadPreviewCounts).
void BuildStrokePreviews();

// The whole lookup after every change of the strokes: LoadFirstStrokeList, MatchStrokes,
// BuildKeypadPage and BuildStrokePreviews on input.
void RefreshKeypadLookup(const std::string& input);

// Lists the words that begin with character n (dictionary words first, then user-lexicon
// and learned words) as follow-on candidates in a new word pool.
void FindKeypadFollowOnWords(int32 n);

}  // namespace dazi
