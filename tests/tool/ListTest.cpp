// The host tool's list command on the built module: registration data, the
// decoded PiPL and the 57-row parameter table, as text and as JSON.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdio>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "host/Registration.h"
#include "tests/tool/MiniJson.h"
#include "tools/hlv3host/JsonText.h"

namespace {

struct RunResult {
    int status = -1;
    std::string out;
};

RunResult RunTool(const std::string& args) {
    const std::string command = std::string(HLV3_HOSTTOOL_PATH) + " " + args + " 2>/dev/null";
    RunResult result;
    std::FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) {
        ADD_FAILURE() << "cannot run " << command;
        return result;
    }
    char buf[4096];
    std::size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, pipe)) > 0) {
        result.out.append(buf, n);
    }
    const int status = pclose(pipe);
    result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return result;
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    return lines;
}

const std::string kModuleArgs =
    std::string("list --module ") + HLV3_MODULE_PATH + " --pipl " + HLV3_PIPL_PATH;

TEST(ListCommand, TextShowsRegistrationPiPLAndAllParameterRows) {
    const RunResult run = RunTool(kModuleArgs);
    ASSERT_EQ(run.status, 0) << run.out;
    EXPECT_NE(run.out.find("match name    KVHLVGL"), std::string::npos);
    EXPECT_NE(run.out.find("API version   13.25"), std::string::npos);
    EXPECT_NE(run.out.find("12 properties"), std::string::npos);
    EXPECT_NE(run.out.find("eGL2 id 0 length  4  0x08201408"), std::string::npos);

    const std::vector<std::string> lines = Lines(run.out);
    std::size_t header = 0;
    while (header < lines.size() && lines[header].rfind("Parameters (", 0) != 0) {
        ++header;
    }
    ASSERT_LT(header + 1, lines.size());
    EXPECT_EQ(lines[header], "Parameters (57, index 0 is the input layer)");
    const std::vector<std::string> rows(lines.begin() + long(header) + 2, lines.end());
    ASSERT_EQ(rows.size(), 57u);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        EXPECT_EQ(std::stoi(rows[i]), int(i)) << rows[i];
    }
    EXPECT_NE(rows[0].find("(input layer)"), std::string::npos);
    EXPECT_NE(rows[33].find("Reset Transforms"), std::string::npos);
    EXPECT_NE(rows[43].find("Expansion Limit"), std::string::npos);
}

TEST(ListCommand, JsonParsesAndCarriesTheTable) {
    const RunResult run = RunTool(kModuleArgs + " --json");
    ASSERT_EQ(run.status, 0) << run.out;
    minijson::Value doc;
    ASSERT_NO_THROW(doc = minijson::Parse(run.out)) << run.out;

    const minijson::Value& reg = doc["registration"];
    EXPECT_EQ(reg["calls"].number, 1);
    EXPECT_EQ(reg["name"].text, "Halvane 3");
    EXPECT_EQ(reg["match_name"].text, "KVHLVGL");
    EXPECT_EQ(reg["category"].text, "Korvana");
    EXPECT_EQ(reg["entry_point"].text, "EffectMain");
    EXPECT_EQ(reg["kind"].text, "eFKT");
    EXPECT_EQ(reg["api_major"].number, 13);
    EXPECT_EQ(reg["api_minor"].number, 25);
    EXPECT_EQ(reg["reserved_info"].number, 8);

    const minijson::Value& pipl = doc["pipl"];
    EXPECT_EQ(pipl["error"].kind, minijson::Value::kNull);
    ASSERT_EQ(pipl["properties"].items.size(), 12u);
    const char* keys[] = {"kind", "name", "catg", "8664", "ePVR", "eSVR",
                          "eVER", "eINF", "eGLO", "eGL2", "eMNA", "aeFL"};
    for (std::size_t i = 0; i < 12; ++i) {
        EXPECT_EQ(pipl["properties"][i]["key"].text, keys[i]);
    }
    EXPECT_EQ(pipl["properties"][1]["value"].text, "Halvane 3");
    char outFlags[16];  // eGLO: the flags global set-up writes, in hex
    std::snprintf(outFlags, sizeof outFlags, "0x%08X", static_cast<unsigned>(kGlobalOutFlags));
    EXPECT_EQ(pipl["properties"][8]["value"].text, outFlags);
    EXPECT_EQ(doc["error"].kind, minijson::Value::kNull);
    EXPECT_EQ(pipl["properties"][3]["length"].number, 12);

    EXPECT_EQ(doc["params_setup"].number, 0);
    EXPECT_EQ(doc["num_params"].number, 57);
    const minijson::Value& params = doc["parameters"];
    ASSERT_EQ(params.items.size(), 57u);
    for (std::size_t i = 0; i < 57; ++i) {
        EXPECT_EQ(params[i]["index"].number, double(i));
    }
    EXPECT_EQ(params[0]["type"].number, 0);
    EXPECT_EQ(params[3]["name"].text, "HLV v3.0.0");
    EXPECT_EQ(params[15]["choices"].items.size(), 3u);
    EXPECT_EQ(params[15]["choices"][2].text, "Green & Blue");
    EXPECT_EQ(params[18]["default"].number, 0.5);
    EXPECT_EQ(params[42]["disk_id"].number, 27);
    EXPECT_EQ(params[43]["disk_id"].number, 27);
    EXPECT_EQ(params[43]["flags"].number, 514);
    EXPECT_EQ(params[43]["default"].number, 1000);
    EXPECT_EQ(params[2]["ui_flags"].number, 130);
    EXPECT_EQ(params[2]["ui_width"].number, 200);
}

