#pragma once

#include <functional>
#include <string>

// Runs `body` with the process's standard output (file descriptor 1)
// redirected to a temporary file and returns everything written to it,
// through printf, std::cout or write(1, ...). The C stream is flushed before
// and after, so lines still buffered by printf are part of the result. Not
// reentrant; only one capture may run at a time in the process.
std::string CaptureStdout(const std::function<void()>& body);
