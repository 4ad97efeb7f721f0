#include "tools/pecheck/PEFile.h"

#include <fstream>
#include <iterator>

namespace {

constexpr int kExportDirectory = 0;
constexpr int kImportDirectory = 1;
constexpr int kResourceDirectory = 2;
constexpr int kMaxResourceDepth = 3;  // type, name, language

struct Section {
    uint32_t virtualAddress;
    uint32_t virtualSize;
    uint32_t rawOffset;
    uint32_t rawSize;
};

// Bounds-checked little-endian reads over the whole file.
struct Reader {
    const std::vector<uint8_t>& bytes;

    bool Has(uint64_t offset, uint64_t size) const {
        return offset <= bytes.size() && size <= bytes.size() - offset;
    }
    uint32_t U(uint64_t offset, int size) const {
        uint32_t value = 0;
        for (int i = size - 1; i >= 0; --i) {
            value = (value << 8) | bytes[offset + static_cast<uint64_t>(i)];
        }
        return value;
    }
};

struct Image {
    Reader reader;
    std::vector<Section> sections;

    // File offset of `size` bytes at `rva`, or false when they are not all
    // inside one section's raw data.
    bool Offset(uint32_t rva, uint32_t size, uint64_t* offset) const {
        for (const Section& s : sections) {
            const uint64_t extent = s.virtualSize > s.rawSize ? s.rawSize : s.virtualSize;
            if (rva >= s.virtualAddress && rva - s.virtualAddress < extent &&
                size <= extent - (rva - s.virtualAddress)) {
                *offset = s.rawOffset + static_cast<uint64_t>(rva - s.virtualAddress);
                return reader.Has(*offset, size);
            }
        }
        return false;
    }
    bool U32(uint32_t rva, uint32_t* value) const {
        uint64_t at = 0;
        if (!Offset(rva, 4, &at)) {
            return false;
        }
        *value = reader.U(at, 4);
        return true;
    }
    // A NUL-terminated ASCII string at `rva`, at most 4096 bytes.
    bool String(uint32_t rva, std::string* text) const {
        text->clear();
        for (uint32_t i = 0; i < 4096; ++i) {
            uint64_t at = 0;
            if (!Offset(rva + i, 1, &at)) {
                return false;
            }
            const char c = static_cast<char>(reader.bytes[at]);
            if (c == '\0') {
                return true;
            }
            text->push_back(c);
        }
        return false;
    }
};

bool ReadExports(const Image& image, uint32_t rva, PEImage* out, std::string* error) {
    uint32_t count = 0;
    uint32_t names = 0;
    if (!image.U32(rva + 24, &count) || !image.U32(rva + 32, &names)) {
        *error = "export directory outside the file";
        return false;
    }
    for (uint32_t i = 0; i < count; ++i) {
        uint32_t nameRva = 0;
        std::string name;
        if (!image.U32(names + 4 * i, &nameRva) || !image.String(nameRva, &name)) {
            *error = "export name outside the file";
            return false;
        }
        out->exports.push_back(name);
    }
    return true;
}

bool ReadImports(const Image& image, uint32_t rva, PEImage* out, std::string* error) {
    for (uint32_t at = rva;; at += 20) {
        uint32_t thunks = 0;
        uint32_t nameRva = 0;
        if (!image.U32(at, &thunks) || !image.U32(at + 12, &nameRva)) {
            *error = "import directory outside the file";
            return false;
        }
        if (thunks == 0 && nameRva == 0) {
            return true;
        }
        std::string name;
        if (!image.String(nameRva, &name)) {
            *error = "imported DLL name outside the file";
            return false;
        }
        out->importedDlls.push_back(name);
    }
}

struct ResourceWalk {
    const Image& image;
    uint32_t base;  // RVA of the resource section's root directory
    PEImage* out;
    std::string* error;

    bool Key(uint32_t word, PEResourceKey* key) const {
        if ((word & 0x80000000u) == 0) {
            key->id = word;
            return true;
        }
        uint64_t at = 0;
        const uint32_t rva = base + (word & 0x7fffffffu);
        if (!image.Offset(rva, 2, &at)) {
            return false;
        }
        const uint32_t length = image.reader.U(at, 2);
        if (!image.Offset(rva + 2, 2 * length, &at)) {
            return false;
        }
        for (uint32_t i = 0; i < length; ++i) {
            const uint32_t unit = image.reader.U(at + 2 * i, 2);
            key->text.push_back(unit < 0x80 ? static_cast<char>(unit) : '?');
        }
        return true;
    }

