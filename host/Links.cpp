#include "host/Links.h"

#include <atomic>
#include <cerrno>
#include <cstdlib>
#include <cstring>

#include "host/Params.h"

#if defined(_WIN32)
#include <windows.h>
#include <shellapi.h>
#elif !defined(__APPLE__)
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace {

struct LinkEntry {
    Link link;
    int paramIndex;
    const char* address;
};

constexpr LinkEntry kLinks[] = {
    {Link::ProductPage, PARAM_PRODUCT_PAGE, "https://korvana.example/halvane3"},
    {Link::MorePlugins, PARAM_MORE_PLUGINS, "https://korvana.example/free-plugins"},
    {Link::GetSupport, PARAM_GET_SUPPORT, "https://korvana.example/support"},
};

// Null means the operating system's opener. Replaced only by
// ReplaceLinkOpenerForTesting.
std::atomic<LinkOpener> g_testOpener{nullptr};

bool IsShellSafeChar(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' ||
           c == '.' || c == '_' || c == '~' || c == ':' || c == '/';
}

#if !defined(_WIN32) && !defined(__APPLE__)
// Full path of xdg-open found through PATH, looked up before forking so that
// the child only calls async-signal-safe functions. Empty when not installed.
std::string FindXdgOpen() {
    const char* path = std::getenv("PATH");
    std::string dirs = path != nullptr && *path != '\0' ? path : "/usr/local/bin:/usr/bin:/bin";
    std::size_t start = 0;
    while (start <= dirs.size()) {
        const std::size_t end = dirs.find(':', start);
        const std::string dir =
            dirs.substr(start, end == std::string::npos ? std::string::npos : end - start);
        if (!dir.empty()) {
            const std::string candidate = dir + "/xdg-open";
            struct stat st {};
            if (stat(candidate.c_str(), &st) == 0 && S_ISREG(st.st_mode) &&
                access(candidate.c_str(), X_OK) == 0) {
                return candidate;
            }
        }
        if (end == std::string::npos) {
            break;
        }
        start = end + 1;
    }
    return {};
}

// Starts xdg-open without a shell and without waiting for the browser: a child
// forks the grandchild that runs xdg-open and exits at once, so the host never
// keeps a zombie and never blocks on the browser.
int SpawnXdgOpen(const char* address) {
    const std::string program = FindXdgOpen();
    if (program.empty()) {
        return 1;
    }
    char* const argv[] = {const_cast<char*>("xdg-open"), const_cast<char*>(address), nullptr};
    const pid_t child = fork();
    if (child < 0) {
        return 1;
    }
    if (child == 0) {
        const pid_t grandchild = fork();
        if (grandchild == 0) {
            execv(program.c_str(), argv);
            _exit(127);
        }
        _exit(grandchild < 0 ? 1 : 0);
    }
    int status = 0;
    while (waitpid(child, &status, 0) < 0) {
        if (errno != EINTR) {
            return 1;
        }
    }
    return WIFEXITED(status) && WEXITSTATUS(status) == 0 ? 0 : 1;
}
#endif

}  // namespace

const char* LinkAddress(Link link) {
    for (const LinkEntry& e : kLinks) {
        if (e.link == link) {
            return e.address;
        }
    }
    return kLinks[0].address;
}

bool LinkForParam(int paramIndex, Link* link) {
    for (const LinkEntry& e : kLinks) {
        if (e.paramIndex == paramIndex) {
            *link = e.link;
            return true;
        }
    }
    return false;
}

bool IsKnownLinkAddress(const char* address) {
    if (address == nullptr) {
        return false;
    }
    for (const LinkEntry& e : kLinks) {
        if (std::strcmp(e.address, address) == 0) {
            return true;
        }
    }
    return false;
}

bool IsShellSafeLinkAddress(const char* address) {
    static const char kScheme[] = "https://";
    if (address == nullptr || std::strncmp(address, kScheme, sizeof kScheme - 1) != 0 ||
        address[sizeof kScheme - 1] == '\0') {
        return false;
    }
    for (const char* c = address; *c != '\0'; ++c) {
        if (!IsShellSafeChar(*c)) {
            return false;
        }
    }
    return true;
}

std::string OpenCommandFor(const char* address) {
    if (!IsKnownLinkAddress(address) || !IsShellSafeLinkAddress(address)) {
        return {};
    }
    return std::string("open ") + address;
}

int OpenLinkWithSystem(const char* address) {
    if (!IsKnownLinkAddress(address) || !IsShellSafeLinkAddress(address)) {
        return 1;
    }
#if defined(_WIN32)
    // ShellExecuteA reports success with a value above 32.
    const HINSTANCE result =
        ShellExecuteA(nullptr, "open", address, nullptr, nullptr, SW_SHOWNORMAL);
    return reinterpret_cast<INT_PTR>(result) > 32 ? 0 : 1;
#elif defined(__APPLE__)
    try {
        const std::string command = OpenCommandFor(address);
        return command.empty() ? 1 : (std::system(command.c_str()) == 0 ? 0 : 1);
    } catch (...) {
        return 1;
    }
#else
    try {
        return SpawnXdgOpen(address);
    } catch (...) {
        return 1;
    }
#endif
}

int OpenLink(Link link) {
    const LinkOpener opener = g_testOpener.load();
    return opener != nullptr ? opener(LinkAddress(link)) : OpenLinkWithSystem(LinkAddress(link));
}

LinkOpener ReplaceLinkOpenerForTesting(LinkOpener opener) {
    return g_testOpener.exchange(opener);
}
