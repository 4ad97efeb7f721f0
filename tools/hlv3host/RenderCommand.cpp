// Placeholder commands; the render work replaces this file.
#include <cstdio>

#include "tools/hlv3host/Commands.h"

namespace {
int NotAvailable(const char* command) {
    std::fprintf(stderr, "hlv3host %s: not available yet\n", command);
    return 1;
}
}  // namespace

int RunRender(int, char**) {
    return NotAvailable("render");
}
int RunDemo(int, char**) {
    return NotAvailable("demo");
}
int RunBench(int, char**) {
    return NotAvailable("bench");
}
