// The data folder holds the dictionaries and the user files. The program makes it the
// current directory at start, so every file is opened by its bare name in one place.
#pragma once

#include <string>
#include <vector>

namespace dazi {

// The folder given by "--data DIR" (or "--data=DIR") in args, else the folder of the
// running executable. args excludes the program name.
std::string ChooseDataFolder(const std::vector<std::string>& args);

// Changes into folder; false with the reason in *error when it cannot.
bool EnterDataFolder(const std::string& folder, std::string* error);

// The folder that holds the running executable.
std::string ExecutableFolder();

}  // namespace dazi
