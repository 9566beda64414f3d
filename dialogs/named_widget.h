#pragma once
// Dialog widgets carry the names their handlers and the tests know them by.

#include <QString>
#include <utility>

namespace quorvin {

// A new widget W(args...) with that object name.
template <typename W, typename... Args>
W* Named(const QString& name, Args&&... args) {
  auto* widget = new W(std::forward<Args>(args)...);
  widget->setObjectName(name);
  return widget;
}

}  // namespace quorvin
