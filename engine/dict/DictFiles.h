// The six dictionary streams, opened in the dictionary folder (engine/core/DataLocation.h) at
// start-up and kept open; the engines read them by position.
#pragma once

#include <string>

#include "engine/dict/DictLayout.h"
#include "engine/dict/DictStream.h"

namespace dazi {

struct DictFiles {
  DictStream zc;   // srf_pub.zc: character table, word-list index, reading patterns, word lists
  DictStream py;   // srf_pub.py: spellings and their character lists
  DictStream pys;  // srf_pub.pys: the reading of each character, polyphone records
  DictStream lm;   // srf_pub.lm: stroke codes and first-stroke lists
  DictStream cpy;  // srf_pub.cpy: phrase and initials blocks for whole sentences
  DictStream zy;   // srf_pub.zy: dictionary texts and English glosses

  void CloseAll();
};

// The shared open streams.
extern DictFiles Dict;

// The two GBK bytes of character number n (empty beyond the table).
std::string CharText(int n);

}  // namespace dazi
