// Runs a piece of a test in a forked child process: for code that might hang (a FIFO that
// blocks an open), or that is to be killed at a random moment.
#pragma once

#include <sys/types.h>

#include <chrono>
#include <functional>

namespace dazi::testing {

// Starts body in a child process, which exits with body's result.
pid_t StartChild(const std::function<int()>& body);

// Waits up to limit for the child: its exit status, or -1 when it was ended by a signal or
// ran over the limit (it is then killed).
int WaitForChild(pid_t child, std::chrono::milliseconds limit);

// StartChild and WaitForChild in one.
int RunInChild(const std::function<int()>& body, std::chrono::milliseconds limit);

}  // namespace dazi::testing
