// House rules that no compiler enforces by itself: every translation unit of
// the project really is compiled with the strict warning set, and every C++
// source is formatted with the repository's .clang-format.

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

std::string ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// Pulls the "file" and "command" strings out of compile_commands.json. The
// file is written by CMake in a fixed shape, so a scan for the two keys per
// entry is enough; escaped quotes inside commands are kept escaped.
struct CompileEntry {
    std::string file;
    std::string command;
};

std::string JsonStringAfter(const std::string& text, size_t keyPos) {
    size_t colon = text.find(':', keyPos);
    size_t open = text.find('"', colon);
    std::string value;
    for (size_t i = open + 1; i < text.size(); ++i) {
        if (text[i] == '\\' && i + 1 < text.size()) {
            value += text[++i];
            continue;
        }
        if (text[i] == '"')
            break;
        value += text[i];
    }
    return value;
}

std::vector<CompileEntry> ReadCompileCommands(const fs::path& path) {
    const std::string text = ReadFile(path);
    std::vector<CompileEntry> entries;
    size_t pos = 0;
    while ((pos = text.find('{', pos)) != std::string::npos) {
        const size_t end = text.find('}', pos);
        const std::string entry = text.substr(pos, end - pos);
        const size_t command = entry.find("\"command\"");
        const size_t file = entry.find("\"file\"");
        if (command != std::string::npos && file != std::string::npos) {
            entries.push_back({JsonStringAfter(entry, file), JsonStringAfter(entry, command)});
        }
        pos = end;
    }
    return entries;
}

bool IsProjectSource(const std::string& file) {
    const std::string root = fs::path(HLV3_SOURCE_DIR).string() + "/";
    return file.rfind(root, 0) == 0;
}

}  // namespace

TEST(BuildHygiene, EveryProjectTranslationUnitIsCompiledWithWarningsAsErrors) {
    const fs::path commands = fs::path(HLV3_BINARY_DIR) / "compile_commands.json";
    ASSERT_TRUE(fs::exists(commands))
        << commands << " is written by the build (CMAKE_EXPORT_COMPILE_COMMANDS)";
    const std::vector<CompileEntry> entries = ReadCompileCommands(commands);
    int checked = 0;
    for (const CompileEntry& entry : entries) {
        if (!IsProjectSource(entry.file))
            continue;  // generated sources live in the build tree
        ++checked;
        for (const char* flag : {" -Wall", " -Wextra", " -Werror"}) {
            EXPECT_NE(entry.command.find(flag), std::string::npos)
                << entry.file << " is compiled without" << flag;
        }
    }
    // The system, the simulated host, the tools and the tests: far more than a handful.
    EXPECT_GT(checked, 40);
}

TEST(BuildHygiene, SourcesFollowTheRepositoryFormat) {
    if (std::system("clang-format --version > /dev/null 2>&1") != 0) {
        GTEST_SKIP() << "clang-format is not installed";
    }
    const fs::path root(HLV3_SOURCE_DIR);
    std::vector<fs::path> unformatted;
    int checked = 0;
    for (const char* dir :
         {"host", "render", "gl", "context", "shaders", "simhost", "tools", "tests"}) {
        if (!fs::exists(root / dir))
            continue;
        for (const auto& item : fs::recursive_directory_iterator(root / dir)) {
            const fs::path& path = item.path();
            if (path.extension() != ".cpp" && path.extension() != ".h")
                continue;
            ++checked;
            const std::string command =
                "clang-format --dry-run -Werror \"" + path.string() + "\" > /dev/null 2>&1";
            if (std::system(command.c_str()) != 0)
                unformatted.push_back(path);
        }
    }
    EXPECT_GT(checked, 40);
    for (const fs::path& path : unformatted) {
        ADD_FAILURE() << path << " differs from clang-format's output (run clang-format -i)";
    }
}
