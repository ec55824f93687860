#pragma once

#include <QList>
#include <QObject>
#include <QRect>

class QWidget;

namespace parlhora {

/// Puts a top-level window at a remembered frame geometry (the outer
/// rectangle, title bar and border included, as saved) and reads it back
/// the same way, so a window stays where it was put across hide, show and
/// restart. The border is known only once the window manager has framed
/// the window; until then the size is a guess that is corrected once, when
/// the frame appears. Main thread only.
class WindowPlacement : public QObject {
  Q_OBJECT

 public:
  /// The frame rectangle moved onto a visible screen: kept when its title
  /// strip lies on one of `screens`, else moved (and shrunk) onto the
  /// nearest. Values of any size are safe.
  static QRect onScreen(qint64 left, qint64 top, qint64 width, qint64 height, const QList<QRect>& screens);
  /// Places `window` with its frame at this rectangle, on a visible screen;
  /// a width or height below the window's smallest useful size takes that.
  static void place(QWidget& window, int left, int top, int width, int height);
  /// Moves `window` with its frame to this place, on a visible screen; the
  /// size stays.
  static void placeAt(QWidget& window, int left, int top);
  /// The frame rectangle as placed: what place() takes back unchanged.
  static QRect frameOf(const QWidget& window);
  /// The screens' available areas.
  static QList<QRect> screens();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  explicit WindowPlacement(QWidget& window);
  static WindowPlacement& of(QWidget& window);
  void apply();
  void retryWhenFramed(int triesLeft);

  QWidget& window_;
  QRect wanted_;           // frame rectangle asked for
  bool keepSize_ = false;  // placeAt: only the position
  bool pending_ = false;   // the frame was not known when placed
};

}  // namespace parlhora
