#include "tools/hlv3host/PngEncode.h"

#include <zlib.h>

#include <algorithm>
#include <atomic>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <thread>
#include <utility>
#include <vector>

namespace {

// Largest IDAT chunk written; the stream goes on in the next.
constexpr size_t kIdatBytes = size_t{1} << 20;

using Bytes = std::vector<unsigned char>;

void PutU32(Bytes* out, std::uint32_t v) {
    const unsigned char b[4] = {static_cast<unsigned char>(v >> 24),
                                static_cast<unsigned char>(v >> 16),
                                static_cast<unsigned char>(v >> 8), static_cast<unsigned char>(v)};
    out->insert(out->end(), b, b + 4);
}

// Appends a chunk: length, type, data, CRC of type and data.
void PutChunk(Bytes* out, const char* type, const unsigned char* data, size_t size) {
    PutU32(out, static_cast<std::uint32_t>(size));
    const size_t start = out->size();
    out->insert(out->end(), type, type + 4);
    if (size > 0) {  // IEND has no data (and a null pointer for it)
        out->insert(out->end(), data, data + size);
    }
    PutU32(out, static_cast<std::uint32_t>(crc32(0, out->data() + start, uInt(size + 4))));
}

// A filtered byte as the filter heuristic weighs it: its distance from 0 as
// a signed byte.
unsigned Weight(int v) {
    return static_cast<unsigned>(std::abs(static_cast<int>(static_cast<signed char>(v))));
}

// The Paeth predictor of the byte with left `a`, up `b`, upper left `c`.
int Paeth(int a, int b, int c) {
    const int pa = std::abs(b - c), pb = std::abs(a - c), pc = std::abs(a + b - 2 * c);
    return pa <= pb && pa <= pc ? a : (pb <= pc ? b : c);
}

// Filter type `type`'s byte for sample `x` with left `a`, up `b`, upper
// left `c`.
int FilterByte(int type, int x, int a, int b, int c) {
    switch (type) {
        case 1:
            return x - a;
        case 2:
            return x - b;
        case 3:
            return x - (a + b) / 2;
        case 4:
            return x - Paeth(a, b, c);
        default:
            return x;
    }
}

// Filters the n bytes of `row` with filter `type` into `out`; the left and
// upper-left neighbours of the first pixel (its bpp bytes) count as zero.
template <int type>
void FilterBytes(const unsigned char* row, const unsigned char* prior, size_t n, size_t bpp,
                 unsigned char* out) {
    const size_t first = std::min(bpp, n);
    for (size_t i = 0; i < first; ++i) {
        out[i] = static_cast<unsigned char>(FilterByte(type, row[i], 0, prior[i], 0));
    }
    for (size_t i = first; i < n; ++i) {
        out[i] = static_cast<unsigned char>(
            FilterByte(type, row[i], row[i - bpp], prior[i], prior[i - bpp]));
    }
}

// Adds the five filters' weights over bytes [from, to) of a row to `sums`:
// the first pixel's bytes (0 to bpp) see zeros to their left, the others
// their left neighbours, so the loop over those needs no check.
template <bool firstPixel>
void AddWeights(const unsigned char* row, const unsigned char* prior, size_t from, size_t to,
                size_t bpp, unsigned sums[5]) {
    unsigned none = 0, sub = 0, up = 0, average = 0, paeth = 0;
    for (size_t i = from; i < to; ++i) {
        const int x = row[i], b = prior[i];
        const int a = firstPixel ? 0 : row[i - bpp], c = firstPixel ? 0 : prior[i - bpp];
        none += Weight(x);
        sub += Weight(x - a);
        up += Weight(x - b);
        average += Weight(x - (a + b) / 2);
        paeth += Weight(x - Paeth(a, b, c));
    }
    sums[0] += none, sums[1] += sub, sums[2] += up, sums[3] += average, sums[4] += paeth;
}

// Writes the filter type byte and the filtered row (n bytes) to `out`;
// `prior` is the row above (zeros above the first row).
void FilterRow(const unsigned char* row, const unsigned char* prior, size_t n, size_t bpp,
               unsigned char* out) {
    unsigned sums[5] = {0, 0, 0, 0, 0};
    const size_t first = std::min(bpp, n);
    AddWeights<true>(row, prior, 0, first, bpp, sums);
    AddWeights<false>(row, prior, first, n, bpp, sums);
    const int type = static_cast<int>(std::min_element(sums, sums + 5) - sums);
    out[0] = static_cast<unsigned char>(type);
    using Filter =
        void (*)(const unsigned char*, const unsigned char*, size_t, size_t, unsigned char*);
    const Filter filters[5] = {FilterBytes<0>, FilterBytes<1>, FilterBytes<2>, FilterBytes<3>,
                               FilterBytes<4>};
    filters[type](row, prior, n, bpp, out + 1);
}

// Rows [first, first + count) filtered and raw-deflated; the last stripe
// finishes the stream, the others end on a sync flush (byte-aligned).
struct Stripe {
    int first = 0;
    int count = 0;
    Bytes deflated;
    uLong adler = 0;
    uLong rawBytes = 0;
    bool ok = false;
};

void CompressStripe(const PngRows& rows, bool last, Stripe* s) {
    const size_t n = static_cast<size_t>(rows.width) * 4 * (rows.bits / 8);
    const size_t bpp = rows.bits / 2;
    Bytes filtered((n + 1) * static_cast<size_t>(s->count));
    Bytes above(n, 0), row(n);  // zeros above the first row
    if (s->first > 0) {
        rows.fill(s->first - 1, above.data());
    }
    for (int k = 0; k < s->count; ++k) {
        rows.fill(s->first + k, row.data());
        FilterRow(row.data(), above.data(), n, bpp,
                  filtered.data() + (n + 1) * static_cast<size_t>(k));
        std::swap(above, row);
    }
    s->rawBytes = static_cast<uLong>(filtered.size());
    s->adler = adler32(adler32(0, nullptr, 0), filtered.data(), uInt(filtered.size()));
    z_stream z = {};
    if (deflateInit2(&z, Z_DEFAULT_COMPRESSION, Z_DEFLATED, -15, 8, Z_FILTERED) != Z_OK) {
        return;
    }
    s->deflated.resize(deflateBound(&z, s->rawBytes) + 64);
    z.next_in = filtered.data();
    z.avail_in = uInt(filtered.size());
    z.next_out = s->deflated.data();
    z.avail_out = uInt(s->deflated.size());
    const int result = deflate(&z, last ? Z_FINISH : Z_SYNC_FLUSH);
    s->ok = last ? result == Z_STREAM_END : result == Z_OK && z.avail_in == 0 && z.avail_out > 0;
    s->deflated.resize(z.total_out);
    deflateEnd(&z);
}

// Compresses the stripes on up to hardware_concurrency() threads (on this
// one alone where no other can be started); true when every stripe did.
bool CompressStripes(const PngRows& rows, std::vector<Stripe>* stripes) {
    std::atomic<size_t> next{0};
    const auto work = [&rows, stripes, &next] {
        for (size_t i = next++; i < stripes->size(); i = next++) {
            try {
                CompressStripe(rows, i + 1 == stripes->size(), &(*stripes)[i]);
            } catch (const std::exception&) {
                (*stripes)[i].ok = false;  // out of memory: a zlib error below
            }
        }
    };
    const size_t threads =
        std::min<size_t>(std::max(1u, std::thread::hardware_concurrency()), stripes->size());
    std::vector<std::thread> helpers;
    for (size_t t = 1; t < threads; ++t) {
        try {
            helpers.emplace_back(work);
        } catch (const std::exception&) {
            break;  // no more threads: the others take its share
        }
    }
    work();
    for (std::thread& helper : helpers) {
        helper.join();
    }
    return std::all_of(stripes->begin(), stripes->end(), [](const Stripe& s) { return s.ok; });
}

}  // namespace

