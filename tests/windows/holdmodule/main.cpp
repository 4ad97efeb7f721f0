// hlv3_holdmodule MODULE: loads MODULE as the host does and keeps it loaded
// until its standard input ends, so the installer tests can meet a module in
// use. Prints "loaded" once the module is mapped; exit status 1 when it
// cannot be loaded.
#include <windows.h>

#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: hlv3_holdmodule MODULE\n");
        return 2;
    }
    const HMODULE module = LoadLibraryA(argv[1]);
    if (module == nullptr) {
        std::fprintf(stderr, "hlv3_holdmodule: cannot load %s (error %lu)\n", argv[1],
                     GetLastError());
        return 1;
    }
    std::printf("loaded\n");
    std::fflush(stdout);
    while (std::getchar() != EOF) {
    }
    FreeLibrary(module);
    return 0;
}
