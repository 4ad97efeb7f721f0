// hlv3host: loads the effect module the way the host does and drives it
// through its exported entry points with the simulated host.
#include <cstdio>
#include <cstring>

#include "host/Registration.h"
#include "tools/hlv3host/Commands.h"

namespace {

struct Command {
    const char* name;
    int (*run)(int, char**);
    const char* summary;
};

// A build without the image libraries (the Windows one) only lists.
constexpr Command kCommands[] = {
    {"list", RunList, "registration data, PiPL and parameter table of a module"},
#if !HLV3_HOSTTOOL_LIST_ONLY
    {"params", RunParams, "the parameters render --set takes, with ranges and units"},
    {"render", RunRender, "render a frame or a sequence through the module"},
    {"demo", RunDemo, "render the demonstration frames"},
    {"bench", RunBench, "measure render times"},
    {"banner", RunBanner, "draw the controls header into an image"},
#endif
};

void PrintUsage(std::FILE* to) {
    std::fprintf(to, "usage: hlv3host COMMAND [ARGS...]\n\ncommands:\n");
    for (const Command& command : kCommands) {
        std::fprintf(to, "  %-8s %s\n", command.name, command.summary);
    }
    std::fprintf(to,
                 "\nrun 'hlv3host COMMAND --help' for a command's arguments, "
                 "'hlv3host --version' for the version\n");
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        PrintUsage(stderr);
        return 2;
    }
    if (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0 ||
        std::strcmp(argv[1], "help") == 0) {
        PrintUsage(stdout);
        return 0;
    }
    if (std::strcmp(argv[1], "--version") == 0) {
        std::printf("hlv3host %lu.%lu.%lu (Halvane 3 host tool)\n",
                    static_cast<unsigned long>(kVersionMajor),
                    static_cast<unsigned long>(kVersionMinor),
                    static_cast<unsigned long>(kVersionPatch));
        return 0;
    }
    for (const Command& command : kCommands) {
        if (std::strcmp(argv[1], command.name) == 0) {
            return command.run(argc - 1, argv + 1);
        }
    }
    std::fprintf(stderr, "hlv3host: unknown command '%s'\n\n", argv[1]);
    PrintUsage(stderr);
    return 2;
}
