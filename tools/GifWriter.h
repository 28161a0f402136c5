// Encoding a picture as a GIF file the game loads: GIF89a with a transparent index for the
// see-through pictures, plain GIF87a for the opaque ones.
#pragma once

#include "PictureSource.h"

#include <cstdint>
#include <vector>

namespace artgen {

// Returns the whole GIF file; the same picture always gives the same bytes.
std::vector<std::uint8_t> encodeGif(const Picture& picture);

} // namespace artgen
