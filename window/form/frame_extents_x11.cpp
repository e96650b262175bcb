#include "window/form/frame_extents.h"

#include <QWidget>
#include <QWindow>

#include <QGuiApplication>

#include <xcb/xcb.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <thread>
#include <vector>

namespace zarvona {

namespace {

// A window manager answers within a millisecond or two; past this, start-up does without.
constexpr auto Patience = std::chrono::milliseconds(100);
constexpr auto Poll = std::chrono::microseconds(500);

struct FreeReply {
    void operator()(void* reply) const { std::free(reply); }
};
template <typename T> using Reply = std::unique_ptr<T, FreeReply>;

enum Atom { SupportingWmCheck, Supported, RequestFrameExtents, FrameExtents, AtomCount };

std::array<xcb_atom_t, AtomCount> internAtoms(xcb_connection_t* connection)
{
    static constexpr std::array<const char*, AtomCount> names = {
        "_NET_SUPPORTING_WM_CHECK", "_NET_SUPPORTED", "_NET_REQUEST_FRAME_EXTENTS",
        "_NET_FRAME_EXTENTS"};
    std::array<xcb_intern_atom_cookie_t, AtomCount> cookies{};
    for (std::size_t i = 0; i < AtomCount; ++i)
        cookies[i] = xcb_intern_atom(connection, 0,
                                     static_cast<std::uint16_t>(std::strlen(names[i])), names[i]);
    std::array<xcb_atom_t, AtomCount> atoms{};
    for (std::size_t i = 0; i < AtomCount; ++i) {
        const Reply<xcb_intern_atom_reply_t> reply(
            xcb_intern_atom_reply(connection, cookies[i], nullptr));
        atoms[i] = reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
    }
    return atoms;
}

// The values of a property made of 32-bit items; none where it is missing or of another kind.
std::vector<std::uint32_t> property(xcb_connection_t* connection, xcb_window_t window,
                                    xcb_atom_t name, xcb_atom_t type)
{
    // An error (a window that is gone) is taken here, so that it never reaches Qt's queue.
    xcb_generic_error_t* error = nullptr;
    const Reply<xcb_get_property_reply_t> reply(xcb_get_property_reply(
        connection, xcb_get_property(connection, 0, window, name, type, 0, 1024), &error));
    std::free(error);
    if (!reply || reply->format != 32 || reply->type != type)
        return {};
    const auto* values = static_cast<const std::uint32_t*>(xcb_get_property_value(reply.get()));
    return {values, values + xcb_get_property_value_length(reply.get()) / 4};
}

} // namespace

std::optional<QMargins> askFrameExtents(QWidget& window)
{
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (x11 == nullptr || x11->connection() == nullptr)
        return std::nullopt;
    xcb_connection_t* connection = x11->connection();
    const auto id = static_cast<xcb_window_t>(window.winId());
    const Reply<xcb_query_tree_reply_t> tree(
        xcb_query_tree_reply(connection, xcb_query_tree(connection, id), nullptr));
    if (!tree)
        return std::nullopt;
    const xcb_window_t root = tree->root;
    const std::array<xcb_atom_t, AtomCount> atoms = internAtoms(connection);

    // A window manager runs where the window it names as its check names itself; a property left
    // behind by one that has gone names a window that no longer exists.
    const std::vector<std::uint32_t> check =
        property(connection, root, atoms[SupportingWmCheck], XCB_ATOM_WINDOW);
    if (check.size() != 1 ||
        property(connection, check[0], atoms[SupportingWmCheck], XCB_ATOM_WINDOW) != check)
        return std::nullopt;
    const std::vector<std::uint32_t> supported =
        property(connection, root, atoms[Supported], XCB_ATOM_ATOM);
    if (std::find(supported.begin(), supported.end(), atoms[RequestFrameExtents]) ==
        supported.end())
        return std::nullopt;

    xcb_client_message_event_t request{};
    request.response_type = XCB_CLIENT_MESSAGE;
    request.format = 32;
    request.window = id;
    request.type = atoms[RequestFrameExtents];
    xcb_send_event(connection, 0, root,
                   XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY | XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT,
                   reinterpret_cast<const char*>(&request));
    xcb_flush(connection);

    // The answer is the property set on the window; Qt's own thread reads the connection's
    // events, so the property is read until it is there.
    const auto deadline = std::chrono::steady_clock::now() + Patience;
    for (;;) {
        const std::vector<std::uint32_t> extents =
            property(connection, id, atoms[FrameExtents], XCB_ATOM_CARDINAL);
        if (extents.size() == 4) {
            // Left, right, top, bottom, in the screen's pixels.
            const qreal ratio =
                window.windowHandle() ? window.windowHandle()->devicePixelRatio() : 1;
            const auto scaled = [ratio](std::uint32_t v) { return qRound(v / ratio); };
            return QMargins(scaled(extents[0]), scaled(extents[2]), scaled(extents[1]),
                            scaled(extents[3]));
        }
        if (std::chrono::steady_clock::now() >= deadline)
            return std::nullopt;
        std::this_thread::sleep_for(Poll);
    }
}

} // namespace zarvona
