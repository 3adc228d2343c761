#include "jsonwriter.h"

#include "numbertext.h"

#include <cstdio>

namespace quelbor {

namespace {

std::string quoted(std::string_view text)
{
    std::string result = "\"";
    for (const char c : text) {
        switch (c) {
        case '"':
            result += "\\\"";
            break;
        case '\\':
            result += "\\\\";
            break;
        case '\n':
            result += "\\n";
            break;
        case '\t':
            result += "\\t";
            break;
        default:
            if (static_cast<unsigned char>(c) < 0x20) {
                char escaped[8];
                std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned>(c));
                result += escaped;
            } else {
                result += c;
            }
        }
    }
    return result + "\"";
}

} // namespace

std::string jsonNumber(double value)
{
    // 17 significant digits read back to the same double.
    return numberText(value, std::chars_format::general, 17);
}

void JsonWriter::beginItem(std::string_view key)
{
    if (m_depth > 0) {
        m_text += m_first ? "\n" : ",\n";
        m_text.append(2 * static_cast<std::size_t>(m_depth), ' ');
    }
    if (!key.empty())
        m_text += quoted(key) + ": ";
    m_first = false;
}

void JsonWriter::close(char bracket)
{
    --m_depth;
    if (!m_first) {
        m_text += '\n';
        m_text.append(2 * static_cast<std::size_t>(m_depth), ' ');
    }
    m_text += bracket;
    m_first = false;
    if (m_depth == 0)
        m_text += '\n';
}

void JsonWriter::beginObject(std::string_view key)
{
    beginItem(key);
    m_text += '{';
    ++m_depth;
    m_first = true;
}

void JsonWriter::endObject()
{
    close('}');
}

void JsonWriter::beginArray(std::string_view key)
{
    beginItem(key);
    m_text += '[';
    ++m_depth;
    m_first = true;
}

void JsonWriter::endArray()
{
    close(']');
}

void JsonWriter::numberField(std::string_view key, double number)
{
    beginItem(key);
    m_text += jsonNumber(number);
}

void JsonWriter::textField(std::string_view key, std::string_view text)
{
    beginItem(key);
    m_text += quoted(text);
}

void JsonWriter::boolField(std::string_view key, bool flag)
{
    beginItem(key);
    m_text += flag ? "true" : "false";
}

void JsonWriter::intField(std::string_view key, int number)
{
    beginItem(key);
    m_text += std::to_string(number);
}

void JsonWriter::number(double value)
{
    beginItem({});
    m_text += jsonNumber(value);
}

void JsonWriter::rawField(std::string_view key, std::string_view json)
{
    beginItem(key);
    m_text += json;
}

} // namespace quelbor