    bool Directory(uint32_t offset, int depth, PEResource path) const {
        uint64_t at = 0;
        if (depth >= kMaxResourceDepth || !image.Offset(base + offset, 16, &at)) {
            *error = "resource directory damaged";
            return false;
        }
        const uint32_t entries = image.reader.U(at + 12, 2) + image.reader.U(at + 14, 2);
        for (uint32_t i = 0; i < entries; ++i) {
            uint64_t entry = 0;
            if (!image.Offset(base + offset + 16 + 8 * i, 8, &entry)) {
                *error = "resource entry outside the file";
                return false;
            }
            const uint32_t nameWord = image.reader.U(entry, 4);
            const uint32_t target = image.reader.U(entry + 4, 4);
            PEResource next = path;
            PEResourceKey key;
            if (!Key(nameWord, &key)) {
                *error = "resource name outside the file";
                return false;
            }
            if (depth == 0) {
                next.type = key;
            } else if (depth == 1) {
                next.name = key;
            } else {
                next.language = key.id;
            }
            const bool ok = (target & 0x80000000u) != 0
                                ? Directory(target & 0x7fffffffu, depth + 1, next)
                                : Leaf(target, depth, next);
            if (!ok) {
                return false;
            }
        }
        return true;
    }

    bool Leaf(uint32_t offset, int depth, PEResource resource) const {
        uint64_t at = 0;
        if (depth != kMaxResourceDepth - 1 || !image.Offset(base + offset, 16, &at)) {
            *error = "resource data entry damaged";
            return false;
        }
        const uint32_t dataRva = image.reader.U(at, 4);
        const uint32_t size = image.reader.U(at + 4, 4);
        uint64_t data = 0;
        if (!image.Offset(dataRva, size, &data)) {
            *error = "resource data outside the file";
            return false;
        }
        resource.data.assign(image.reader.bytes.begin() + static_cast<std::ptrdiff_t>(data),
                             image.reader.bytes.begin() + static_cast<std::ptrdiff_t>(data + size));
        out->resources.push_back(std::move(resource));
        return true;
    }
};

}  // namespace

bool ParsePEImage(const std::vector<uint8_t>& bytes, PEImage* out, std::string* error) {
    *out = PEImage{};
    const Reader reader{bytes};
    if (!reader.Has(0, 64) || reader.U(0, 2) != 0x5a4d) {
        *error = "not an MZ executable";
        return false;
    }
    const uint64_t pe = reader.U(0x3c, 4);
    if (!reader.Has(pe, 24) || reader.U(pe, 4) != 0x4550) {
        *error = "no PE signature";
        return false;
    }
    out->machine = static_cast<uint16_t>(reader.U(pe + 4, 2));
    const uint32_t sectionCount = reader.U(pe + 6, 2);
    const uint32_t optionalSize = reader.U(pe + 20, 2);
    out->isDll = (reader.U(pe + 22, 2) & 0x2000) != 0;
    const uint64_t optional = pe + 24;
    if (!reader.Has(optional, optionalSize) || optionalSize < 112 ||
        reader.U(optional, 2) != 0x20b) {
        *error = "not a PE32+ (64-bit) image";
        return false;
    }
    const uint32_t directoryCount = reader.U(optional + 108, 4);
    Image image{reader, {}};
    const uint64_t sectionTable = optional + optionalSize;
    if (!reader.Has(sectionTable, 40ull * sectionCount)) {
        *error = "section table outside the file";
        return false;
    }
    for (uint32_t i = 0; i < sectionCount; ++i) {
        const uint64_t s = sectionTable + 40ull * i;
        image.sections.push_back(
            {reader.U(s + 12, 4), reader.U(s + 8, 4), reader.U(s + 20, 4), reader.U(s + 16, 4)});
    }
    auto directory = [&](int index) -> uint32_t {
        const uint64_t at = optional + 112 + 8ull * static_cast<uint64_t>(index);
        if (static_cast<uint32_t>(index) >= directoryCount || !reader.Has(at, 8) ||
            at + 8 > optional + optionalSize) {
            return 0;
        }
        return reader.U(at + 4, 4) != 0 ? reader.U(at, 4) : 0;
    };
    if (const uint32_t rva = directory(kExportDirectory);
        rva && !ReadExports(image, rva, out, error)) {
        return false;
    }
    if (const uint32_t rva = directory(kImportDirectory);
        rva && !ReadImports(image, rva, out, error)) {
        return false;
    }
    if (const uint32_t rva = directory(kResourceDirectory); rva) {
        const ResourceWalk walk{image, rva, out, error};
        if (!walk.Directory(0, 0, PEResource{})) {
            return false;
        }
    }
    return true;
}

bool ReadPEFile(const std::string& path, PEImage* image, std::string* error) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        *error = "cannot open " + path;
        return false;
    }
    const std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)),
                                     std::istreambuf_iterator<char>());
    if (!ParsePEImage(bytes, image, error)) {
        *error = path + ": " + *error;
        return false;
    }
    return true;
}

std::string PEResourceKeyText(const PEResourceKey& key) {
    return key.text.empty() ? "#" + std::to_string(key.id) : key.text;
}
