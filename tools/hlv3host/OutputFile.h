#pragma once

#include <string>

// Output files of the host tool: checked before anything renders, written
// under a temporary name beside their target and renamed when whole, and
// never left half-written by a signal the tool can catch.

// The folder holding `path`: the part before its last '/', "/" for a file
// in the root, "." for a bare name.
std::string FolderOf(const std::string& path);

// Why `path` cannot take an output file; empty when it can. Checks what is
// known before rendering: the file name's length (with room for the
// temporary name), the path's, and a folder standing at the path.
std::string OutputPathProblem(const std::string& path);

// The file a write to `path` replaces: `path`, or, where it is a symbolic
// link, the file the link leads to (which may not exist yet), so that the
// link stays.
std::string WriteTarget(const std::string& path);

// A name for the temporary file beside `target`, unique to this process and
// no longer than the folder allows.
std::string TemporaryName(const std::string& target);

// Renames the whole file `temporary` to `target`, giving it the mode of the
// file it replaces, if any. False with the reason in *error (the temporary
// file is removed).
bool ReplaceWith(const std::string& temporary, const std::string& target, std::string* error);

// SIGINT, SIGTERM and SIGHUP, while a StopSignals lives: the first asks the
// run to stop after the frame in flight (StopRequested) and says so on
// standard error; the second removes the partial file being written, if any,
// and ends the process by the signal's default action. One per process, made
// and destroyed on the main thread; the previous handlers come back after.
class StopSignals {
  public:
    StopSignals();
    ~StopSignals();
    StopSignals(const StopSignals&) = delete;
    StopSignals& operator=(const StopSignals&) = delete;

    static bool StopRequested();

    // The partial file a second signal removes; Clear when it is renamed or
    // removed. Names longer than 4095 bytes are not recorded.
    static void SetPartial(const std::string& path);
    static void ClearPartial();
};
