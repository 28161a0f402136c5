// The four kinds of window element (panel, label, picture, timer) and element
// arrays told apart by index. Positions and sizes are in twips (15 to the pixel).
#pragma once
#include "Align.h"
#include "Art.h"
#include "Color.h"

#include <array>
#include <stdexcept>
#include <string>
#include <vector>

class Panel;

struct Element {
    virtual ~Element() = default;
    int left = 0, top = 0, width = 0, height = 0;
    bool visible = true;
    const Panel* parent = nullptr; // children are placed relative to their panel and clipped to it
};

class Panel : public Element {
  public:
    Color backColor;
    std::vector<const Element*> children; // stacking order, bottom first
};

// A text drawn at its own place inside a label, instead of the wrapped caption.
struct CellText {
    std::string text;
    int left, top, width, height; // relative to the label's container
};

struct Label : Element {
    std::string caption;
    Color backColor;
    Color foreColor;
    bool transparent = false;
    Align alignment = Align::Left;
    std::vector<CellText> cells;
};

struct Picture : Element {
    Art picture = Art::None;
    bool stretch = false;

    // Without stretching, the element takes the picture's own size.
    void setPicture(Art art) {
        picture = art;
        if (!stretch && art != Art::None) {
            width = artInfo(art).width * 15;
            height = artInfo(art).height * 15;
        }
    }
};

// Elements sharing a name, told apart by an index from First to Last.
template <class T, int First, int Last> class ElementArray {
  public:
    T& operator()(int index) { return items_.at(slot(index)); }
    const T& operator()(int index) const { return items_.at(slot(index)); }
    static constexpr int first = First;
    static constexpr int last = Last;

  private:
    static std::size_t slot(int index) {
        if (index < First || index > Last) throw std::out_of_range("element index");
        return static_cast<std::size_t>(index - First);
    }
    std::array<T, Last - First + 1> items_{};
};
