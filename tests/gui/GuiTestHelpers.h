#pragma once

#include <QCoreApplication>
#include <QMouseEvent>
#include <QObject>
#include <QWidget>
#include <memory>

namespace parlhora {

/// Counts emissions of a signal (QtTest is not linked into the test programs).
template <typename Sender, typename Signal>
std::shared_ptr<int> countEmissions(Sender* sender, Signal signal) {
  auto count = std::make_shared<int>(0);
  QObject::connect(sender, signal, [count](auto&&...) { ++*count; });
  return count;
}

/// A press and a release of `button` at `pos` (widget coordinates).
inline void clickAt(QWidget* widget, QPoint pos, Qt::MouseButton button = Qt::LeftButton) {
  const QPointF local(pos);
  const QPointF global(widget->mapToGlobal(pos));
  QMouseEvent press(QEvent::MouseButtonPress, local, global, button, button, Qt::NoModifier);
  QMouseEvent release(QEvent::MouseButtonRelease, local, global, button, Qt::NoButton, Qt::NoModifier);
  QCoreApplication::sendEvent(widget, &press);
  QCoreApplication::sendEvent(widget, &release);
}

}  // namespace parlhora
