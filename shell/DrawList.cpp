#include "DrawList.h"

#include "Controls.h"

namespace {
TwipRect intersect(const TwipRect& a, const TwipRect& b) {
    int l = std::max(a.left, b.left), t = std::max(a.top, b.top);
    int r = std::min(a.right(), b.right()), btm = std::min(a.bottom(), b.bottom());
    return {l, t, std::max(0, r - l), std::max(0, btm - t)};
}

DrawItem fillItem(const TwipRect& box, const TwipRect& clip, Color color) {
    DrawItem item;
    item.box = box;
    item.clip = clip;
    item.color = color;
    return item;
}

DrawItem textItem(const TwipRect& box, const TwipRect& clip, Color color, std::string text,
                  Align alignment) {
    DrawItem item = fillItem(box, clip, color);
    item.kind = DrawItem::Kind::Text;
    item.text = std::move(text);
    item.alignment = alignment;
    return item;
}

class Builder {
  public:
    explicit Builder(std::vector<DrawItem>& out) : out_(out) {}

    void element(const Element& e, int originX, int originY, const TwipRect& clip) {
        if (!e.visible) return;
        TwipRect box{originX + e.left, originY + e.top, e.width, e.height};
        if (auto* panel = dynamic_cast<const Panel*>(&e)) return this->panel(*panel, box, clip);
        if (auto* label = dynamic_cast<const Label*>(&e))
            return this->label(*label, box, clip, originX, originY);
        if (auto* picture = dynamic_cast<const Picture*>(&e))
            return this->picture(*picture, box, clip);
    }

  private:
    void panel(const Panel& p, const TwipRect& box, const TwipRect& clip) {
        out_.push_back(fillItem(box, clip, p.backColor));
        TwipRect inner = intersect(box, clip);
        for (const Element* child : p.children)
            element(*child, box.left, box.top, inner);
    }

    void label(const Label& l, const TwipRect& box, const TwipRect& clip, int originX,
               int originY) {
        if (!l.transparent) out_.push_back(fillItem(box, clip, l.backColor));
        TwipRect inner = intersect(box, clip);
        if (!l.cells.empty()) {
            for (const CellText& c : l.cells)
                out_.push_back(textItem({originX + c.left, originY + c.top, c.width, c.height},
                                        inner, l.foreColor, c.text, Align::CentreMiddle));
            return;
        }
        if (!l.caption.empty())
            out_.push_back(textItem(box, inner, l.foreColor, l.caption, l.alignment));
    }

    void picture(const Picture& p, TwipRect box, const TwipRect& clip) {
        if (p.picture == Art::None) return;
        if (!p.stretch) {
            box.width = artInfo(p.picture).width * 15;
            box.height = artInfo(p.picture).height * 15;
        }
        DrawItem item = fillItem(box, clip, {});
        item.kind = DrawItem::Kind::Picture;
        item.art = p.picture;
        out_.push_back(item);
    }

    std::vector<DrawItem>& out_;
};
} // namespace

std::vector<DrawItem> buildDrawList(const Controls& window) {
    std::vector<DrawItem> list;
    list.reserve(256);
    const TwipRect client{0, 0, Controls::clientWidth, Controls::clientHeight};
    list.push_back(fillItem(client, client, window.backColor));
    Builder builder(list);
    for (const Element* e : window.stacking)
        builder.element(*e, 0, 0, client);
    return list;
}
