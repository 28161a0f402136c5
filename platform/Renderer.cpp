#include "Renderer.h"

#include "EmbeddedFiles.h"
#include "TextLayout.h"
#include "Typeface.h"

#include <SDL_image.h>

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace {
// The picture in 32-bit colour, its transparent colour turned into transparent pixels.
SDL_Surface* loadArt(Art art) {
    auto bytes = embeddedFile(artInfo(art).file);
    if (bytes.empty()) return nullptr;
    SDL_Surface* surface = IMG_Load_RW(SDL_RWFromConstMem(bytes.data(), int(bytes.size())), 1);
    if (!surface) return nullptr;
    SDL_Surface* converted = SDL_ConvertSurfaceFormat(surface, SDL_PIXELFORMAT_ARGB8888, 0);
    SDL_FreeSurface(surface);
    return converted;
}

// The built-in typeface at the play area's own size, read from its own stream.
TTF_Font* openFont(SDL_RWops*& data) {
    auto bytes = embeddedFile("font.ttf");
    data = SDL_RWFromConstMem(bytes.data(), int(bytes.size()));
    TTF_Font* font = TTF_OpenFontRW(data, 0, kFontPixels);
    if (!font) throw std::runtime_error(TTF_GetError());
    // Light hinting keeps the glyphs sharp on their rows but leaves their widths as
    // drawn, so a word set larger is as wide as its place in the layout, scaled.
    TTF_SetFontHinting(font, TTF_HINTING_LIGHT);
    return font;
}

// Whether every pixel of a 32-bit surface is fully opaque.
bool opaque(const SDL_Surface* surface) {
    for (int y = 0; y < surface->h; ++y) {
        const auto* row = reinterpret_cast<const Uint32*>(
            static_cast<const Uint8*>(surface->pixels) + y * surface->pitch);
        for (int x = 0; x < surface->w; ++x)
            if ((row[x] & surface->format->Amask) != surface->format->Amask) return false;
    }
    return true;
}
} // namespace

Viewport Viewport::fit(int outputWidth, int outputHeight) {
    double scale =
        std::min(double(outputWidth) / kPlayWidthPx, double(outputHeight) / kPlayHeightPx);
    int w = int(std::lround(kPlayWidthPx * scale)), h = int(std::lround(kPlayHeightPx * scale));
    return {scale, (outputWidth - w) / 2, (outputHeight - h) / 2};
}

int Viewport::x(int twipsX) const {
    return offsetX + int(std::lround((twipsX - kPlayArea.left) * scale / 15.0));
}

int Viewport::y(int twipsY) const {
    return offsetY + int(std::lround((twipsY - kPlayArea.top) * scale / 15.0));
}

SDL_Rect Viewport::rect(const TwipRect& r) const {
    int left = x(r.left), top = y(r.top);
    return {left, top, x(r.right()) - left, y(r.bottom()) - top};
}

SDL_Rect Viewport::clip(const TwipRect& r) const {
    // Nothing outside the play area is ever shown: the masks cover it.
    int l = std::max(r.left, kPlayArea.left), t = std::max(r.top, kPlayArea.top);
    int right = std::min(r.right(), kPlayArea.right()),
        bottom = std::min(r.bottom(), kPlayArea.bottom());
    return rect({l, t, std::max(0, right - l), std::max(0, bottom - t)});
}

Renderer::Renderer(SDL_Renderer* renderer) : renderer_(renderer) {
    if (TTF_WasInit() == 0 && TTF_Init() != 0) throw std::runtime_error(TTF_GetError());
    layoutFont_ = openFont(layoutFontData_);
    font_ = openFont(fontData_);
    fontPixels_ = kFontPixels;
}

Renderer::~Renderer() {
    for (auto& [_, t] : texts_)
        SDL_DestroyTexture(t);
    forgetSizedArt();
    for (SDL_Surface* s : art_)
        SDL_FreeSurface(s);
    TTF_CloseFont(font_);
    SDL_RWclose(fontData_);
    TTF_CloseFont(layoutFont_);
    SDL_RWclose(layoutFontData_);
}

