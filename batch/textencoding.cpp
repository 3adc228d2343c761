#include "textencoding.h"

#include <algorithm>
#include <array>
#include <iterator>

namespace quelbor {

namespace {

using namespace std::string_view_literals;

constexpr char32_t replacementCharacter = 0xFFFD;

// Bytes 0x80 … 0x9F in Windows-1252 as WHATWG maps them; every other byte is the code point of
// its value (0xFC is U+00FC "ü"). The five bytes the code page leaves unassigned keep their
// own value as well (0x81 is U+0081), so that every byte comes back.
constexpr std::array<char32_t, 32> windows1252From80 = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

// The bytes a UTF-8 sequence starts with, its length and the range of its second byte (the
// later ones are 0x80 … 0xBF). The ranges leave out overlong forms (E0 80 80 would be U+0000
// again), surrogates (ED A0 80 is U+D800) and code points beyond U+10FFFF.
struct LeadBytes
{
    unsigned char first;
    unsigned char last;
    std::size_t length;
    unsigned char secondMin;
    unsigned char secondMax;
};

constexpr LeadBytes leadBytes[] = {
    {0xC2, 0xDF, 2, 0x80, 0xBF}, {0xE0, 0xE0, 3, 0xA0, 0xBF}, {0xE1, 0xEC, 3, 0x80, 0xBF},
    {0xED, 0xED, 3, 0x80, 0x9F}, {0xEE, 0xEF, 3, 0x80, 0xBF}, {0xF0, 0xF0, 4, 0x90, 0xBF},
    {0xF1, 0xF3, 4, 0x80, 0xBF}, {0xF4, 0xF4, 4, 0x80, 0x8F},
};

struct Sequence
{
    char32_t codePoint = 0;
    std::size_t length = 0; // 0: the text does not start with a sequence
    bool cut = false;       // it starts with one the text ends in
};

// The UTF-8 sequence `text` starts with. With `surrogates`, ED A0 80 … ED BF BF are read as
// well: the decoder writes a UTF-16 surrogate without its partner so.
Sequence readSequence(std::string_view text, bool surrogates)
{
    const auto lead = static_cast<unsigned char>(text.front());
    if (lead < 0x80)
        return {lead, 1};
    const auto *bytes =
        std::find_if(std::begin(leadBytes), std::end(leadBytes), [lead](const LeadBytes &range) {
            return lead >= range.first && lead <= range.last;
        });
    if (bytes == std::end(leadBytes))
        return {};
    char32_t codePoint = lead & (0x7F >> bytes->length);
    for (std::size_t i = 1; i < bytes->length; ++i) {
        if (i == text.size())
            return {0, 0, true};
        const auto byte = static_cast<unsigned char>(text[i]);
        const unsigned char min = i == 1 ? bytes->secondMin : 0x80;
        const unsigned char max = i > 1 || (lead == 0xED && surrogates) ? 0xBF : bytes->secondMax;
        if (byte < min || byte > max)
            return {};
        codePoint = codePoint << 6 | (byte & 0x3F);
    }
    return {codePoint, bytes->length};
}

bool isUtf8(std::string_view block, bool wholeTable)
{
    while (!block.empty()) {
        const Sequence sequence = readSequence(block, false);
        if (sequence.length == 0)
            return sequence.cut && !wholeTable;
        block.remove_prefix(sequence.length);
    }
    return true;
}

void appendUtf8(char32_t c, std::string &text)
{
    if (c < 0x80) {
        text += static_cast<char>(c);
    } else if (c < 0x800) {
        text += static_cast<char>(0xC0 | c >> 6);
        text += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        text += static_cast<char>(0xE0 | c >> 12);
        text += static_cast<char>(0x80 | (c >> 6 & 0x3F));
        text += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        text += static_cast<char>(0xF0 | c >> 18);
        text += static_cast<char>(0x80 | (c >> 12 & 0x3F));
        text += static_cast<char>(0x80 | (c >> 6 & 0x3F));
        text += static_cast<char>(0x80 | (c & 0x3F));
    }
}

void decodeWindows1252(std::string_view bytes, std::string &text)
{
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x80)
            text += c;
        else
            appendUtf8(byte < 0xA0 ? windows1252From80[byte - 0x80] : byte, text);
    }
}

