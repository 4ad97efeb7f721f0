#pragma once

#include <cstring>

// Sub-commands of the host tool. Each receives the arguments after the
// sub-command's name (argv[0] is the sub-command itself), prints its own
// usage on bad arguments, and returns the process exit status.
int RunList(int argc, char** argv);
int RunParams(int argc, char** argv);
int RunRender(int argc, char** argv);
int RunDemo(int argc, char** argv);
int RunBench(int argc, char** argv);
// `bench --threads`: whole frames through the module on several threads.
int RunThreadBench(int argc, char** argv);
// This process's CPU time in ms, all its threads together; what the benches
// measure on a software rasterizer, whose work runs on this process's threads.
double ProcessCpuMs();
int RunBanner(int argc, char** argv);

// Whether "--json" is among the arguments, so that a sub-command can answer
// in JSON even when another argument is bad and parsing stopped early.
inline bool WantsJson(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--json") == 0) {
            return true;
        }
    }
    return false;
}
