// GIF encoding through giflib, written to memory so nothing depends on file timestamps.
#include "GifWriter.h"

#include <gif_lib.h>

#include <algorithm>
#include <memory>
#include <stdexcept>
#include <string>

namespace artgen {
namespace {

int appendToBuffer(GifFileType* gif, const GifByteType* data, int length) {
    auto* out = static_cast<std::vector<std::uint8_t>*>(gif->UserData);
    out->insert(out->end(), data, data + length);
    return length;
}

void check(int result, GifFileType* gif, const char* step) {
    if (result != GIF_OK)
        throw std::runtime_error(std::string("GIF ") + step + ": " + GifErrorString(gif->Error));
}

} // namespace

std::vector<std::uint8_t> encodeGif(const Picture& picture) {
    std::vector<std::uint8_t> bytes;
    int error = 0;
    GifFileType* gif = EGifOpen(&bytes, appendToBuffer, &error);
    if (!gif) throw std::runtime_error(std::string("GIF open: ") + GifErrorString(error));
    auto closer = [](GifFileType* g) { EGifCloseFile(g, nullptr); };
    std::unique_ptr<GifFileType, decltype(closer)> guard(gif, closer);

    // GIF colour tables hold a power of two entries; the unused tail stays black.
    int bits = 1;
    while ((1 << bits) < static_cast<int>(picture.palette.size()))
        ++bits;
    std::unique_ptr<ColorMapObject, decltype(&GifFreeMapObject)> map(
        GifMakeMapObject(1 << bits, nullptr), &GifFreeMapObject);
    for (std::size_t i = 0; i < picture.palette.size(); ++i)
        map->Colors[i] =
            GifColorType{picture.palette[i].r, picture.palette[i].g, picture.palette[i].b};

    EGifSetGifVersion(gif, picture.transparent);
    check(EGifPutScreenDesc(gif, picture.width, picture.height, bits, 0, map.get()), gif, "screen");
    if (picture.transparent) {
        GraphicsControlBlock gcb{};
        gcb.DisposalMode = DISPOSAL_UNSPECIFIED;
        gcb.UserInputFlag = false;
        gcb.DelayTime = 0;
        gcb.TransparentColor = 0;
        GifByteType ext[4];
        const auto length = EGifGCBToExtension(&gcb, ext);
        check(EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, static_cast<int>(length), ext), gif,
              "transparency");
    }
    check(EGifPutImageDesc(gif, 0, 0, picture.width, picture.height, false, nullptr), gif, "image");
    std::vector<GifPixelType> line(picture.width);
    for (int y = 0; y < picture.height; ++y) {
        std::copy_n(picture.pixels.begin() + y * picture.width, picture.width, line.begin());
        check(EGifPutLine(gif, line.data(), picture.width), gif, "line");
    }
    guard.reset();
    return bytes;
}

} // namespace artgen
