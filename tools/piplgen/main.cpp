// Build-time writer of the registration resources: the Windows PiPL resource
// bytes and the macOS resource file.
// Usage: hlv3_piplgen WINDOWS_PIPL_FILE MAC_RSRC_FILE
#include <cstdio>

#include "host/PiPL.h"

namespace {

// Writes the whole file or removes it: a half-written resource must not
// look up to date to the build.
bool WriteFile(const char* path, const std::vector<std::uint8_t>& bytes) {
    std::FILE* file = std::fopen(path, "wb");
    if (!file) {
        std::perror(path);
        return false;
    }
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    if (std::fclose(file) != 0 || !written) {
        std::fprintf(stderr, "%s: could not write the registration resource\n", path);
        std::remove(path);
        return false;
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s WINDOWS_PIPL_FILE MAC_RSRC_FILE\n",
                     argc > 0 ? argv[0] : "hlv3_piplgen");
        return 2;
    }
    return WriteFile(argv[1], BuildPiPL()) && WriteFile(argv[2], BuildMacResourceFile()) ? 0 : 1;
}
