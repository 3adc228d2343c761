#include "workbooksheet.h"

#include <zlib.h>

#include <array>
#include <cstdint>
#include <fstream>

namespace quelbor {

namespace {

constexpr std::uint32_t localHeaderMark = 0x04034b50;
constexpr std::uint16_t sizesAfterData = 1 << 3; // flag: the sizes follow the data
constexpr std::uint16_t deflated = 8;
constexpr int maximumEntries = 16; // the worksheet comes fourth in XlsxTable's workbooks

std::uint32_t littleEndian(const unsigned char *bytes, int count)
{
    std::uint32_t value = 0;
    for (int i = count - 1; i >= 0; --i)
        value = (value << 8) | bytes[i];
    return value;
}

// Inflates the entry's data from the stream until `bytes` are out or its data ends.
std::string inflateStart(std::ifstream &file, std::uint32_t compressed, std::size_t bytes)
{
    z_stream stream{};
    if (inflateInit2(&stream, -MAX_WBITS) != Z_OK)
        return {};
    std::string out(bytes, '\0');
    std::array<char, 1 << 14> in{};
    stream.next_out = reinterpret_cast<Bytef *>(out.data());
    stream.avail_out = static_cast<uInt>(out.size());
    int status = Z_OK;
    while (status == Z_OK && stream.avail_out > 0 && compressed > 0) {
        file.read(in.data(), std::min<std::streamsize>(in.size(), compressed));
        if (file.gcount() <= 0)
            break;
        compressed -= static_cast<std::uint32_t>(file.gcount());
        stream.next_in = reinterpret_cast<Bytef *>(in.data());
        stream.avail_in = static_cast<uInt>(file.gcount());
        status = inflate(&stream, Z_NO_FLUSH);
    }
    out.resize(stream.total_out);
    inflateEnd(&stream);
    return status == Z_OK || status == Z_STREAM_END || status == Z_BUF_ERROR ? out : std::string();
}

} // namespace

std::string worksheetStart(const std::string &path, std::size_t bytes)
{
    std::ifstream file(path, std::ios::binary);
    for (int entry = 0; file && entry < maximumEntries; ++entry) {
        std::array<unsigned char, 30> header{};
        file.read(reinterpret_cast<char *>(header.data()), header.size());
        if (!file || littleEndian(&header[0], 4) != localHeaderMark ||
            (littleEndian(&header[6], 2) & sizesAfterData) != 0)
            return {};
        const std::uint32_t compressed = littleEndian(&header[18], 4);
        std::string name(littleEndian(&header[26], 2), '\0');
        file.read(name.data(), static_cast<std::streamsize>(name.size()));
        file.ignore(littleEndian(&header[28], 2));
        if (name == "xl/worksheets/sheet1.xml")
            return littleEndian(&header[8], 2) == deflated ? inflateStart(file, compressed, bytes)
                                                           : std::string();
        file.ignore(compressed);
    }
    return {};
}

} // namespace quelbor
