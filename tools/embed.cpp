// Build tool: writes a C++ source holding the given files as byte arrays, so the
// game reads its pictures and typeface from memory. Usage: embed OUT FILE... where
// FILE is a path or NAME=PATH to store it under another name.
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>
#include <vector>

int main(int argc, char** argv) {
    if (argc < 2) {
        std::cerr << "usage: embed OUT [NAME=]FILE...\n";
        return 2;
    }
    std::ofstream out(argv[1]);
    out << "#include \"platform/EmbeddedFiles.h\"\n\nnamespace {\n";
    std::vector<std::string> names;
    for (int i = 2; i < argc; ++i) {
        std::string arg = argv[i];
        auto eq = arg.find('=');
        std::string path = eq == std::string::npos ? arg : arg.substr(eq + 1);
        std::string name = eq == std::string::npos ? std::filesystem::path(arg).filename().string()
                                                   : arg.substr(0, eq);
        std::ifstream in(path, std::ios::binary);
        if (!in) {
            std::cerr << "embed: cannot read " << path << "\n";
            return 1;
        }
        std::vector<unsigned char> bytes{std::istreambuf_iterator<char>(in), {}};
        out << "const unsigned char file" << names.size() << "[] = {";
        for (std::size_t b = 0; b < bytes.size(); ++b)
            out << (b % 24 ? "" : "\n") << int(bytes[b]) << ',';
        out << "};\n";
        names.push_back(name);
    }
    out << "} // namespace\n\nstd::span<const EmbeddedFile> embeddedFiles() {\n"
        << "    static const EmbeddedFile files[] = {\n";
    for (std::size_t i = 0; i < names.size(); ++i)
        out << "        {\"" << names[i] << "\", {file" << i << ", sizeof file" << i << "}},\n";
    out << "        {\"\", {}}};\n    return {files, " << names.size() << "};\n}\n";
    return out ? 0 : 1;
}
