// Build-time writer of the Windows PiPL resource bytes.
// Usage: hlv3_piplgen OUTPUT_FILE
#include <cstdio>

#include "host/PiPL.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT_FILE\n", argc > 0 ? argv[0] : "hlv3_piplgen");
        return 2;
    }
    const std::vector<std::uint8_t> bytes = BuildPiPL();
    std::FILE* file = std::fopen(argv[1], "wb");
    if (!file) {
        std::perror(argv[1]);
        return 1;
    }
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    if (std::fclose(file) != 0 || !written) {
        std::fprintf(stderr, "%s: could not write the PiPL resource\n", argv[1]);
        std::remove(argv[1]);
        return 1;
    }
    return 0;
}
