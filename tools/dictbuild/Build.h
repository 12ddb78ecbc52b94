// The whole dictionary build: sources -> model -> the writer's description.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "BuildReport.h"
#include "DictWriter.h"
#include "Sources.h"

namespace dazi::dictbuild {

struct BuildResult {
  dictwriter::DictionarySource source;
  BuildReport report;
  std::string defaultsSource;  // SyllableDefaults.inc text
};

std::string BuildDictionaries(const SourcePaths& paths, BuildResult* result);

}  // namespace dazi::dictbuild
