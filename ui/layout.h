// Creating the windows' widgets: each is placed in its window's client
// area and given its decoration, as the host expects of every widget.
#ifndef TESSAROLL_UI_LAYOUT_H_
#define TESSAROLL_UI_LAYOUT_H_

#include <utility>

#include "host/ewidget.h"

/// Creates a W child of `parent` (which owns it) with `args` after the
/// parent, at `pos` with `size`.
template <class W, class... Args>
W* place(eWidget* parent, ePoint pos, eSize size, Args&&... args) {
  W* widget = new W(parent, std::forward<Args>(args)...);
  widget->move(pos);
  widget->resize(size);
  widget->loadDeco();
  return widget;
}

/// A button pressed by the coloured `key` ("green", "red") as well as by ok.
inline eButton* placeKeyButton(eWidget* parent, const char* text,
                               const char* key, ePoint pos, eSize size) {
  eButton* button = place<eButton>(parent, pos, size, nullptr, 1, "eButton");
  button->setShortcut(key);
  button->setShortcutPixmap(key);
  button->setText(text);
  return button;
}

#endif  // TESSAROLL_UI_LAYOUT_H_
