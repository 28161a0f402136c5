// How a text lies in its box: from the left, centred on its line, or centred both ways.
#pragma once
#include <cstdint>

enum class Align : std::uint8_t { Left, Centre, CentreMiddle };
