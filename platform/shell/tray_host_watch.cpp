#include "platform/shell/tray_host_watch.h"

#include <xcb/xcb.h>
#include <xcb/xfixes.h>

#include <QGuiApplication>
#include <cstdlib>
#include <memory>
#include <utility>

namespace platform::shell {
namespace {

template <class Reply>
using ReplyPtr = std::unique_ptr<Reply, decltype(&std::free)>;

template <class Reply>
ReplyPtr<Reply> owned(Reply* reply) {
    return ReplyPtr<Reply>(reply, &std::free);
}

xcb_connection_t* x11Connection() {
    auto* app = qGuiApp;
    auto* x11 = app ? app->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return x11 ? x11->connection() : nullptr;
}

// The screen the display name chooses, as Qt's own connection was made.
int screenNumber() {
    char* host = nullptr;
    int display = 0;
    int screen = 0;
    if (xcb_parse_display(nullptr, &host, &display, &screen) == 0) return 0;
    std::free(host);
    return screen;
}

xcb_window_t rootOf(xcb_connection_t* connection, int screen) {
    xcb_screen_iterator_t it = xcb_setup_roots_iterator(xcb_get_setup(connection));
    for (; it.rem > 0; xcb_screen_next(&it), --screen)
        if (screen == 0) return it.data->root;
    return XCB_WINDOW_NONE;
}

xcb_atom_t internAtom(xcb_connection_t* connection, const QByteArray& name) {
    const auto reply = owned(xcb_intern_atom_reply(
        connection,
        xcb_intern_atom(connection, 0, static_cast<std::uint16_t>(name.size()), name.constData()),
        nullptr));
    return reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
}

xcb_window_t selectionOwner(xcb_connection_t* connection, xcb_atom_t selection) {
    const auto reply = owned(xcb_get_selection_owner_reply(
        connection, xcb_get_selection_owner(connection, selection), nullptr));
    return reply ? reply->owner : xcb_window_t{XCB_WINDOW_NONE};
}

}  // namespace

TrayHostWatch::TrayHostWatch(QObject* parent) : QObject(parent) {
    xcb_connection_t* connection = x11Connection();
    if (connection == nullptr) return;
    const xcb_query_extension_reply_t* xfixes = xcb_get_extension_data(connection, &xcb_xfixes_id);
    if (xfixes == nullptr || !xfixes->present) return;
    // The extension wants its version asked once per client before use.
    owned(xcb_xfixes_query_version_reply(
        connection,
        xcb_xfixes_query_version(connection, XCB_XFIXES_MAJOR_VERSION, XCB_XFIXES_MINOR_VERSION),
        nullptr));
    const int screen = screenNumber();
    const xcb_window_t root = rootOf(connection, screen);
    selection_ = internAtom(connection, "_NET_SYSTEM_TRAY_S" + QByteArray::number(screen));
    if (root == XCB_WINDOW_NONE || selection_ == XCB_ATOM_NONE) return;
    xcb_xfixes_select_selection_input(connection, root, selection_,
                                      XCB_XFIXES_SELECTION_EVENT_MASK_SET_SELECTION_OWNER |
                                          XCB_XFIXES_SELECTION_EVENT_MASK_SELECTION_WINDOW_DESTROY |
                                          XCB_XFIXES_SELECTION_EVENT_MASK_SELECTION_CLIENT_CLOSE);
    owner_ = selectionOwner(connection, selection_);
    notifyType_ = xfixes->first_event + XCB_XFIXES_SELECTION_NOTIFY;
    QCoreApplication::instance()->installNativeEventFilter(this);
}

TrayHostWatch::~TrayHostWatch() {
    if (notifyType_ != 0 && QCoreApplication::instance() != nullptr)
        QCoreApplication::instance()->removeNativeEventFilter(this);
}

bool TrayHostWatch::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) {
    if (eventType != "xcb_generic_event_t") return false;
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    if ((event->response_type & 0x7f) != notifyType_) return false;
    const auto* notify = reinterpret_cast<const xcb_xfixes_selection_notify_event_t*>(event);
    if (notify->selection != selection_) return false;
    ownerIs(notify->subtype == XCB_XFIXES_SELECTION_EVENT_SET_SELECTION_OWNER
                ? notify->owner
                : xcb_window_t{XCB_WINDOW_NONE});
    // Qt's clipboard reads these notices too: the event goes on.
    return false;
}

void TrayHostWatch::ownerIs(std::uint32_t owner) {
    if (owner == owner_) return;
    const std::uint32_t before = std::exchange(owner_, owner);
    if (before != XCB_WINDOW_NONE) emit HostChanged(false);
    if (owner != XCB_WINDOW_NONE) emit HostChanged(true);
}

}  // namespace platform::shell
