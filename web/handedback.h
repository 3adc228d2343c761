#pragma once

#include <string>

namespace quelbor {

// Keeps a text the module hands back to the page's script; it stays valid until the next one.
inline const char *handedBack(std::string text)
{
    static std::string last;
    last = std::move(text);
    return last.c_str();
}

} // namespace quelbor