char windows1252Byte(char32_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return static_cast<char>(c);
    const auto *found = std::find(windows1252From80.begin(), windows1252From80.end(), c);
    return found == windows1252From80.end()
               ? '?'
               : static_cast<char>(0x80 + (found - windows1252From80.begin()));
}

bool isHighSurrogate(char32_t unit)
{
    return unit >= 0xD800 && unit <= 0xDBFF;
}

bool isLowSurrogate(char32_t unit)
{
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

char32_t unitAt(std::string_view bytes, std::size_t pos, bool bigEndian)
{
    const auto first = static_cast<unsigned char>(bytes[pos]);
    const auto second = static_cast<unsigned char>(bytes[pos + 1]);
    return bigEndian ? char32_t(first << 8 | second) : char32_t(second << 8 | first);
}

// Decodes the whole code units of `bytes` and returns how many bytes it used: a high surrogate
// at the end waits for its partner, unless the bytes are the `last` of the table.
std::size_t decodeUtf16(std::string_view bytes, bool bigEndian, bool last, std::string &text)
{
    std::size_t pos = 0;
    while (pos + 2 <= bytes.size()) {
        const char32_t unit = unitAt(bytes, pos, bigEndian);
        if (isHighSurrogate(unit) && pos + 4 > bytes.size() && !last)
            break;
        if (isHighSurrogate(unit) && pos + 4 <= bytes.size()) {
            const char32_t next = unitAt(bytes, pos + 2, bigEndian);
            if (isLowSurrogate(next)) {
                appendUtf8(0x10000 + ((unit - 0xD800) << 10) + (next - 0xDC00), text);
                pos += 4;
                continue;
            }
        }
        appendUtf8(unit, text);
        pos += 2;
    }
    return pos;
}

void appendUtf16Unit(char32_t unit, bool bigEndian, std::string &bytes)
{
    const auto high = static_cast<char>(unit >> 8);
    const auto low = static_cast<char>(unit & 0xFF);
    bytes += bigEndian ? high : low;
    bytes += bigEndian ? low : high;
}

void appendUtf16(char32_t c, bool bigEndian, std::string &bytes)
{
    if (c < 0x10000) {
        appendUtf16Unit(c, bigEndian, bytes);
        return;
    }
    c -= 0x10000;
    appendUtf16Unit(0xD800 | c >> 10, bigEndian, bytes);
    appendUtf16Unit(0xDC00 | (c & 0x3FF), bigEndian, bytes);
}

struct ByteOrderMark
{
    std::string_view bytes;
    TextEncoding encoding;
    const char *refused; // what a table with this mark is, if it is not read
};

// UTF-32LE before UTF-16LE, whose mark begins it.
constexpr ByteOrderMark byteOrderMarks[] = {
    {"\xEF\xBB\xBF"sv, TextEncoding::Utf8, nullptr},
    {"\xFF\xFE\0\0"sv, TextEncoding::Utf8, "UTF-32LE"},
    {"\0\0\xFE\xFF"sv, TextEncoding::Utf8, "UTF-32BE"},
    {"\xFF\xFE"sv, TextEncoding::Utf16LE, nullptr},
    {"\xFE\xFF"sv, TextEncoding::Utf16BE, nullptr},
};

// Files a table is often mistaken for: the spreadsheet's own workbook.
struct Signature
{
    std::string_view bytes;
    const char *what;
};

constexpr Signature workbookSignatures[] = {
    {"PK\x03\x04"sv, "a zip archive (an .xlsx or .ods workbook)"},
    {"\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1"sv, "an .xls workbook"},
};

// Where NUL bytes lie in text of mostly ASCII characters, by their position modulo 4 (bit 0:
// the first byte of every four): "r\0h\0o\0" has them at 1 and 3, 0b1010.
struct NulPattern
{
    unsigned positions;
    const char *what;
};

constexpr NulPattern nulPatterns[] = {
    {0b1010, "UTF-16LE without byte-order mark"},
    {0b0101, "UTF-16BE without byte-order mark"},
    {0b1110, "UTF-32LE without byte-order mark"},
    {0b0111, "UTF-32BE without byte-order mark"},
};

// A position holds NULs when more than half of its bytes are NUL.
std::string describeNulBytes(std::string_view block)
{
    std::array<std::size_t, 4> nuls{};
    std::array<std::size_t, 4> bytes{};
    for (std::size_t i = 0; i < block.size(); ++i) {
        ++bytes[i % 4];
        nuls[i % 4] += block[i] == '\0';
    }
    unsigned positions = 0;
    for (unsigned p = 0; p < 4; ++p)
        positions |= static_cast<unsigned>(2 * nuls[p] > bytes[p]) << p;
    const auto *found = std::find_if(
        std::begin(nulPatterns), std::end(nulPatterns),
        [positions](const NulPattern &pattern) { return pattern.positions == positions; });
    return found == std::end(nulPatterns) ? "binary data" : found->what;
}

} // namespace

