// The files compiled into the program: pictures and the typeface.
#pragma once
#include <span>
#include <string_view>

struct EmbeddedFile {
    std::string_view name;
    std::span<const unsigned char> bytes;
};

std::span<const EmbeddedFile> embeddedFiles();

// The bytes of a file by name; empty when the program holds no such file.
std::span<const unsigned char> embeddedFile(std::string_view name);
