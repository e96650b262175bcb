// The window and its fifteen controls, by the names the program's handlers use, and the
// colour values they share. Only names and values live here; what each control looks like is
// in the window definition.
#pragma once

#include <cstdint>
#include <string_view>

namespace zarvona {

// Form1 is the window itself; the others follow the stacking order, front to back.
enum class Control {
    Form1,
    List1,
    Line2,
    Line1,
    Label1,
    Shape2,
    About,
    Image4,
    Image3,
    Image2,
    Label4,
    Next1,
    Back,
    Label2,
    Label5,
    Shape1,
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
