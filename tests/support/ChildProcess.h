// Runs a program of the build as a child process, standard input empty, and catches what it
// writes.
#pragma once

#include <string>
#include <vector>

#include "tests/support/TempDataFolder.h"

namespace dazi::testing {

struct Outcome {
  int status = -1;  // the exit status; -1 when the program could not run or did not exit
  std::string out, err;
};

// Runs program with args; its output goes through files in scratch.
Outcome RunProgram(const std::string& program, const std::vector<std::string>& args,
                   const TempDataFolder& scratch);

// The whole content of a file, empty when it cannot be read.
std::string ReadFile(const std::string& path);

}  // namespace dazi::testing