EncodingJudgement judgeEncoding(std::string_view firstBlock, bool wholeTable)
{
    for (const ByteOrderMark &mark : byteOrderMarks) {
        if (!firstBlock.starts_with(mark.bytes))
            continue;
        if (mark.refused)
            return {.notText = mark.refused};
        return {mark.encoding, mark.bytes.size(), {}};
    }
    for (const Signature &signature : workbookSignatures) {
        if (firstBlock.starts_with(signature.bytes))
            return {.notText = signature.what};
    }
    if (firstBlock.find('\0') != std::string_view::npos)
        return {.notText = describeNulBytes(firstBlock)};
    return {isUtf8(firstBlock, wholeTable) ? TextEncoding::Utf8 : TextEncoding::Windows1252, 0, {}};
}

void TextDecoder::decode(std::string_view bytes, std::string &text)
{
    switch (m_encoding) {
    case TextEncoding::Utf8:
        text.append(bytes);
        return;
    case TextEncoding::Windows1252:
        decodeWindows1252(bytes, text);
        return;
    case TextEncoding::Utf16LE:
    case TextEncoding::Utf16BE:
        break;
    }
    std::string joined;
    if (!m_waiting.empty()) {
        joined = std::move(m_waiting);
        joined.append(bytes);
        bytes = joined;
    }
    const bool bigEndian = m_encoding == TextEncoding::Utf16BE;
    m_waiting = bytes.substr(decodeUtf16(bytes, bigEndian, false, text));
}

void TextDecoder::finish(std::string &text)
{
    std::string_view waiting(m_waiting);
    waiting.remove_prefix(decodeUtf16(waiting, m_encoding == TextEncoding::Utf16BE, true, text));
    if (!waiting.empty())
        appendUtf8(replacementCharacter, text);
    m_waiting.clear();
}

void encodeText(TextEncoding encoding, std::string_view text, std::string &bytes)
{
    if (encoding == TextEncoding::Utf8) {
        bytes.append(text);
        return;
    }
    while (!text.empty()) {
        const Sequence sequence = readSequence(text, true);
        const bool valid = sequence.length > 0;
        text.remove_prefix(valid ? sequence.length : 1);
        if (encoding == TextEncoding::Windows1252)
            bytes += valid ? windows1252Byte(sequence.codePoint) : '?';
        else
            appendUtf16(valid ? sequence.codePoint : replacementCharacter,
                        encoding == TextEncoding::Utf16BE, bytes);
    }
}

} // namespace quelbor