TEST(ListCommand, BadArgumentsAndMissingFilesFail) {
    // Without --module the tool lists the module built beside it.
    EXPECT_EQ(RunTool("list").status, 0);
    EXPECT_EQ(RunTool("list --module").status, 2);
    EXPECT_EQ(RunTool("list --bogus").status, 2);
    // With --json, a bad argument still answers with one document.
    for (const char* command : {"list --bogus --json", "params --json --bogus"}) {
        const RunResult bad = RunTool(command);
        EXPECT_EQ(bad.status, 2) << command;
        EXPECT_EQ(minijson::Parse(bad.out)["error"].text, "unexpected argument '--bogus'")
            << command << ": " << bad.out;
    }
    EXPECT_EQ(RunTool("nosuchcommand").status, 2);
    const RunResult missing = RunTool("list --json --module /nonexistent/HLV3.so");
    EXPECT_EQ(missing.status, 1);
    EXPECT_NE(minijson::Parse(missing.out)["error"].text.find("cannot load the module"),
              std::string::npos)
        << missing.out;
    const RunResult no_pipl =
        RunTool(std::string("list --module ") + HLV3_MODULE_PATH + " --pipl /nonexistent.pipl");
    EXPECT_EQ(no_pipl.status, 1);
    EXPECT_NE(no_pipl.out.find("Parameters (57"), std::string::npos);
}

TEST(ListCommand, DefaultPiPLPathIsBesideTheModule) {
    const std::string module = HLV3_MODULE_PATH;
    const RunResult run = RunTool("list --json --module " + module);
    ASSERT_EQ(run.status, 0);
    const minijson::Value doc = minijson::Parse(run.out);
    EXPECT_EQ(doc["pipl"]["path"].text,
              module.substr(0, module.rfind('/')) + "/generated/HLV3.pipl");
    EXPECT_EQ(doc["pipl"]["count"].number, 12);
    EXPECT_EQ(doc["pipl"]["form"].text, "Windows resource");
}

// Either form of the registration resource decodes and is named.
TEST(ListCommand, PiPLDecodesBothFormsAndNamesEach) {
    const std::string list = std::string("list --module ") + HLV3_MODULE_PATH + " --pipl ";
    const RunResult mac = RunTool(list + HLV3_MAC_RSRC_PATH);
    ASSERT_EQ(mac.status, 0) << mac.out;
    for (const char* line : {"(macOS resource file, 610 bytes, version 0, 13 properties)",
                             "   5  8BIM ma64 id 0 length 11  EffectMain\n",
                             "  11  8BIM eGL2 id 0 length  4  0x08201408\n"}) {
        EXPECT_NE(mac.out.find(line), std::string::npos) << line;
    }
    EXPECT_NE(RunTool(list + HLV3_MODULE_PATH).out.find("neither a Windows PiPL resource nor"),
              std::string::npos);
}

TEST(MiniJson, RejectsMalformedText) {
    EXPECT_THROW(minijson::Parse("{\"a\": 1,}"), std::runtime_error);
    EXPECT_THROW(minijson::Parse("[1 2]"), std::runtime_error);
    EXPECT_THROW(minijson::Parse("{\"a\": 1} x"), std::runtime_error);
    EXPECT_EQ(minijson::Parse("{\"a\": [1, \"b\\n\", null]}")["a"][1].text, "b\n");
    EXPECT_THROW(minijson::Parse("\"caf\xe9\""), std::runtime_error);
    EXPECT_THROW(minijson::Parse("\"\xc0\xaf\""), std::runtime_error);  // overlong '/'
}

// Names in any encoding keep a report valid JSON: a byte outside well-formed
// UTF-8 reads back as the Latin-1 character of that number.
TEST(MiniJson, ReportsEscapeBytesThatAreNotUtf8) {
    const std::pair<std::string, std::string> rows[] = {
        {"caf\xe9.png", "caf\xc3\xa9.png"},                        // Latin-1 e acute
        {"caf\xc3\xa9 \xe2\x82\xac", "caf\xc3\xa9 \xe2\x82\xac"},  // UTF-8 kept
        {"\xc0\xaf\xed\xa0\x80",
         "\xc3\x80\xc2\xaf\xc3\xad\xc2\xa0\xc2\x80"},  // overlong, surrogate
        {"\xe2\x82", "\xc3\xa2\xc2\x82"},              // cut short
    };
    for (const auto& row : rows) {
        EXPECT_EQ(minijson::Parse(JsonString(row.first)).text, row.second) << row.first;
    }
}

}  // namespace
