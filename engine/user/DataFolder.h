// The data folder holds the dictionaries and the user files. The program makes it the
// current directory at start, so its files are opened there (engine/core/DataLocation.h with
// no folders set).
//
// Without --data it is the user's own folder, $XDG_DATA_HOME/dazi (~/.local/share/dazi),
// outside the build tree, so rebuilding or deleting the build keeps the user's words; the
// dictionaries that lie beside the executable are linked into it.
#pragma once

#include <string>
#include <vector>

namespace dazi {

// The folder given by "--data DIR" (or "--data=DIR") in args, else DefaultDataFolder().
// args excludes the program name.
std::string ChooseDataFolder(const std::vector<std::string>& args);

// $XDG_DATA_HOME/dazi when XDG_DATA_HOME is an absolute path, else $HOME/.local/share/dazi.
std::string DefaultDataFolder();

// Creates folder (with its parents) when missing and provides the files named in files
// (the read-only files the build makes) from source in it: each is a symbolic link to
// source's file, made anew when it points anywhere else; where links cannot be made, a copy,
// copied again when source's file is newer. A name source lacks is skipped (the load reports
// it). False with the reason in *error when the folder cannot be made or a file cannot be
// provided.
bool ProvideDataFolder(const std::string& folder, const std::string& source,
                       const std::vector<std::string>& files, std::string* error);

// Changes into folder; false with the reason in *error when it cannot.
bool EnterDataFolder(const std::string& folder, std::string* error);

// The folder that holds the running executable.
std::string ExecutableFolder();

// The folder of the read-only files the build makes (dictionaries, sentence model, lessons,
// the web panel's page): $DAZI_DICTIONARY_DIR when set; else the executable's own folder when
// it holds the dictionaries, as in a build tree; else the installed folder share/dazi beside
// the executable's bin/ (/usr/bin/dazi reads /usr/share/dazi).
std::string SuppliedFolder();

}  // namespace dazi
