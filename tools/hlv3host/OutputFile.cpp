#include "tools/hlv3host/OutputFile.h"

#include <limits.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>

std::string FolderOf(const std::string& path) {
    const size_t slash = path.rfind('/');
    return slash == std::string::npos ? "." : (slash == 0 ? "/" : path.substr(0, slash));
}

namespace {

std::string NameOf(const std::string& path) {
    const size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

size_t NameMax(const std::string& folder) {
    const long max = pathconf(folder.c_str(), _PC_NAME_MAX);
    return max > 0 ? static_cast<size_t>(max) : 255;
}

const std::string& PartialSuffix() {
    static const std::string suffix = ".partial-" + std::to_string(getpid());
    return suffix;
}

// What the signal handlers share with the main thread; only sig_atomic_t
// flags and a buffer that is written while `partialSet` is 0.
volatile std::sig_atomic_t gStops = 0;
volatile std::sig_atomic_t gPartialSet = 0;
char gPartial[4096];

constexpr int kSignals[] = {SIGINT, SIGTERM, SIGHUP};
struct sigaction gPrevious[3];

void OnStop(int signal) {
    if (gStops++ == 0) {
        static const char kSaid[] =
            "\nhlv3host: stopping after the frame in flight (a second signal stops at once)\n";
        const ssize_t ignored = write(2, kSaid, sizeof(kSaid) - 1);
        (void)ignored;
        return;
    }
    if (gPartialSet) {
        unlink(gPartial);
    }
    std::signal(signal, SIG_DFL);
    std::raise(signal);
}

}  // namespace

std::string OutputPathProblem(const std::string& path) {
    const std::string folder = FolderOf(path), name = NameOf(path);
    struct stat st;
    if (stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode)) {
        return path + ": is a folder";
    }
    const size_t max = NameMax(folder);
    if (name.size() > max) {
        return path + ": the file name is " + std::to_string(name.size()) +
               " bytes long; this folder takes at most " + std::to_string(max);
    }
    if (path.size() + PartialSuffix().size() >= PATH_MAX) {
        return path + ": the path is longer than " + std::to_string(PATH_MAX - 64) + " bytes";
    }
    return "";
}

std::string WriteTarget(const std::string& path) {
    std::string target = path;
    // A bounded number of links, as the system follows them.
    for (int hops = 0; hops < 40; ++hops) {
        struct stat st;
        if (lstat(target.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) {
            return target;
        }
        char link[PATH_MAX];
        const ssize_t n = readlink(target.c_str(), link, sizeof(link) - 1);
        if (n <= 0) {
            return target;
        }
        const std::string to(link, static_cast<size_t>(n));
        target = to[0] == '/' ? to : FolderOf(target) + "/" + to;
    }
    return target;
}

std::string TemporaryName(const std::string& target) {
    const std::string folder = FolderOf(target);
    const std::string& suffix = PartialSuffix();
    const size_t keep = NameMax(folder) - suffix.size();
    std::string name = NameOf(target);
    if (name.size() > keep) {
        name.resize(keep);
    }
    return (target.find('/') == std::string::npos ? "" : folder + "/") + name + suffix;
}

bool ReplaceWith(const std::string& temporary, const std::string& target, std::string* error) {
    struct stat st;
    if (stat(target.c_str(), &st) == 0 && S_ISREG(st.st_mode)) {
        chmod(temporary.c_str(), st.st_mode & 07777);
    }
    if (std::rename(temporary.c_str(), target.c_str()) != 0) {
        *error = target + ": " + std::strerror(errno);
        std::remove(temporary.c_str());
        return false;
    }
    return true;
}

StopSignals::StopSignals() {
    gStops = 0;
    struct sigaction action = {};
    action.sa_handler = OnStop;
    action.sa_flags = SA_RESTART;
    sigemptyset(&action.sa_mask);
    for (const int s : kSignals) {
        sigaddset(&action.sa_mask, s);
    }
    for (size_t i = 0; i < 3; ++i) {
        sigaction(kSignals[i], &action, &gPrevious[i]);
    }
}

StopSignals::~StopSignals() {
    for (size_t i = 0; i < 3; ++i) {
        sigaction(kSignals[i], &gPrevious[i], nullptr);
    }
}

bool StopSignals::StopRequested() {
    return gStops != 0;
}

void StopSignals::SetPartial(const std::string& path) {
    gPartialSet = 0;
    if (path.size() < sizeof(gPartial)) {
        std::memcpy(gPartial, path.c_str(), path.size() + 1);
        gPartialSet = 1;
    }
}

void StopSignals::ClearPartial() {
    gPartialSet = 0;
}
