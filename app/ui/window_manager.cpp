#include "app/ui/window_manager.h"

#include <QGuiApplication>

#if QT_CONFIG(xcb)
#include <QtGui/qguiapplication_platform.h>
#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>
#include <memory>
#endif

namespace cs {

#if QT_CONFIG(xcb)

namespace {

struct FreeReply {
  void operator()(void* p) const { std::free(p); }
};
template <class T>
using Reply = std::unique_ptr<T, FreeReply>;

xcb_atom_t existingAtom(xcb_connection_t* c, const char* name) {
  Reply<xcb_intern_atom_reply_t> r(
      xcb_intern_atom_reply(c, xcb_intern_atom(c, 1, uint16_t(std::strlen(name)), name), nullptr));
  return r ? r->atom : xcb_atom_t(XCB_ATOM_NONE);
}

// The window that `window`'s property `atom` of type WINDOW names, or none.
// The error of a window that no longer exists is taken here, so that Qt's
// event loop does not report it.
xcb_window_t windowProperty(xcb_connection_t* c, xcb_window_t window, xcb_atom_t atom) {
  xcb_generic_error_t* error = nullptr;
  Reply<xcb_get_property_reply_t> r(
      xcb_get_property_reply(c, xcb_get_property(c, 0, window, atom, XCB_ATOM_WINDOW, 0, 1), &error));
  std::free(error);
  if (!r || r->type != XCB_ATOM_WINDOW || r->format != 32 || xcb_get_property_value_length(r.get()) != 4)
    return XCB_WINDOW_NONE;
  xcb_window_t named;
  std::memcpy(&named, xcb_get_property_value(r.get()), sizeof named);
  return named;
}

}  // namespace

bool WindowManagerRunning() {
  auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
  xcb_connection_t* c = x11 ? x11->connection() : nullptr;
  if (!c) return false;
  const xcb_atom_t check = existingAtom(c, "_NET_SUPPORTING_WM_CHECK");
  if (check == XCB_ATOM_NONE) return false;
  const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
  // The manager's check window names itself: a property left behind by a
  // manager that has gone names a window that is gone too.
  const xcb_window_t manager = windowProperty(c, root, check);
  return manager != XCB_WINDOW_NONE && windowProperty(c, manager, check) == manager;
}

#else

bool WindowManagerRunning() { return false; }

#endif

}  // namespace cs
