#include "shell/event_table.h"

#include "browser/handlers.h"
#include "shell/about.h"
#include "shell/form_load.h"
#include "ui/runtime_error.h"

#include <array>
#include <new>

namespace zarvona {

namespace {

struct Wiring {
    Control control;
    Event event;
    Handler handler;
};

constexpr std::array<Wiring, 15> Wired = {{
    {Control::Form1, Event::Load, Form_Load},
    {Control::Form1, Event::MouseMove, Form_MouseMove},
    {Control::Next1, Event::Click, Next1_Click},
    {Control::Next1, Event::MouseMove, Next1_MouseMove},
    {Control::Back, Event::Click, Back_Click},
    {Control::Back, Event::MouseMove, Back_MouseMove},
    {Control::List1, Event::Click, List1_Click},
    {Control::Image2, Event::Click, Image2_Click},
    {Control::Image2, Event::MouseMove, Image2_MouseMove},
    {Control::About, Event::Click, About_Click},
    {Control::About, Event::MouseMove, About_MouseMove},
    {Control::Label1, Event::MouseMove, Label1_MouseMove},
    {Control::Label2, Event::MouseMove, Label2_MouseMove},
    {Control::Label4, Event::MouseMove, Label4_MouseMove},
    {Control::Label5, Event::MouseMove, Label5_MouseMove},
}};

// The same wiring as a table indexed by control and event, for the pointer's hot path.
constexpr auto Table = [] {
    std::array<std::array<Handler, 3>, ControlCount> table{};
    for (const Wiring& w : Wired)
        table[static_cast<std::size_t>(w.control)][static_cast<std::size_t>(w.event)] = w.handler;
    return table;
}();

} // namespace

Handler handlerFor(Control control, Event event)
{
    return Table.at(static_cast<std::size_t>(control)).at(static_cast<std::size_t>(event));
}

bool raiseEvent(Form& form, Control control, Event event, const ErrorReport& report)
{
    const Handler handler = handlerFor(control, event);
    if (handler == nullptr)
        return true;
    try {
        handler(form);
        return true;
    } catch (const RuntimeError& error) {
        report(error);
    } catch (const std::bad_alloc&) {
        report(RuntimeError(OutOfMemory, "Out of memory"));
    } catch (const std::exception& error) {
        report(RuntimeError(InternalError, std::string("Internal error: ") + error.what()));
    }
    return false;
}

} // namespace zarvona
