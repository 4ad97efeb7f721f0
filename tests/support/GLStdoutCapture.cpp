#include "tests/support/GLStdoutCapture.h"

#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <stdexcept>

#if defined(_WIN32)
#include <io.h>
#define dup _dup
#define dup2 _dup2
#define close _close
#define lseek _lseek
#define read _read
#define fileno _fileno
#else
#include <unistd.h>
#endif

std::string CaptureStdout(const std::function<void()>& body) {
    std::fflush(stdout);
    std::cout.flush();
    // Removed by the system when closed.
    std::FILE* const capture = std::tmpfile();
    if (capture == nullptr) {
        throw std::runtime_error("cannot create a capture file");
    }
    const int file = fileno(capture);
    const int saved = dup(fileno(stdout));
    dup2(file, fileno(stdout));
    try {
        body();
    } catch (...) {
        std::fflush(stdout);
        dup2(saved, fileno(stdout));
        close(saved);
        std::fclose(capture);
        throw;
    }
    std::fflush(stdout);
    std::cout.flush();
    dup2(saved, fileno(stdout));
    close(saved);

    std::string text;
    lseek(file, 0, SEEK_SET);
    char chunk[4096];
    for (auto n = read(file, chunk, sizeof(chunk)); n > 0; n = read(file, chunk, sizeof(chunk))) {
        text.append(chunk, static_cast<size_t>(n));
    }
    std::fclose(capture);
    return text;
}
