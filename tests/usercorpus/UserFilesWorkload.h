// A data folder with a small dictionary of ten characters and the writers of every user
// file, for the tests that kill a writer mid-way or run two writers at once: learning's save,
// the editor's add and the settings byte. Words are three of the ten characters. What the
// files then hold: ui/usercorpus/UserFilesState.h.
#pragma once

#include <string>
#include <vector>

#include "engine/core/Unit_Data.h"

namespace dazi::testing {

// Writes the dictionary into the current folder and loads it.
void LoadWorkloadDictionary();

// The character numbers of word number n (0-999): three distinct-looking digits of n.
std::vector<int32> WorkloadWord(int n);
// Its GBK text.
std::string WorkloadText(int n);

// Learning saves word n (as a phrase's second completion does). Empty, or the failure.
std::string LearnWorkloadWord(int n);
// The editor adds word n first into the first category, reading the files again as often
// as another writer changed them. True when added.
bool EditorAddsWorkloadWord(int n);

}  // namespace dazi::testing
