#include <cstdio>

#include "tools/hlv3host/Commands.h"

int RunList(int, char**) {
    std::fprintf(stderr, "hlv3host list: not available yet\n");
    return 1;
}
