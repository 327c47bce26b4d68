#include "controller/preview_host.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QThread>

#if defined(QUARVEL_HAVE_XCB) && QT_CONFIG(xcb)
#include <cstdlib>
#include <memory>
#include <xcb/xcb.h>

namespace {

struct FreeReply {
    void operator()(void* reply) const { std::free(reply); }
};

template <typename Reply> using ReplyPtr = std::unique_ptr<Reply, FreeReply>;

} // namespace

THostWindow QueryHostWindow(std::uint64_t id, QSize* size)
{
    auto* x11 = qApp == nullptr ? nullptr : qApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t* connection = x11 == nullptr ? nullptr : x11->connection();
    if (connection == nullptr) {
        return THostWindow::Unknown;
    }
    // Both requests go out before either reply is awaited: one round trip.
    // Errors come back with the reply instead of reaching Qt's event queue.
    const auto window = static_cast<xcb_window_t>(id);
    const xcb_get_window_attributes_cookie_t attributesCookie = xcb_get_window_attributes(connection, window);
    const xcb_get_geometry_cookie_t geometryCookie = xcb_get_geometry(connection, window);
    xcb_generic_error_t* error = nullptr;
    const ReplyPtr<xcb_get_window_attributes_reply_t> attributes(
        xcb_get_window_attributes_reply(connection, attributesCookie, &error));
    std::free(error);
    error = nullptr;
    const ReplyPtr<xcb_get_geometry_reply_t> geometry(
        xcb_get_geometry_reply(connection, geometryCookie, &error));
    std::free(error);
    if (!attributes || !geometry) {
        return THostWindow::Gone;
    }
    if (size != nullptr) {
        *size = QSize(geometry->width, geometry->height);
    }
    // A window whose own frame was hidden is as gone from view as an unmapped one.
    return attributes->map_state == XCB_MAP_STATE_VIEWABLE ? THostWindow::Shown : THostWindow::Hidden;
}

#else

THostWindow QueryHostWindow(std::uint64_t, QSize*)
{
    return THostWindow::Unknown;
}

#endif

THostWindow WaitForHostWindow(std::uint64_t id, QSize& size, int timeoutMs)
{
    QElapsedTimer waited;
    waited.start();
    THostWindow state = QueryHostWindow(id, &size);
    while (state == THostWindow::Hidden && !waited.hasExpired(timeoutMs)) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(20);
        state = QueryHostWindow(id, &size);
    }
    return state;
}
