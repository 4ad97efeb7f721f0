#include "host/PiPL.h"

#include <cstring>

#include "host/Registration.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

// How the two platforms store the same properties.
struct Form {
    bool big_endian;   // four-character codes too: Windows stores them reversed
    bool leading_one;  // Windows starts with a 16-bit 1 before the version
    // Windows counts a counted string's zero padding in its data length; the
    // macOS resource counts the length byte and the characters only.
    bool length_counts_padding;
};

constexpr Form kWindowsForm{false, true, true};
constexpr Form kMacForm{true, false, false};

void PutU16(Bytes& out, const Form& form, std::uint32_t value) {
    const std::uint8_t low = std::uint8_t(value & 0xFF);
    const std::uint8_t high = std::uint8_t((value >> 8) & 0xFF);
    out.push_back(form.big_endian ? high : low);
    out.push_back(form.big_endian ? low : high);
}

void PutU32(Bytes& out, const Form& form, std::uint32_t value) {
    PutU16(out, form, form.big_endian ? value >> 16 : value & 0xFFFF);
    PutU16(out, form, form.big_endian ? value & 0xFFFF : value >> 16);
}

void PadTo4(Bytes& bytes) {
    while (bytes.size() % 4 != 0) {
        bytes.push_back(0);
    }
}

Bytes U32Data(const Form& form, std::uint32_t value) {
    Bytes data;
    PutU32(data, form, value);
    return data;
}

Bytes TwoU16Data(const Form& form, std::int32_t first, std::int32_t second) {
    Bytes data;
    PutU16(data, form, std::uint32_t(first));
    PutU16(data, form, std::uint32_t(second));
    return data;
}

// Length byte and characters, padded where the form counts the padding.
Bytes CountedStringData(const Form& form, const char* text) {
    const std::size_t length = std::strlen(text);
    Bytes data;
    data.push_back(std::uint8_t(length));
    data.insert(data.end(), text, text + length);
    if (form.length_counts_padding) {
        PadTo4(data);
    }
    return data;
}

// Characters and terminator, zero padding; the stored length counts both.
Bytes TerminatedStringData(const char* text) {
    Bytes data(text, text + std::strlen(text) + 1);
    PadTo4(data);
    return data;
}

struct Property {
    std::uint32_t key;
    Bytes data;  // its size is the stored data length
};

// Header, then per property: vendor, key, id 0, data length, data, and zero
// padding after the data up to a multiple of 4 that the length never counts.
Bytes Assemble(const Form& form, const std::vector<Property>& properties) {
    Bytes out;
    if (form.leading_one) {
        PutU16(out, form, 1);
    }
    PutU32(out, form, 0);  // PiPL version
    PutU32(out, form, std::uint32_t(properties.size()));
    for (const Property& property : properties) {
        PutU32(out, form, FourCharCode("8BIM"));
        PutU32(out, form, property.key);
        PutU32(out, form, 0);
        PutU32(out, form, std::uint32_t(property.data.size()));
        out.insert(out.end(), property.data.begin(), property.data.end());
        // Relative to the data: the Windows header leaves properties at 2 mod 4.
        out.resize(out.size() + (4 - property.data.size() % 4) % 4, 0);
    }
    return out;
}

// The registration properties in the host's order, the platform's entry
// points after the category.
Bytes BuildForm(const Form& form, const std::vector<Property>& entry_points) {
    std::vector<Property> properties = {
        {FourCharCode("kind"), U32Data(form, kPluginKind)},
        {FourCharCode("name"), CountedStringData(form, kEffectName)},
        {FourCharCode("catg"), CountedStringData(form, kEffectCategory)}};
    properties.insert(properties.end(), entry_points.begin(), entry_points.end());
    const std::vector<Property> rest = {
        {FourCharCode("ePVR"), TwoU16Data(form, 2, 0)},
        {FourCharCode("eSVR"), TwoU16Data(form, kInterfaceVersionMajor, kInterfaceVersionMinor)},
        {FourCharCode("eVER"), U32Data(form, kEffectVersion)},
        {FourCharCode("eINF"), Bytes{0, 0}},
        {FourCharCode("eGLO"), U32Data(form, std::uint32_t(kGlobalOutFlags))},
        {FourCharCode("eGL2"), U32Data(form, std::uint32_t(kGlobalOutFlags2))},
        {FourCharCode("eMNA"), CountedStringData(form, kEffectMatchName)},
        {FourCharCode("aeFL"), U32Data(form, std::uint32_t(kReservedInfo))}};
    properties.insert(properties.end(), rest.begin(), rest.end());
    return Assemble(form, properties);
}

}  // namespace

std::vector<std::uint8_t> BuildPiPL() {
    return BuildForm(kWindowsForm, {{FourCharCode("8664"), TerminatedStringData(kEntryPointName)}});
}

std::vector<std::uint8_t> BuildMacPiPL() {
    const Bytes entry = CountedStringData(kMacForm, kEntryPointName);
    return BuildForm(kMacForm, {{FourCharCode("mi64"), entry}, {FourCharCode("ma64"), entry}});
}

// A resource file with one resource, all values big-endian: a 16-byte header
// (data offset 256, map offset, data length, map length) and zeros up to 256;
// the data (a 32-bit length, then the bytes); the map (a copy of the header,
// next-map 0, file reference 0, attributes 0, the offsets of the type list
// (28) and of the empty name list (the map's end), the type list (count - 1,
// type, count - 1, offset of the reference list from the type list) and one
// reference (id, no name, attributes 0 with data offset 0, reserved 0).
std::vector<std::uint8_t> BuildMacResourceFile() {
    const Form& be = kMacForm;
    const Bytes pipl = BuildMacPiPL();
    constexpr std::uint32_t kDataOffset = 256;
    constexpr std::uint32_t kTypeListOffset = 28;
    constexpr std::uint32_t kMapLength = kTypeListOffset + 10 + 12;
    const std::uint32_t data_length = std::uint32_t(4 + pipl.size());

    Bytes header;
    for (const std::uint32_t value :
         {kDataOffset, kDataOffset + data_length, data_length, kMapLength}) {
        PutU32(header, be, value);
    }
    Bytes out = header;
    out.resize(kDataOffset, 0);
    PutU32(out, be, std::uint32_t(pipl.size()));
    out.insert(out.end(), pipl.begin(), pipl.end());

    out.insert(out.end(), header.begin(), header.end());
    PutU32(out, be, 0);  // next map
    PutU16(out, be, 0);  // file reference
    PutU16(out, be, 0);  // attributes
    PutU16(out, be, kTypeListOffset);
    PutU16(out, be, kMapLength);  // name list: empty, at the map's end
    PutU16(out, be, 0);           // one type
    PutU32(out, be, FourCharCode("PiPL"));
    PutU16(out, be, 0);   // one resource of the type
    PutU16(out, be, 10);  // its reference list follows the type list
    PutU16(out, be, kPiPLResourceId);
    PutU16(out, be, 0xFFFF);  // no name
    PutU32(out, be, 0);       // attributes 0, data at offset 0 of the data section
    PutU32(out, be, 0);
    return out;
}
