#include "tests/support/GLStdoutCapture.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <stdexcept>

std::string CaptureStdout(const std::function<void()>& body) {
    std::fflush(stdout);
    std::cout.flush();
    char path[] = "/tmp/hlv3_stdout_XXXXXX";
    const int file = mkstemp(path);
    if (file < 0) {
        throw std::runtime_error("cannot create a capture file");
    }
    unlink(path);
    const int saved = dup(STDOUT_FILENO);
    dup2(file, STDOUT_FILENO);
    try {
        body();
    } catch (...) {
        std::fflush(stdout);
        dup2(saved, STDOUT_FILENO);
        close(saved);
        close(file);
        throw;
    }
    std::fflush(stdout);
    std::cout.flush();
    dup2(saved, STDOUT_FILENO);
    close(saved);

    std::string text;
    lseek(file, 0, SEEK_SET);
    char chunk[4096];
    for (ssize_t n = read(file, chunk, sizeof(chunk)); n > 0;
         n = read(file, chunk, sizeof(chunk))) {
        text.append(chunk, static_cast<size_t>(n));
    }
    close(file);
    return text;
}
