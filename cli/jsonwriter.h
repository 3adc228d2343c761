#pragma once

#include <string>
#include <string_view>

namespace quelbor {

// Writes one JSON document with indentation. Numbers are written with 17 significant digits,
// so every double reads back exactly.
class JsonWriter
{
public:
    void beginObject(std::string_view key = {});
    void endObject();
    void beginArray(std::string_view key = {});
    void endArray();
    void numberField(std::string_view key, double number);
    void textField(std::string_view key, std::string_view text);
    void boolField(std::string_view key, bool flag);
    void intField(std::string_view key, int number);
    void number(double value); // an array element
    // A value already written as JSON, kept on one line (a compact array element when key is
    // empty).
    void rawField(std::string_view key, std::string_view json);

    const std::string &text() const { return m_text; }

private:
    void beginItem(std::string_view key);
    void close(char bracket);

    std::string m_text;
    int m_depth = 0;
    bool m_first = true;
};

std::string jsonNumber(double value);

} // namespace quelbor
