#pragma once

#include "numbertext.h"

#include <initializer_list>
#include <string>
#include <string_view>

namespace quelbor {

// A small JSON writer of the page's own: the page reads the window's design at every start and
// the comparison at every change, and a general JSON library costs the WebAssembly build far
// more time than the few fields here need. Texts are UTF-8; quotes, backslashes and control
// characters are escaped.
class PageJsonWriter
{
public:
    void text(std::string_view key, std::string_view value)
    {
        field(key);
        m_json += '"';
        for (const char c : value) {
            if (c == '"' || c == '\\') {
                m_json += '\\';
                m_json += c;
            } else if (static_cast<unsigned char>(c) < 0x20) {
                static constexpr char hex[] = "0123456789abcdef";
                m_json += "\\u00";
                m_json += hex[(c >> 4) & 0xf];
                m_json += hex[c & 0xf];
            } else {
                m_json += c;
            }
        }
        m_json += '"';
    }
    void number(std::string_view key, double value)
    {
        field(key);
        m_json += numberText(value, std::chars_format::general, 17);
    }
    void flag(std::string_view key, bool value)
    {
        field(key);
        m_json += value ? "true" : "false";
    }
    void numbers(std::string_view key, std::initializer_list<double> values)
    {
        field(key);
        m_json += '[';
        for (const double value : values) {
            if (m_json.back() != '[')
                m_json += ',';
            m_json += numberText(value, std::chars_format::general, 17);
        }
        m_json += ']';
    }
    void open(std::string_view key, char bracket)
    {
        field(key);
        m_json += bracket;
    }
    void close(char bracket) { m_json += bracket; }

    std::string take() { return std::move(m_json); }

private:
    void field(std::string_view key)
    {
        if (!m_json.empty() && m_json.back() != '{' && m_json.back() != '[')
            m_json += ',';
        if (!key.empty()) {
            m_json += '"';
            m_json += key;
            m_json += "\":";
        }
    }

    std::string m_json;
};

} // namespace quelbor
