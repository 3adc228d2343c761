#pragma once

#include "inputtexts.h"

#include <cstddef>
#include <cstdint>

namespace quelbor {

// The byte that ends one input text and starts the next in a fuzz input.
inline constexpr char fieldSeparator = '|';

// Splits fuzz bytes into the seven input texts in the order the calculation reads them:
// rhoSE, Xanf, Xmess, ksiSE, kappaMess, thetaMess, KappaSteig. Each "|" starts the next text;
// the last text takes the rest, further "|" included. Texts the bytes do not reach keep their
// default, so a short input still gets through the whole calculation; "||" gives an empty text.
InputTexts inputTextsFromBytes(const std::uint8_t *data, std::size_t size);

} // namespace quelbor
