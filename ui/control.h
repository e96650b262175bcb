// The window and its fifteen controls, by the names the program's handlers use, and the
// colour values they share. Only names and values live here; what each control looks like is
// in the window definition.
#pragma once

#include <cstdint>
#include <string_view>

namespace zarvona {

// Form1 is the window itself; the others follow the stacking order, front to back.
enum class Control {
    Form1,  // the window itself
    List1,  // the pop-up list of riddle numbers
    Line2,  // the rule under the question band
    Line1,  // the rule along the top edge
    Label1, // the question
    Shape2, // the cross-hatched band behind the question
    About,  // the About button (a target glyph)
    Image4, // hidden holder of the reveal button's resting picture
    Image3, // hidden holder of the reveal button's hover picture
    Image2, // the reveal button (the picture الجواب)
    Label4, // the list opener (a disc with an arrow pointing up)
    Next1,  // the Next button (an arrow pointing left)
    Back,   // the Back button (an arrow pointing right)
    Label2, // the answer, hidden until revealed
    Label5, // the counter: the current riddle number
    Shape1, // the oval behind the counter
};
inline constexpr int ControlCount = 16;

std::string_view controlName(Control control);

// A 24-bit colour written &HBBGGRR: blue in the high byte, red in the low byte.
using Colour = std::uint32_t;

inline constexpr Colour IdleForeColor = 0xECD3B3;
inline constexpr Colour HotForeColor = 0x9F5914;

inline constexpr int redOf(Colour c) { return static_cast<int>(c & 0xFF); }
inline constexpr int greenOf(Colour c) { return static_cast<int>((c >> 8) & 0xFF); }
inline constexpr int blueOf(Colour c) { return static_cast<int>((c >> 16) & 0xFF); }

// Twips are 1/1440 inch; the layout is fixed at 15 twips to a pixel.
inline constexpr int TwipsPerPixel = 15;

} // namespace zarvona