bool WritePngRows(std::FILE* file, const PngRows& rows, std::string* error) {
    if (rows.width <= 0 || rows.height <= 0) {
        *error = "Invalid IHDR data";  // libpng's words: PNG has no empty image
        return false;
    }
    const size_t n = static_cast<size_t>(rows.width) * 4 * (rows.bits / 8);
    const int perStripe = static_cast<int>(std::max<size_t>(1, kPngStripeBytes / (n + 1)));
    std::vector<Stripe> stripes;
    for (int y = 0; y < rows.height; y += perStripe) {
        stripes.emplace_back();
        stripes.back().first = y;
        stripes.back().count = std::min(perStripe, rows.height - y);
    }
    if (!CompressStripes(rows, &stripes)) {
        *error = "zlib error";
        return false;
    }
    // zlib header: deflate, 32 KiB window, default level.
    Bytes stream = {0x78, 0x9C};
    uLong adler = adler32(0, nullptr, 0);
    for (const Stripe& s : stripes) {
        stream.insert(stream.end(), s.deflated.begin(), s.deflated.end());
        adler = adler32_combine(adler, s.adler, static_cast<z_off_t>(s.rawBytes));
    }
    PutU32(&stream, static_cast<std::uint32_t>(adler));

    Bytes out = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    Bytes header;
    PutU32(&header, static_cast<std::uint32_t>(rows.width));
    PutU32(&header, static_cast<std::uint32_t>(rows.height));
    header.insert(header.end(), {static_cast<unsigned char>(rows.bits), 6, 0, 0, 0});
    PutChunk(&out, "IHDR", header.data(), header.size());
    Bytes offset;
    PutU32(&offset, static_cast<std::uint32_t>(rows.originX));
    PutU32(&offset, static_cast<std::uint32_t>(rows.originY));
    offset.push_back(0);  // unit: pixels
    PutChunk(&out, "oFFs", offset.data(), offset.size());
    for (size_t at = 0; at < stream.size(); at += kIdatBytes) {
        PutChunk(&out, "IDAT", stream.data() + at, std::min(kIdatBytes, stream.size() - at));
    }
    PutChunk(&out, "IEND", nullptr, 0);
    if (std::fwrite(out.data(), 1, out.size(), file) != out.size()) {
        *error = "Write Error";  // libpng's words for a failed write
        return false;
    }
    return true;
}
