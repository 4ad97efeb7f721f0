// The built module as a host sees it: its dynamic symbol table defines the two
// entry points and nothing else, and both resolve through dlopen/dlsym.
#include <gtest/gtest.h>

#include <dlfcn.h>
#include <elf.h>

#include <cstring>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include "host/HostInterface.h"

namespace {

// Names of the defined, globally visible symbols of an ELF64 module's .dynsym.
std::set<std::string> DefinedDynamicSymbols(const std::vector<char>& file) {
    std::set<std::string> names;
    if (file.size() < sizeof(Elf64_Ehdr)) {
        ADD_FAILURE() << "not an ELF file";
        return names;
    }
    Elf64_Ehdr header;
    std::memcpy(&header, file.data(), sizeof header);
    if (std::memcmp(header.e_ident, ELFMAG, SELFMAG) != 0 ||
        header.e_ident[EI_CLASS] != ELFCLASS64) {
        ADD_FAILURE() << "not an ELF64 file";
        return names;
    }
    std::vector<Elf64_Shdr> sections(header.e_shnum);
    for (std::size_t i = 0; i < sections.size(); ++i) {
        std::memcpy(&sections[i], file.data() + header.e_shoff + i * header.e_shentsize,
                    sizeof(Elf64_Shdr));
    }
    for (const Elf64_Shdr& section : sections) {
        if (section.sh_type != SHT_DYNSYM) {
            continue;
        }
        const Elf64_Shdr& strings = sections[section.sh_link];
        for (std::size_t off = 0; off + sizeof(Elf64_Sym) <= section.sh_size;
             off += sizeof(Elf64_Sym)) {
            Elf64_Sym sym;
            std::memcpy(&sym, file.data() + section.sh_offset + off, sizeof sym);
            const int bind = ELF64_ST_BIND(sym.st_info);
            const bool global = bind == STB_GLOBAL || bind == STB_WEAK || bind == STB_GNU_UNIQUE;
            if (sym.st_shndx == SHN_UNDEF || !global ||
                ELF64_ST_VISIBILITY(sym.st_other) != STV_DEFAULT) {
                continue;
            }
            names.insert(file.data() + strings.sh_offset + sym.st_name);
        }
    }
    return names;
}

TEST(Exports, ExactlyTheTwoEntryPoints) {
    std::ifstream in(HLV3_MODULE_PATH, std::ios::binary);
    const std::vector<char> file((std::istreambuf_iterator<char>(in)),
                                 std::istreambuf_iterator<char>());
    ASSERT_FALSE(file.empty()) << HLV3_MODULE_PATH;
    EXPECT_EQ(DefinedDynamicSymbols(file),
              (std::set<std::string>{"EffectMain", "PluginDataEntryFunction"}));
}

TEST(Exports, ResolvedThroughDlopenAndCallable) {
    void* const module = dlopen(HLV3_MODULE_PATH, RTLD_NOW | RTLD_LOCAL);
    ASSERT_NE(module, nullptr) << dlerror();
    EXPECT_NE(dlsym(module, "EffectMain"), nullptr);
    EXPECT_NE(dlsym(module, "PluginDataEntryFunction"), nullptr);
    EXPECT_EQ(dlsym(module, "ParamsSetup"), nullptr);
    EXPECT_EQ(dlsym(module, "AEFX_AcquireSuite"), nullptr);
    EXPECT_EQ(dlsym(module, "globalMutex"), nullptr);

    // An unknown command goes through the module's own dispatch.
    auto* const effect_main =
        reinterpret_cast<PF_Err (*)(PF_Cmd, PF_InData*, PF_OutData*, PF_ParamDef**, PF_LayerDef*,
                                    void*)>(dlsym(module, "EffectMain"));
    ASSERT_NE(effect_main, nullptr);
    EXPECT_EQ(effect_main(PF_Cmd_RESERVED1, nullptr, nullptr, nullptr, nullptr, nullptr),
              PF_Err_NONE);
    dlclose(module);
}

}  // namespace
