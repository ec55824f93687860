#pragma once

#include <QString>
#include <functional>
#include <utility>
#include <vector>

namespace parlhora {

/// The main window's one-line status field EditData: each text replaces the
/// last. Playback errors begin with "Err" or "Feh"; ordinary status writers
/// use setUnlessError so an error stays readable.
class StatusLine {
 public:
  using Listener = std::function<void(const QString&)>;

  void set(const QString& text);
  void setUnlessError(const QString& text);
  const QString& text() const { return text_; }
  bool showsError() const;
  /// Returns an id for removeListener; a view that dies before the core
  /// must remove its listener.
  int addListener(Listener listener);
  void removeListener(int id);

 private:
  QString text_;
  std::vector<std::pair<int, Listener>> listeners_;
  int nextId_ = 1;
};

}  // namespace parlhora
