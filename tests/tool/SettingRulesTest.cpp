// The value rules of --set and the sequence file names, on parameter
// definitions written out here as the effect registers them.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "tools/hlv3host/FramePattern.h"
#include "tools/hlv3host/SettingRules.h"

namespace {

PF_ParamDef Def(const char* name, PF_ParamType type) {
    PF_ParamDef def;
    std::memset(&def, 0, sizeof def);
    std::strncpy(def.name, name, sizeof(def.name) - 1);
    def.param_type = type;
    return def;
}

PF_ParamDef Float(const char* name, float lo, float hi, float dephault, bool percent,
                  short precision = 2) {
    PF_ParamDef def = Def(name, PF_Param_FLOAT_SLIDER);
    def.u.fs_d.precision = precision;
    def.u.fs_d.valid_min = lo;
    def.u.fs_d.valid_max = hi;
    def.u.fs_d.dephault = dephault;
    def.u.fs_d.display_flags = percent ? PF_ValueDisplayFlag_PERCENT : 0;
    return def;
}

PF_ParamDef Popup(const char* name, const char* choices, int count, int dephault) {
    PF_ParamDef def = Def(name, PF_Param_POPUP);
    def.u.pd.u.namesptr = choices;
    def.u.pd.num_choices = static_cast<A_short>(count);
    def.u.pd.dephault = static_cast<A_short>(dephault);
    return def;
}

// A cut-down control list: an About group with a read-only GPU popup, the
// user's controls, and a Debug group.
std::vector<PF_ParamDef> Defs() {
    PF_ParamDef aux = Def("Aux Expansion", PF_Param_SLIDER);
    aux.u.sd.valid_min = 0;
    aux.u.sd.valid_max = 5000;
    PF_ParamDef vendor = Popup("Vendor", "Mesa", 1, 1);
    vendor.ui_flags = PF_PUI_DISABLED;
    PF_ParamDef repeat = Def("Repeat Edge Pixels", PF_Param_CHECKBOX);
    repeat.u.bd.dephault = 1;
    return {Def("About", PF_Param_GROUP_START),                              // 1
            vendor,                                                          // 2
            Def("", PF_Param_GROUP_END),                                     // 3
            Popup("Channels", "Red & Blue|Red & Green|Green & Blue", 3, 1),  // 4
            Float("Position", -2000, 2000, 0.5f, false),                     // 5
            Def("Rotation", PF_Param_ANGLE),                                 // 6
            Float("Blur", 0, 1000, 0, false),                                // 7
            Popup("Samples", "Single|(-|Auto|Fixed", 4, 1),                  // 8
            Float("Sample Count", 1, 9999, 10, false, 0),                    // 9
            Float("Sample Multiplier", 0.0001f, 5, 1, false),                // 10
            Float("Scale", -1000, 1000, 100, true),                          // 11
            Def("", PF_Param_BUTTON),                                        // 12
            repeat,                                                          // 13
            aux,                                                             // 14
            Def("Debug", PF_Param_GROUP_START),                              // 15
            Float("Left", -1000, 1000, 0, false),                            // 16
            Def("", PF_Param_GROUP_END)};                                    // 17
}

TEST(SettingRules, ValuesAreTakenAsTheHostTakesThemOrRefusedWithAReason) {
    struct Row {
        const char* setting;
        int index;  // parameter index, 0 when refused
        double number;
        const char* message;  // part of the refusal
    };
    const Row rows[] = {
        {"Position=40", 5, 40, ""},
        {"  position = -2000 ", 5, -2000, ""},
        {"Position=99999", 0, 0,
         "Position=99999 is outside its valid range (a number from -2000 to 2000)"},
        {"Position=far", 0, 0, "'far' is not a valid value for Position"},
        {"Position=nan", 0, 0, "not a valid value for Position"},
        {"Blur=-3", 0, 0, "outside its valid range"},
        {"Sample Count=0", 0, 0, "outside its valid range (a whole number from 1 to 9999)"},
        {"Sample Count=2.5", 0, 0, "'2.5' is not a valid value for Sample Count (a whole number"},
        {"Sample Multiplier=0.0001", 10, 0.0001, ""},
        {"Rotation=-725.5", 6, -725.5, ""},
        {"Rotation=32767", 6, 32767, ""},  // the 16.16 fixed range's ends
        {"Rotation=-32768", 6, -32768, ""},
        {"Rotation=40000", 0, 0, "outside its valid range (a number from -32768 to 32767)"},
        {"Rotation=1e30", 0, 0, "outside its valid range"},
        {"Samples=2", 8, 3, ""},  // the second real choice is Auto, host value 3
        {"Samples=fixed", 8, 4, ""},
        {"SAMPLES=Single", 8, 1, ""},
        {"Samples=(-", 0, 0,
         "'(-' is not a choice of Samples (Single, Auto, Fixed, or their number 1 to 3)"},
        {"Samples=4", 0, 0, "is not a choice of Samples"},
        {"Channels=red & green", 4, 2, ""},
        {"Channels=Purple", 0, 0, "'Purple' is not a choice of Channels"},
        {"Repeat Edge Pixels=OFF", 13, 0, ""},
        {"repeat edge pixels=Yes", 13, 1, ""},
        {"Repeat Edge Pixels=maybe", 0, 0, "(on or off)"},
        {"Aux Expansion=12", 14, 12, ""},
        {"Aux Expansion=2.5", 0, 0, "(a whole number from 0 to 5000)"},
        {"Vendor=1", 0, 0, "Vendor cannot be set"},
        {"Left=3", 0, 0, "Left is a debug control that changes nothing"},
        {"Lft=3", 0, 0, "no parameter is named 'Lft' ('hlv3host params'"},  // nothing suggested
        {"Postion=10", 0, 0, "no parameter is named 'Postion'; did you mean 'Position'?"},
        {"Sample Cuont=3", 0, 0, "did you mean 'Sample Count'"},
        {"Zzzzzzzzzz=1", 0, 0, "no parameter is named 'Zzzzzzzzzz' ('hlv3host params' lists"},
        {"Position", 0, 0, "--set needs NAME=VALUE"},
        {"=3", 0, 0, "no parameter is named ''"},
    };
    const std::vector<PF_ParamDef> defs = Defs();
    for (const Row& row : rows) {
        SettingValue value;
        std::string error;
        const bool ok = ParseSetting(defs, row.setting, &value, &error);
        EXPECT_EQ(ok, row.index != 0) << row.setting << ": " << error;
        if (ok && row.index != 0) {
            EXPECT_EQ(value.index + 1, static_cast<size_t>(row.index)) << row.setting;
            EXPECT_EQ(value.number, row.number) << row.setting;
        } else {
            EXPECT_NE(error.find(row.message), std::string::npos) << row.setting << ": " << error;
        }
    }
}

TEST(SettingRules, StoredValuesUseTheHostsUnits) {
    const std::vector<PF_ParamDef> defs = Defs();
    struct Row {
        const char* setting;
        long long stored;  // the field the host reads, as an integer
    };
    const Row rows[] = {{"Rotation=45", 45 * 65536},  // 16.16 fixed degrees
                        {"Rotation=-0.5", -32768},
                        {"Samples=3", 4},
                        {"Repeat Edge Pixels=off", 0},
                        {"Aux Expansion=7", 7}};
    for (const Row& row : rows) {
        SettingValue value;
        std::string error;
        ASSERT_TRUE(ParseSetting(defs, row.setting, &value, &error)) << error;
        PF_ParamDef current = defs[value.index];
        StoreSetting(value, &current);
        long long stored = 0;
        switch (current.param_type) {
            case PF_Param_ANGLE:
                stored = current.u.ad.value;
                break;
            case PF_Param_POPUP:
                stored = current.u.pd.value;
                break;
            case PF_Param_CHECKBOX:
                stored = current.u.bd.value;
                break;
            default:
                stored = current.u.sd.value;
        }
        EXPECT_EQ(stored, row.stored) << row.setting;
    }
}

TEST(SettingRules, TheListingShowsWhatAUserCanSet) {
    const std::vector<ParamRow> rows = SettableParams(Defs());
    std::vector<std::string> names;
    for (const ParamRow& r : rows) {
        names.push_back(r.name);
    }
    // The read-only Vendor and the Debug group's Left stay out.
    EXPECT_EQ(names, (std::vector<std::string>{"Channels", "Position", "Rotation", "Blur",
                                               "Samples", "Sample Count", "Sample Multiplier",
                                               "Scale", "Repeat Edge Pixels", "Aux Expansion"}));
    EXPECT_EQ(rows[1].range, "-2000 to 2000");
    EXPECT_EQ(rows[1].unit, "px");
    EXPECT_EQ(rows[1].defaultText, "0.5");
    EXPECT_EQ(rows[2].unit, "degrees");
    EXPECT_EQ(rows[4].choices, "Single | Auto | Fixed");
    EXPECT_EQ(rows[4].defaultText, "Single");
    EXPECT_EQ(rows[7].unit, "%");
    EXPECT_EQ(rows[8].defaultText, "on");
    EXPECT_EQ(rows[9].kind, "whole number");
}

TEST(FramePattern, NamesAndRanges) {
    struct Row {
        const char* pattern;
        bool isPattern;
        bool valid;
        int frame;
        const char* name;
    };
    const Row rows[] = {
        {"shot.%04d.png", true, true, 7, "shot.0007.png"},
        {"dir/f%d.exr", true, true, 123, "dir/f123.exr"},
        {"f%02d.png", true, true, 12345, "f12345.png"},
        {"still.png", false, true, 1, "still.png"},
        {"100%.png", false, false, 0, ""},
        {"a%s.png", false, false, 0, ""},
        {"%04d_%04d.png", false, false, 0, ""},
    };
    for (const Row& row : rows) {
        std::string error;
        EXPECT_EQ(IsFramePattern(row.pattern, &error), row.isPattern) << row.pattern;
        EXPECT_EQ(error.empty(), row.valid) << row.pattern << ": " << error;
        if (row.valid) {
            EXPECT_EQ(FrameFileName(row.pattern, row.frame), row.name);
        }
    }
    struct Range {
        const char* text;
        bool ok;
        int first, last;
    };
    const Range ranges[] = {{"1-48", true, 1, 48}, {"5", true, 5, 5},    {"0-0", true, 0, 0},
                            {"-5", false, 0, 0},   {"3-1", false, 0, 0}, {"1-", false, 0, 0},
                            {"a-b", false, 0, 0},  {"1-2x", false, 0, 0}};
    for (const Range& r : ranges) {
        int first = -1, last = -1;
        EXPECT_EQ(ParseFrameRange(r.text, &first, &last), r.ok) << r.text;
        if (r.ok) {
            EXPECT_EQ(first, r.first) << r.text;
            EXPECT_EQ(last, r.last) << r.text;
        }
    }
}

}  // namespace
