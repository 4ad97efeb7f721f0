#include "host/PiPL.h"

#include <cstring>

#include "host/Registration.h"

namespace {

static_assert(sizeof(kEffectName) - 1 <= PF_MAX_EFFECT_NAME_LEN, "name fits a counted string");
static_assert(sizeof(kEffectCategory) - 1 <= PF_MAX_EFFECT_NAME_LEN, "category fits");
static_assert(sizeof(kEffectMatchName) - 1 <= PF_MAX_EFFECT_NAME_LEN, "match name fits");

using Bytes = std::vector<std::uint8_t>;

void PutU16(Bytes& out, std::uint16_t value) {
    out.push_back(std::uint8_t(value & 0xFF));
    out.push_back(std::uint8_t(value >> 8));
}

void PutU32(Bytes& out, std::uint32_t value) {
    for (int shift = 0; shift < 32; shift += 8) {
        out.push_back(std::uint8_t((value >> shift) & 0xFF));
    }
}

void PadTo4(Bytes& bytes) {
    while (bytes.size() % 4 != 0) {
        bytes.push_back(0);
    }
}

Bytes U32Data(std::uint32_t value) {
    Bytes data;
    PutU32(data, value);
    return data;
}

Bytes TwoU16Data(std::uint16_t first, std::uint16_t second) {
    Bytes data;
    PutU16(data, first);
    PutU16(data, second);
    return data;
}

// Length byte, characters, zero padding; the stored length counts the padding.
Bytes CountedStringData(const char* text) {
    const std::size_t length = std::strlen(text);
    Bytes data;
    data.push_back(std::uint8_t(length));
    data.insert(data.end(), text, text + length);
    PadTo4(data);
    return data;
}

// Characters and terminator, zero padding; the stored length counts both.
Bytes TerminatedStringData(const char* text) {
    Bytes data(text, text + std::strlen(text) + 1);
    PadTo4(data);
    return data;
}

// Vendor, key, id 0, data length, data; padding after the data is not counted.
void AddProperty(Bytes& out, const char (&key)[5], const Bytes& data) {
    PutU32(out, FourCharCode("8BIM"));
    PutU32(out, FourCharCode(key));
    PutU32(out, 0);
    PutU32(out, std::uint32_t(data.size()));
    const std::size_t start = out.size();
    out.insert(out.end(), data.begin(), data.end());
    while ((out.size() - start) % 4 != 0) {
        out.push_back(0);
    }
}

}  // namespace

std::vector<std::uint8_t> BuildPiPL() {
    constexpr std::uint32_t kPropertyCount = 12;
    Bytes out;
    PutU16(out, 1);
    PutU32(out, 0);  // PiPL version
    PutU32(out, kPropertyCount);

    AddProperty(out, "kind", U32Data(kPluginKind));
    AddProperty(out, "name", CountedStringData(kEffectName));
    AddProperty(out, "catg", CountedStringData(kEffectCategory));
    AddProperty(out, "8664", TerminatedStringData(kEntryPointName));
    AddProperty(out, "ePVR", TwoU16Data(2, 0));
    AddProperty(
        out, "eSVR",
        TwoU16Data(std::uint16_t(kInterfaceVersionMajor), std::uint16_t(kInterfaceVersionMinor)));
    AddProperty(out, "eVER", U32Data(kEffectVersion));
    AddProperty(out, "eINF", Bytes{0, 0});
    AddProperty(out, "eGLO", U32Data(std::uint32_t(kGlobalOutFlags)));
    AddProperty(out, "eGL2", U32Data(std::uint32_t(kGlobalOutFlags2)));
    AddProperty(out, "eMNA", CountedStringData(kEffectMatchName));
    AddProperty(out, "aeFL", U32Data(std::uint32_t(kReservedInfo)));
    return out;
}
