// The word editor of the page: the user corpus (srf_pub.dat) as a tree of categories and their
// words, adding and deleting words with the desktop editor's rules (ui/usercorpus).
#pragma once

#include <string>

namespace dazi::web {

// command is "open", "add CATEGORY TEXT" or "delete CATEGORY ENTRY" (numbers from 0). Answers
// {"categories":[{"text","words":[...]},...],"message":"..."}: the tree after the command and
// what the editor says about it (empty when all went well). After a change the caller reloads
// the lexicon (:reload) so that typing offers the words at once.
std::string AnswerWords(const std::string& command);

}  // namespace dazi::web
