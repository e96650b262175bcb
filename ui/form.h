// The control model: everything the program's logic may do to its window. Handlers, the
// riddle display, start-up and the About message are written against this interface alone,
// so that the same code drives the real Qt window and the in-memory model that tests inspect.
//
// Every operation may fail with a RuntimeError; an operation that a control does not have
// (a picture on a label, say) raises error 438.
#pragma once

#include "ui/control.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace zarvona {

// A picture object. Image controls hold references to one: assigning one control's picture to
// another shares the object, it copies no image data. Implementations derive from it.
class Picture {
  public:
    virtual ~Picture() = default;
};
using PictureRef = std::shared_ptr<const Picture>;

// The events a window raises for its controls; which handler runs is the program's business.
enum class Event { Load, Click, MouseMove };

// Message box style flags, as the About box uses them.
inline constexpr int MsgBoxRightAligned = 0x80000;
inline constexpr int MsgBoxRtlReading = 0x100000;

class Form {
  public:
    virtual ~Form() = default;

    // Labels: the whole text, exactly as written (line breaks included).
    virtual std::u16string caption(Control control) const = 0;
    virtual void setCaption(Control control, std::u16string_view text) = 0;

    virtual bool visible(Control control) const = 0;
    virtual void setVisible(Control control, bool visible) = 0;

    // The list box: the text of the selected item, empty when none is selected.
    virtual std::u16string text(Control control) const = 0;

    virtual Colour foreColor(Control control) const = 0;
    virtual void setForeColor(Control control, Colour colour) = 0;

    // Images: the picture object held, or null for none.
    virtual PictureRef picture(Control control) const = 0;
    virtual void setPicture(Control control, PictureRef picture) = 0;

    // The window's outer size, title and border included, and the screen's size, in twips.
    virtual float width() const = 0;
    virtual float height() const = 0;
    virtual float screenWidth() const = 0;
    virtual float screenHeight() const = 0;
    // Moves the window's outer top-left corner; an omitted Top keeps the current one.
    virtual void move(float left, std::optional<std::int32_t> top) = 0;

    // Starts the named sound file playing and returns at once. The sound layer finds the file
    // (the current directory first, then the cues installed with the program) and never fails:
    // a missing file or a silent machine is its business.
    virtual void playCue(std::string_view fileName) = 0;

    // Shows a modal message box titled with the application's title; returns the button.
    virtual int msgBox(std::u16string_view prompt, int style) = 0;
};

} // namespace zarvona