const std::vector<SDL_Rect>& Renderer::update(const std::vector<DrawItem>& items) {
    const SDL_Rect before = output_;
    const Viewport view = prepare();
    drawn_.clear();
    const bool same = valid_ && SDL_RectEquals(&before, &output_);
    if (same && items == shown_.items) return drawn_;
    DrawnList next{items, {}};
    auto reach = [&](const DrawItem& item) { return reachOf(item, view); };
    if (same) {
        drawn_ = changedArea(shown_, next, reach);
        for (const SDL_Rect& area : drawn_)
            paint(next, view, area);
    } else {
        for (const DrawItem& item : next.items)
            next.reach.push_back(reach(item));
        drawn_.push_back(output_);
        paint(next, view, output_);
    }
    shown_ = std::move(next);
    valid_ = true;
    return drawn_;
}

Viewport Renderer::prepare() {
    output_ = {0, 0, 0, 0};
    SDL_GetRendererOutputSize(renderer_, &output_.w, &output_.h);
    const Viewport view = Viewport::fit(output_.w, output_.h);
    useFontSize(fontPixelsAt(view.scale));
    return view;
}

void Renderer::paint(const DrawnList& list, const Viewport& view, const SDL_Rect& area) {
    // Black bars where the output is wider or taller than the play area; the window's own
    // background, always the first item, covers the rest.
    std::vector<SDL_Rect> bars;
    uncovered(area, view.clip(kPlayArea), bars);
    SDL_RenderSetClipRect(renderer_, &area);
    SDL_SetRenderDrawColor(renderer_, 0, 0, 0, 255);
    for (const SDL_Rect& bar : bars)
        if (bar.w > 0 && bar.h > 0) SDL_RenderFillRect(renderer_, &bar);
    // What lies under an opaque item that covers the whole area cannot show.
    std::size_t first = list.items.size();
    while (first > 0 && !hides(list.items[first - 1], list.reach[first - 1], area, view))
        --first;
    for (std::size_t i = first > 0 ? first - 1 : 0; i < list.items.size(); ++i) {
        if (!SDL_HasIntersection(&list.reach[i], &area)) continue;
        const SDL_Rect allowed = view.clip(list.items[i].clip);
        SDL_Rect clip;
        if (!SDL_IntersectRect(&allowed, &area, &clip)) continue;
        SDL_RenderSetClipRect(renderer_, &clip);
        drawItem(list.items[i], view);
    }
}

// Whether the item writes every pixel of the area with an opaque colour.
bool Renderer::hides(const DrawItem& item, const SDL_Rect& reach, const SDL_Rect& area,
                     const Viewport& view) {
    SDL_Rect both;
    if (!SDL_IntersectRect(&reach, &area, &both) || !SDL_RectEquals(&both, &area)) return false;
    if (item.kind == DrawItem::Kind::Fill) return true;
    if (item.kind == DrawItem::Kind::Text) return false;
    const SDL_Rect rect = view.rect(item.box);
    SDL_Texture* texture = sizedArt(item.art, rect.w, rect.h);
    SDL_BlendMode mode = SDL_BLENDMODE_BLEND;
    return texture && SDL_GetTextureBlendMode(texture, &mode) == 0 && mode == SDL_BLENDMODE_NONE;
}

void Renderer::drawItem(const DrawItem& item, const Viewport& view) {
    switch (item.kind) {
    case DrawItem::Kind::Fill: {
        const SDL_Rect rect = view.rect(item.box);
        SDL_SetRenderDrawColor(renderer_, item.color.r, item.color.g, item.color.b, 255);
        SDL_RenderFillRect(renderer_, &rect);
        break;
    }
    case DrawItem::Kind::Picture: {
        if (!pictureShows(item)) break;
        const SDL_Rect rect = view.rect(item.box);
        if (SDL_Texture* texture = sizedArt(item.art, rect.w, rect.h))
            SDL_RenderCopy(renderer_, texture, nullptr, &rect);
        break;
    }
    case DrawItem::Kind::Text:
        for (const Placed& line : placeText(item, view)) {
            SDL_SetTextureColorMod(line.texture, item.color.r, item.color.g, item.color.b);
            SDL_RenderCopy(renderer_, line.texture, nullptr, &line.where);
        }
        break;
    }
}

