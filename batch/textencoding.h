#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace quelbor {

// The encodings a table is read in. Everything inside the batch is UTF-8; a table in another
// encoding is decoded as it is read, and its CSV output encoded back.
enum class TextEncoding {
    Utf8,
    Windows1252, // what German spreadsheets save as "CSV (Trennzeichen-getrennt)"
    Utf16LE,     // "Unicode-Text", always with its byte-order mark
    Utf16BE,
};

// What the first block of a table is written in.
struct EncodingJudgement
{
    TextEncoding encoding = TextEncoding::Utf8;
    std::size_t byteOrderMarkSize = 0; // the bytes of the mark, to skip; 0 without one
    std::string notText; // empty, or what the block holds instead ("UTF-32LE", "binary data")
};

// The encoding of a whole table, judged from its first block alone so that the rest is read
// without looking at every byte again. A byte-order mark decides (UTF-8, UTF-16LE, UTF-16BE;
// UTF-32 is refused). Without one, a NUL byte means the block is not text: a UTF-16 table
// without its mark ("r\0h\0o\0" is UTF-16LE), UTF-32, a workbook or other binary data. Then
// valid UTF-8 is UTF-8, and anything else Windows-1252, whose every byte is a character. A
// character cut at the end of a block that is not the whole table counts as valid. A later
// byte that is not UTF-8, in a table judged UTF-8, is carried through unchanged as ever.
EncodingJudgement judgeEncoding(std::string_view firstBlock, bool wholeTable);

// Turns a table in `encoding` into UTF-8, block by block. Every byte sequence comes back by
// encodeText, so carried cells are written back byte for byte: the five bytes Windows-1252
// leaves unassigned (0x81 0x8D 0x8F 0x90 0x9D) become U+0081 … U+009D, and a UTF-16 surrogate
// without its partner becomes the three bytes UTF-8 would give its code (JSON shows it as
// U+FFFD). Only an odd last byte of a UTF-16 table is lost, to U+FFFD.
class TextDecoder
{
public:
    explicit TextDecoder(TextEncoding encoding = TextEncoding::Utf8)
        : m_encoding(encoding)
    {}

    // Appends the UTF-8 of `bytes`; a character cut at their end waits for the next block.
    void decode(std::string_view bytes, std::string &text);
    // At the end of the table: what waited, as far as it goes.
    void finish(std::string &text);

private:
    TextEncoding m_encoding;
    std::string m_waiting; // the bytes of a cut UTF-16 character
};

// Appends `text` (UTF-8) in `encoding`. A character Windows-1252 cannot hold becomes "?", as
// Windows itself writes it; only texts the program adds could hold one, and its German texts
// all fit. Bytes that are no UTF-8 become "?" in Windows-1252 and U+FFFD in UTF-16.
void encodeText(TextEncoding encoding, std::string_view text, std::string &bytes);

} // namespace quelbor
