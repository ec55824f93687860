#pragma once

namespace parlhora {

/// Edge detection for the CTS and DSR start lines. A latch is set while its
/// line has been seen on and not yet seen off; only a line seen on with its
/// latch clear is rising. Both start set, so a line already on at start-up
/// must go off once before it can start an announcement.
class LineLatches {
 public:
  enum class Rising { None, Cts, Dsr };

  /// Takes one reading. At most one line rises per reading, CTS first; a
  /// DSR edge held back by a CTS edge is still rising at the next reading.
  Rising update(bool cts, bool dsr);
  /// Marks both lines as seen on (at every announcement start).
  void setAll() { cts_ = dsr_ = true; }
  bool cts() const { return cts_; }
  bool dsr() const { return dsr_; }

 private:
  bool cts_ = true;
  bool dsr_ = true;
};

}  // namespace parlhora
