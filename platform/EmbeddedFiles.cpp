#include "EmbeddedFiles.h"

std::span<const unsigned char> embeddedFile(std::string_view name) {
    for (const EmbeddedFile& f : embeddedFiles())
        if (f.name == name) return f.bytes;
    return {};
}