// Text may reach past its box (a last line, a wide letter): its reach is where its lines
// land.
SDL_Rect Renderer::reachOf(const DrawItem& item, const Viewport& view) {
    SDL_Rect extent{0, 0, 0, 0};
    if (item.kind == DrawItem::Kind::Text) {
        for (const Placed& line : placeText(item, view))
            SDL_UnionRect(&extent, &line.where, &extent);
    } else if (item.kind == DrawItem::Kind::Fill || pictureShows(item)) {
        extent = view.rect(item.box);
    }
    const SDL_Rect allowed = view.clip(item.clip);
    SDL_Rect reach{0, 0, 0, 0};
    SDL_IntersectRect(&extent, &allowed, &reach);
    return reach;
}

// A picture wholly outside what it may cover (the logo before it slides in) is not even
// scaled.
bool Renderer::pictureShows(const DrawItem& item) const {
    const TwipRect& b = item.box;
    const TwipRect& c = item.clip;
    return item.art != Art::None && b.left < c.right() && c.left < b.right() &&
           b.top < c.bottom() && c.top < b.bottom();
}

// Scaling while copying is what costs most in the software renderer, so each picture
// is scaled once per size it is shown at and then only copied.
SDL_Texture* Renderer::sizedArt(Art art, int w, int h) {
    SDL_Surface* source = decodedArt(art);
    if (!source || w <= 0 || h <= 0) return nullptr;
    const std::uint64_t key =
        std::uint64_t(art) << 48 | std::uint64_t(std::uint32_t(w)) << 24 | std::uint32_t(h);
    if (auto it = sized_.find(key); it != sized_.end()) return it->second;
    // Scaled straight into the texture's own pixels: a picture as large as the logo would
    // otherwise be written twice, and fresh memory is slow to touch the first time.
    SDL_Texture* texture =
        SDL_CreateTexture(renderer_, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_STREAMING, w, h);
    SDL_Surface* pixels = nullptr;
    if (texture && SDL_LockTextureToSurface(texture, nullptr, &pixels) != 0) {
        SDL_DestroyTexture(texture);
        texture = nullptr;
    }
    if (texture) {
        SDL_SetSurfaceBlendMode(source, SDL_BLENDMODE_NONE);
        SDL_BlitScaled(source, nullptr, pixels, nullptr);
        // Most tiles have no see-through pixel: copied without blending, they cost a
        // fraction of the time.
        const bool solid = opaque(pixels);
        SDL_UnlockTexture(texture);
        SDL_SetTextureBlendMode(texture, solid ? SDL_BLENDMODE_NONE : SDL_BLENDMODE_BLEND);
    }
    return sized_[key] = texture;
}

// Pictures are decoded when first shown rather than all at start, where the time would
// hold back the first frame.
SDL_Surface* Renderer::decodedArt(Art art) {
    const int i = static_cast<int>(art);
    if (!decoded_[i]) {
        art_[i] = loadArt(art);
        decoded_[i] = true;
    }
    return art_[i];
}

void Renderer::forgetSizedArt() {
    for (auto& [_, t] : sized_)
        if (t) SDL_DestroyTexture(t);
    sized_.clear();
}

std::vector<Renderer::Placed> Renderer::placeText(const DrawItem& item, const Viewport& view) {
    if (item.alignment == Align::CentreMiddle) {
        Placed cell = placeCellText(item, view.rect(item.box));
        if (!cell.texture) return {};
        return {cell};
    }
    std::vector<Placed> words;
    for (const SetWord& word : typeset(item, view))
        if (SDL_Texture* texture = textTexture(word.text)) {
            int tw = 0, th = 0;
            SDL_QueryTexture(texture, nullptr, nullptr, &tw, &th);
            words.push_back({texture, {word.x, word.y, tw, th}});
        }
    return words;
}

