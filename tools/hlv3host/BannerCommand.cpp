// Placeholder command; the controls header work replaces this file.
#include <cstdio>

#include "tools/hlv3host/Commands.h"

int RunBanner(int, char**) {
    std::fprintf(stderr, "hlv3host banner: not available yet\n");
    return 1;
}
