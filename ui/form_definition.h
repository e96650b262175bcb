// The window definition: the window Form1 and its fifteen controls as one table of data, in
// stacking order (front to back). The Qt window is built from it, the in-memory model starts
// from it and pointer routing is decided by it; a control's rectangle, font or colour is
// written here and nowhere else.
#pragma once

#include "ui/control.h"

#include <algorithm>
#include <array>
#include <limits>
#include <span>
#include <string_view>
#include <vector>

namespace zarvona {

enum class ControlKind { Label, ListBox, Image, Shape, Line };

// The glyph a symbol-font label shows, drawn by other means where the symbol font is missing.
enum class Glyph { None, Target, ArrowUp, ArrowLeft, ArrowRight };

enum class ShapeKind { Rectangle, Oval };
enum class FillStyle { Solid, DiagonalCross };

struct TwipsRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

struct FontSpec {
    std::string_view face;
    double points = 0;
    int weight = 400;
    // From one line's baseline to the next, in ems of this face; zero where the face's own
    // spacing serves.
    double lineHeight = 0;
};

// What assistive technology takes a control for.
enum class ReaderRole { None, Text, Button, List };

// What a reader hears once a click on the control is done: the new riddle, the answer, or
// nothing more than the click itself tells.
enum class Heard { Nothing, Riddle, Answer };

struct ControlDefinition {
    Control control = Control::Form1;
    ControlKind kind = ControlKind::Label;
    TwipsRect rect; // lines: the box spanned by their two end points
    std::u16string_view caption;
    FontSpec font;
    Colour foreColor = 0;        // text, glyph, line or fill colour
    Colour backColor = 0xFFFFFF; // the list's: labels paint nothing behind their text
    bool centred = false;        // text alignment: centred, or left
    bool rightToLeft = false;
    bool visible = true;
    Glyph glyph = Glyph::None;
    ShapeKind shape = ShapeKind::Rectangle;
    FillStyle fill = FillStyle::Solid;
    int lineWidthPixels = 1;
    std::string_view picture; // an image's picture at start: one of the program's pictures
    int listItemCount = 0;    // list box items are the numbers "1" to listItemCount
    int listVisibleRows = 0;
    // What assistive technology is told, in Arabic: a button's or the list's name, or what a text
    // holds (the question, the answer, the number); a button's keys are its description, and its
    // tooltip gives the name and the keys.
    std::u16string_view spokenName;
    std::u16string_view keys;
    ReaderRole role = ReaderRole::None;
    // Its place among the window's children as a reader lists them, and in the order Tab visits
    // the controls (right to left, top to bottom); zero: not there.
    int readerPosition = 0;
    int tabPosition = 0;
    Heard heard = Heard::Nothing;
    // Pressed without the pointer, it opens the number list as pointing at it does, and hands
    // the list the keyboard; or it opens a modal box.
    bool opensList = false;
    bool opensBox = false;
};

struct FormDefinition {
    std::u16string_view caption;
    int clientWidth = 0; // twips
    int clientHeight = 0;
    Colour backColor = 0;
    int openingLeft = 0;
    int openingTop = 0;
    // Every control but the window, in the order of the Control enumeration (the stacking order).
    std::span<const ControlDefinition> controls;
    // What a reader hears once a click is done (Heard): the riddle as these texts, joined by
    // ". " (the number, then the question), and the answer as this one.
    std::array<Control, 2> riddleHeard{};
    Control answerHeard = Control::Form1;

    // A control's row, found by its number. The window has none: asking for it stops the program.
    const ControlDefinition& operator[](Control control) const;

    // The controls that have a place in the order, in that order.
    std::vector<Control> inOrder(int ControlDefinition::*position) const;
};

const FormDefinition& form1Definition();

// Labels, images and the list box take pointer events; shapes and lines never do.
bool takesPointer(ControlKind kind);

// Twips to the nearest pixel (halves away from zero), within the range of an int: the one
// conversion from the definition's and the handlers' twips to the window's pixels.
inline constexpr int twipsToPixels(double twips)
{
    const double pixels = twips / TwipsPerPixel;
    const double rounded = pixels < 0 ? pixels - 0.5 : pixels + 0.5;
    return static_cast<int>(std::clamp(rounded, double(std::numeric_limits<int>::min()),
                                       double(std::numeric_limits<int>::max())));
}

// A rectangle of the fixed layout in pixels of the client area.
struct PixelRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;

    bool contains(int x, int y) const
    {
        return x >= left && x < left + width && y >= top && y < top + height;
    }
};

inline constexpr PixelRect inPixels(const TwipsRect& r)
{
    return {twipsToPixels(r.left), twipsToPixels(r.top), twipsToPixels(r.width),
            twipsToPixels(r.height)};
}

} // namespace zarvona
