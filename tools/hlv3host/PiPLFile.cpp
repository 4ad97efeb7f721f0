#include "tools/hlv3host/PiPLFile.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>

namespace {

using Bytes = std::vector<std::uint8_t>;

// The file's bytes in the byte order of its form: Windows little-endian,
// macOS big-endian. Callers check bounds before reading.
struct Reader {
    const Bytes& b;
    bool big_endian;
};

std::uint32_t U16(const Reader& r, std::size_t at) {
    return r.big_endian ? std::uint32_t(r.b[at]) << 8 | r.b[at + 1]
                        : std::uint32_t(r.b[at + 1]) << 8 | r.b[at];
}

std::uint32_t U32(const Reader& r, std::size_t at) {
    return r.big_endian ? U16(r, at) << 16 | U16(r, at + 2) : U16(r, at + 2) << 16 | U16(r, at);
}

std::string DecodeValue(const std::string& key, const Reader& r, std::size_t at,
                        std::uint32_t length) {
    const Bytes& b = r.b;
    if (key == "name" || key == "catg" || key == "eMNA" || key == "mi64" || key == "ma64") {
        if (length == 0)
            return "";
        const std::size_t n = std::min<std::size_t>(b[at], length - 1);
        return std::string(reinterpret_cast<const char*>(&b[at + 1]), n);
    }
    if (key == "8664") {
        const char* text = reinterpret_cast<const char*>(&b[at]);
        return std::string(text, strnlen(text, length));
    }
    if (key == "kind" && length >= 4)
        return FourChars(U32(r, at));
    if ((key == "ePVR" || key == "eSVR") && length >= 4) {
        return std::to_string(U16(r, at)) + "." + std::to_string(U16(r, at + 2));
    }
    if (key == "eVER" && length >= 4) {
        const std::uint32_t v = U32(r, at);
        return Hex(v) + " (" + std::to_string(((v >> 19) & 7) + (((v >> 26) & 0xF) << 3)) + "." +
               std::to_string((v >> 15) & 0xF) + "." + std::to_string((v >> 11) & 0xF) + " stage " +
               std::to_string((v >> 9) & 3) + " build " + std::to_string(v & 0x1FF) + ")";
    }
    if (key == "eINF" && length >= 2)
        return std::to_string(U16(r, at));
    if ((key == "eGLO" || key == "eGL2") && length >= 4)
        return Hex(U32(r, at));
    if (length == 4)
        return std::to_string(U32(r, at));
    std::string hex;
    for (std::uint32_t i = 0; i < length; ++i) {
        char buf[4];
        std::snprintf(buf, sizeof buf, "%02x", b[at + i]);
        hex += buf;
    }
    return hex;
}

// The PiPL itself, from `at` to `end`: version, count, properties (each
// padded to a multiple of 4 after its data).
void DecodeProperties(const Reader& r, std::size_t at, std::size_t end, PiPL& pipl) {
    if (at + 8 > end) {
        pipl.error = "no PiPL header";
        return;
    }
    pipl.version = U32(r, at);
    pipl.count = U32(r, at + 4);
    at += 8;
    for (std::uint32_t i = 0; i < pipl.count; ++i) {
        if (at + 16 > end) {
            pipl.error = "property " + std::to_string(i + 1) + " runs past the end";
            return;
        }
        PiPLProperty p;
        p.vendor = FourChars(U32(r, at));
        p.key = FourChars(U32(r, at + 4));
        p.id = U32(r, at + 8);
        p.length = U32(r, at + 12);
        if (std::size_t(p.length) > end - at - 16) {
            pipl.error = "property " + p.key + " runs past the end";
            return;
        }
        p.value = DecodeValue(p.key, r, at + 16, p.length);
        pipl.properties.push_back(p);
        at += std::min(end - at, 16 + (std::size_t(p.length) + 3) / 4 * 4);
    }
    if (at != end) {
        pipl.error = std::to_string(end - at) + " bytes after the last property";
    }
}

// A resource file as `Rez -useDF` writes it: header (data offset, map offset,
// data length, map length), the data, the map with its type list and
// reference lists. Finds the resource 'PiPL' 16000 and decodes it.
void DecodeResourceFile(const Reader& r, PiPL& pipl) {
    const std::size_t size = r.b.size();
    const std::size_t data = U32(r, 0), map = U32(r, 4);
    const std::size_t data_length = U32(r, 8), map_length = U32(r, 12);
    if (data + data_length > map || map + map_length != size || map_length < 30) {
        pipl.error = "resource file header does not match its size";
        return;
    }
    const std::size_t types = map + U16(r, map + 24);
    if (types + 2 > size) {
        pipl.error = "type list outside the file";
        return;
    }
    const std::uint32_t type_count = U16(r, types) + 1;
    for (std::uint32_t t = 0; t < type_count && types + 2 + 8 * (t + 1) <= size; ++t) {
        const std::size_t type = types + 2 + 8 * t;
        if (FourChars(U32(r, type)) != "PiPL")
            continue;
        const std::uint32_t refs = U16(r, type + 4) + 1;
        for (std::uint32_t i = 0; i < refs; ++i) {
            const std::size_t ref = types + U16(r, type + 6) + 12 * i;
            if (ref + 12 > size) {
                break;
            }
            if (U16(r, ref) != 16000)
                continue;
            const std::size_t at = data + (U32(r, ref + 4) & 0xFFFFFF);
            if (at + 4 > map || U32(r, at) > map - at - 4) {
                pipl.error = "PiPL 16000 lies outside the data";
                return;
            }
            DecodeProperties(r, at + 4, at + 4 + U32(r, at), pipl);
            return;
        }
    }
    pipl.error = "resource file holds no PiPL 16000";
}

}  // namespace

std::string Hex(std::uint32_t value) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "0x%08X", value);
    return buf;
}

std::string FourChars(std::uint32_t code) {
    std::string s;
    for (int shift = 24; shift >= 0; shift -= 8) {
        const char c = char((code >> shift) & 0xFF);
        s += (c >= 0x20 && c < 0x7F) ? c : '?';
    }
    return s;
}

PiPL ReadPiPL(const std::string& path) {
    PiPL pipl;
    pipl.path = path;
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        pipl.error = "cannot read " + path;
        return pipl;
    }
    const Bytes b((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    pipl.size = b.size();
    const Reader mac{b, true};
    // A resource file's data starts at 256; a Windows PiPL starts with a 16-bit 1.
    if (b.size() >= 256 && U32(mac, 0) == 256) {
        pipl.form = "macOS resource file";
        DecodeResourceFile(mac, pipl);
    } else if (b.size() >= 2 && b[0] == 1 && b[1] == 0) {
        pipl.form = "Windows resource";
        DecodeProperties(Reader{b, false}, 2, b.size(), pipl);
    } else {
        pipl.error = "neither a Windows PiPL resource nor a macOS resource file";
    }
    return pipl;
}
