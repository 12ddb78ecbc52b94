// Benchmarks on the dictionaries the build generates beside the executables. They are
// linked into a fresh temporary data folder, so the user files a load creates stay out of
// the build, and the folder is removed afterwards.
#pragma once

namespace dazi::bench {

// Loads the dictionaries, calls prepare (may be null) and runs the registered benchmarks.
// Without the dictionaries it says so and returns 0: nothing to measure is not a failure.
int RunOnRealDictionaries(int argc, char** argv, const char* program, void (*prepare)());

}  // namespace dazi::bench
