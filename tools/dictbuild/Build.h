// The whole dictionary build: sources -> model -> the writer's description.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "tools/dictbuild/BuildReport.h"
#include "tools/dictbuild/ModelBuild.h"
#include "tools/dictbuild/Sources.h"
#include "tools/dictwriter/DictWriter.h"

namespace dazi::dictbuild {

struct BuildResult {
  dictwriter::DictionarySource source;
  BuildReport report;
  std::string defaultsSource;               // SyllableDefaults.inc text
  SentenceModelInputs sentenceModelInputs;  // what the sentence model is built from
};

std::string BuildDictionaries(const SourcePaths& paths, BuildResult* result);

}  // namespace dazi::dictbuild
