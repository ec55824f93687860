#pragma once

#include <QString>
#include <functional>
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
  void addListener(Listener listener) { listeners_.push_back(std::move(listener)); }

 private:
  QString text_;
  std::vector<Listener> listeners_;
};

}  // namespace parlhora
