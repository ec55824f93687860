#include "gui/WindowPlacement.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <algorithm>

namespace parlhora {

namespace {

// Enough of the title bar to grab the window by.
constexpr int kGrabWidth = 64;
constexpr int kGrabHeight = 24;
// Far beyond any desktop; keeps the arithmetic inside int.
constexpr qint64 kFar = 1 << 20;

qint64 clamp(qint64 v, qint64 lo, qint64 hi) { return std::max(lo, std::min(v, hi)); }

bool grabbable(const QRect& frame, const QRect& screen) {
  const QRect strip(frame.left(), frame.top(), frame.width(), std::min(frame.height(), kGrabHeight));
  const QRect seen = strip.intersected(screen);
  return frame.top() >= screen.top() && seen.width() >= std::min(frame.width(), kGrabWidth) &&
         seen.height() >= strip.height();
}

qint64 distance(const QRect& frame, const QRect& screen) {
  const QPoint c = frame.center();
  const qint64 dx = c.x() < screen.left() ? screen.left() - c.x() : std::max(0, c.x() - screen.right());
  const qint64 dy = c.y() < screen.top() ? screen.top() - c.y() : std::max(0, c.y() - screen.bottom());
  return dx * dx + dy * dy;
}

QMargins frameMargins(const QWidget& w) {
  const QRect outer = w.frameGeometry(), inner = w.geometry();
  return {inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
          outer.bottom() - inner.bottom()};
}

}  // namespace

QRect WindowPlacement::onScreen(qint64 left, qint64 top, qint64 width, qint64 height,
                                const QList<QRect>& screens) {
  const QRect frame(clamp(left, -kFar, kFar), clamp(top, -kFar, kFar), clamp(width, 1, kFar),
                    clamp(height, 1, kFar));
  if (screens.isEmpty()) return frame;
  for (const QRect& s : screens)
    if (grabbable(frame, s)) return frame;
  const QRect nearest = *std::min_element(
      screens.begin(), screens.end(),
      [&frame](const QRect& a, const QRect& b) { return distance(frame, a) < distance(frame, b); });
  const int w = std::min(frame.width(), nearest.width()), h = std::min(frame.height(), nearest.height());
  const int x = clamp(frame.left(), nearest.left(), nearest.right() + 1 - w);
  const int y = clamp(frame.top(), nearest.top(), nearest.bottom() + 1 - h);
  return {x, y, w, h};
}

QList<QRect> WindowPlacement::screens() {
  QList<QRect> areas;
  for (const QScreen* s : QGuiApplication::screens()) areas << s->availableGeometry();
  return areas;
}

WindowPlacement::WindowPlacement(QWidget& window) : QObject(&window), window_(window) {
  window.installEventFilter(this);
}

WindowPlacement& WindowPlacement::of(QWidget& window) {
  auto* existing = window.findChild<WindowPlacement*>(QString(), Qt::FindDirectChildrenOnly);
  return existing ? *existing : *new WindowPlacement(window);
}

void WindowPlacement::place(QWidget& window, int left, int top, int width, int height) {
  const QSize smallest = window.minimumSizeHint().expandedTo(window.minimumSize());
  const QMargins m = frameMargins(window);
  const int w = std::max(width, smallest.width() + m.left() + m.right());
  const int h = std::max(height, smallest.height() + m.top() + m.bottom());
  WindowPlacement& p = of(window);
  p.wanted_ = onScreen(left, top, w, h, screens());
  p.keepSize_ = false;
  p.apply();
}

void WindowPlacement::placeAt(QWidget& window, int left, int top) {
  WindowPlacement& p = of(window);
  const QRect frame = frameOf(window);
  p.wanted_ = onScreen(left, top, frame.width(), frame.height(), screens());
  p.keepSize_ = true;
  p.apply();
}

void WindowPlacement::apply() {
  const QMargins m = frameMargins(window_);
  // Unframed yet: a window manager may still add a border.
  pending_ = m.isNull();
  if (!keepSize_)
    window_.resize(wanted_.width() - m.left() - m.right(), wanted_.height() - m.top() - m.bottom());
  // move() places the frame of a top-level window, not its inside.
  window_.move(wanted_.topLeft());
}

QRect WindowPlacement::frameOf(const QWidget& window) { return window.frameGeometry(); }

bool WindowPlacement::eventFilter(QObject* watched, QEvent* event) {
  if (watched == &window_ && pending_ && window_.isVisible() &&
      (event->type() == QEvent::Move || event->type() == QEvent::Resize || event->type() == QEvent::Show)) {
    if (!frameMargins(window_).isNull())
      apply();
    else if (event->type() == QEvent::Show)
      // A frame can arrive without a move or resize of the window itself.
      retryWhenFramed(40);
  }
  return QObject::eventFilter(watched, event);
}

void WindowPlacement::retryWhenFramed(int triesLeft) {
  QTimer::singleShot(50, this, [this, triesLeft] {
    if (!pending_ || !window_.isVisible()) return;
    if (!frameMargins(window_).isNull())
      apply();
    else if (triesLeft > 1)
      retryWhenFramed(triesLeft - 1);
  });
}

}  // namespace parlhora
