#pragma once

#include <QByteArray>

namespace parlhora {

/// The COM window's choices (settings keys in brackets).
struct LineOptions {
  /// COM=: a number n for COMn (/dev/ttyS(n-1)), a device name such as
  /// "ttyUSB0", or "0" for "No COM"; empty = nothing selected, nothing saved.
  QByteArray port;
  bool dtr = true;  // CheckBoxDTR: key DTR (DTR=)
  bool rts = true;  // CheckBoxRTS: key RTS (RTS=)
  bool dsr = true;  // CheckBoxDSR: a rising DSR starts an announcement (DSR=)
  bool cts = true;  // CheckBoxCTS: a rising CTS starts an announcement (CTS=)
  bool dcd = true;  // CheckBoxDCD: a carrier refuses announcements (DCD=)
};

}  // namespace parlhora
