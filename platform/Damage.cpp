#include "Damage.h"

#include <algorithm>

namespace {
// Longest common subsequences beyond this many pairs are not looked for: so many
// changes redraw about everything anyway.
constexpr std::size_t kMaxPairs = 1 << 16;

long long area(const SDL_Rect& r) {
    return (long long)r.w * r.h;
}

// For each item of a[from, a.size() - tail), the index of its match in b, or -1: a longest
// common subsequence of the two middles, so that matched items keep their order.
std::vector<int> matchMiddle(const std::vector<DrawItem>& a, const std::vector<DrawItem>& b,
                             std::size_t from, std::size_t tail) {
    const std::size_t n = a.size() - from - tail, m = b.size() - from - tail;
    std::vector<int> match(n, -1);
    if (n == 0 || m == 0 || n * m > kMaxPairs) return match;
    // Lengths of common subsequences of the suffixes, walked forward to recover one.
    std::vector<std::vector<int>> len(n + 1, std::vector<int>(m + 1, 0));
    for (std::size_t i = n; i-- > 0;)
        for (std::size_t j = m; j-- > 0;)
            len[i][j] = a[from + i] == b[from + j] ? len[i + 1][j + 1] + 1
                                                   : std::max(len[i + 1][j], len[i][j + 1]);
    for (std::size_t i = 0, j = 0; i < n && j < m;) {
        if (a[from + i] == b[from + j]) {
            match[i++] = int(j++);
        } else if (len[i + 1][j] >= len[i][j + 1]) {
            ++i;
        } else {
            ++j;
        }
    }
    return match;
}

// Whether a gap only moved or resized fills, each keeping its colour, clip and place in
// the stacking order (the curtains closing): where such a fill lay before and lies now,
// it shows the same colour, so only the edges it crossed change.
bool onlyFillsMoved(const std::vector<DrawItem>& a, const std::vector<DrawItem>& b, std::size_t i,
                    std::size_t j, std::size_t gone, std::size_t fresh) {
    if (gone != fresh) return false;
    for (std::size_t k = 0; k < gone; ++k) {
        const DrawItem &was = a[i + k], &is = b[j + k];
        if (was.kind != DrawItem::Kind::Fill || is.kind != DrawItem::Kind::Fill ||
            was.color != is.color || was.clip != is.clip)
            return false;
    }
    return true;
}

} // namespace

std::vector<SDL_Rect> changedArea(const DrawnList& before, DrawnList& after,
                                  const ReachOf& reachOf) {
    const auto& a = before.items;
    const auto& b = after.items;
    std::size_t head = 0, tail = 0;
    while (head < a.size() && head < b.size() && a[head] == b[head])
        ++head;
    while (tail < a.size() - head && tail < b.size() - head &&
           a[a.size() - 1 - tail] == b[b.size() - 1 - tail])
        ++tail;
    after.reach.assign(b.size(), SDL_Rect{});
    for (std::size_t i = 0; i < head; ++i)
        after.reach[i] = before.reach[i];
    for (std::size_t i = 1; i <= tail; ++i)
        after.reach[b.size() - i] = before.reach[a.size() - i];

    // Between two matched items lies a gap: items of `before` gone, items of `after` new.
    const std::vector<int> match = matchMiddle(a, b, head, tail);
    const std::size_t n = a.size() - head - tail, m = b.size() - head - tail;
    std::vector<SDL_Rect> changed;
    for (std::size_t i = 0, j = 0;;) {
        std::size_t gone = i;
        while (gone < n && match[gone] < 0)
            ++gone;
        const std::size_t fresh = gone < n ? std::size_t(match[gone]) : m;
        for (std::size_t k = j; k < fresh; ++k)
            after.reach[head + k] = reachOf(b[head + k]);
        if (onlyFillsMoved(a, b, head + i, head + j, gone - i, fresh - j)) {
            for (std::size_t k = 0; k < gone - i; ++k) {
                const SDL_Rect &was = before.reach[head + i + k], &is = after.reach[head + j + k];
                uncovered(was, is, changed);
                uncovered(is, was, changed);
            }
        } else {
            for (std::size_t k = i; k < gone; ++k)
                changed.push_back(before.reach[head + k]);
            for (std::size_t k = j; k < fresh; ++k)
                changed.push_back(after.reach[head + k]);
        }
        if (gone == n) break;
        after.reach[head + fresh] = before.reach[head + gone];
        i = gone + 1, j = fresh + 1;
    }
    std::erase_if(changed, [](const SDL_Rect& r) { return r.w <= 0 || r.h <= 0; });
    return mergeRects(std::move(changed));
}

void uncovered(const SDL_Rect& r, const SDL_Rect& hole, std::vector<SDL_Rect>& out) {
    SDL_Rect in;
    if (!SDL_IntersectRect(&r, &hole, &in)) {
        out.push_back(r);
        return;
    }
    out.push_back({r.x, r.y, r.w, in.y - r.y});
    out.push_back({r.x, in.y + in.h, r.w, r.y + r.h - in.y - in.h});
    out.push_back({r.x, in.y, in.x - r.x, in.h});
    out.push_back({in.x + in.w, in.y, r.x + r.w - in.x - in.w, in.h});
}

std::vector<SDL_Rect> mergeRects(std::vector<SDL_Rect> rects) {
    for (bool merged = true; merged;) {
        merged = false;
        for (std::size_t i = 0; i < rects.size() && !merged; ++i)
            for (std::size_t j = i + 1; j < rects.size() && !merged; ++j) {
                SDL_Rect both;
                SDL_UnionRect(&rects[i], &rects[j], &both);
                if (area(both) > area(rects[i]) + area(rects[j])) continue;
                rects[i] = both;
                rects.erase(rects.begin() + long(j));
                merged = true;
            }
    }
    return rects;
}