// Each word keeps its place in the layout, scaled: glyphs set at another size are not
// exactly as wide, and the difference would pile up along a line.
std::vector<Renderer::SetWord> Renderer::typeset(const DrawItem& item, const Viewport& view) {
    useFontSize(fontPixelsAt(view.scale));
    const SDL_Rect box = view.rect(item.box);
    const auto& lines = layout(item.text, item.box.width);
    std::vector<SetWord> set;
    for (int i = 0; i < int(lines.size()); ++i) {
        const SetLine& line = lines[i];
        int x = box.x;
        if (item.alignment == Align::Centre)
            x += (box.w - int(std::lround(line.width * view.scale))) / 2;
        const int y = box.y + int(std::lround(i * kLinePixels * view.scale));
        for (const PlacedWord& word : line.words)
            set.push_back({word.text, x + int(std::lround(word.x * view.scale)), y, i});
    }
    return set;
}

const std::vector<Renderer::SetLine>& Renderer::layout(const std::string& text, int widthTwips) {
    const int width = widthTwips / 15;
    std::string key = std::to_string(width) + '\x1f' + text;
    auto found = layouts_.find(key);
    if (found != layouts_.end()) return found->second;
    std::vector<SetLine> lines;
    for (const std::string& line : wrapText(layoutFont_, text, width))
        lines.push_back({placeWords(layoutFont_, line), textWidth(layoutFont_, line)});
    return layouts_.emplace(std::move(key), std::move(lines)).first->second;
}

Renderer::Placed Renderer::placeCellText(const DrawItem& item, const SDL_Rect& box) {
    SDL_Texture* texture = textTexture(item.text);
    if (!texture) return {nullptr, {}};
    int tw = 0, th = 0;
    SDL_QueryTexture(texture, nullptr, nullptr, &tw, &th);
    // A text wider than its cell is drawn narrower: broken in two it would leave the cell.
    const double fit = std::min(1.0, double(box.w) / tw);
    const int w = int(std::lround(tw * fit)), h = int(std::lround(th * fit));
    if (fit < 1.0) texture = narrowedText(item.text, w, h);
    // The texture is one line high, ascent to descent: centring it centres the line.
    return {texture, {box.x + (box.w - w) / 2, box.y + (box.h - h) / 2, w, h}};
}

// Narrowed once, not while copying: a copy that scales gives other pixels when only part
// of it is redrawn.
SDL_Texture* Renderer::narrowedText(const std::string& text, int w, int h) {
    std::string key = text + '\x1e' + std::to_string(w);
    if (auto it = texts_.find(key); it != texts_.end()) return it->second;
    SDL_Surface* wide = TTF_RenderUTF8_Blended(font_, text.c_str(), SDL_Color{255, 255, 255, 255});
    SDL_Surface* narrow =
        wide ? SDL_CreateRGBSurfaceWithFormat(0, w, h, 32, wide->format->format) : nullptr;
    SDL_Texture* texture = nullptr;
    if (narrow && SDL_SoftStretchLinear(wide, nullptr, narrow, nullptr) == 0)
        texture = SDL_CreateTextureFromSurface(renderer_, narrow);
    SDL_FreeSurface(narrow);
    SDL_FreeSurface(wide);
    return texts_[key] = texture;
}

void Renderer::useFontSize(int pixels) {
    pixels = std::max(pixels, 1);
    if (pixels == fontPixels_) return;
    TTF_SetFontSize(font_, pixels);
    fontPixels_ = pixels;
    for (auto& [_, t] : texts_)
        SDL_DestroyTexture(t);
    texts_.clear();
    // The scale has changed: pictures are shown at new sizes too.
    forgetSizedArt();
}

SDL_Texture* Renderer::textTexture(const std::string& text) {
    if (text.empty()) return nullptr;
    if (auto it = texts_.find(text); it != texts_.end()) return it->second;
    // Set white once; each use tints it to the label's colour.
    SDL_Surface* surface =
        TTF_RenderUTF8_Blended(font_, text.c_str(), SDL_Color{255, 255, 255, 255});
    SDL_Texture* texture = surface ? SDL_CreateTextureFromSurface(renderer_, surface) : nullptr;
    SDL_FreeSurface(surface);
    return texts_[text] = texture;
}
