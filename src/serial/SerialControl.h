#pragma once

#include <QString>
#include <QStringList>
#include <functional>

#include "platform/Notifier.h"
#include "platform/SerialLines.h"
#include "serial/LineLatches.h"
#include "serial/LineOptions.h"
#include "serial/PortList.h"
#include "serial/SerialIndicators.h"

namespace parlhora {

/// The serial port of the program: the port list, the COM window's logic,
/// keying the transmitter and sensing CTS, DSR and DCD. Core thread only.
/// Borrows `lines`, `notifier` and `options` (the COM window's check boxes;
/// `options.port` is kept equal to what COM= must save). The destructor
/// unkeys and closes the port.
class SerialControl {
 public:
  SerialControl(SerialLines& lines, Notifier& notifier, LineOptions& options);
  ~SerialControl();
  SerialControl(const SerialControl&) = delete;
  SerialControl& operator=(const SerialControl&) = delete;

  /// Clicks "Nachricht hören" for a rising CTS or DSR whose box is checked.
  std::function<void()> startAnnouncement;
  /// True while an announcement is busy; poll() senses nothing then.
  std::function<bool()> busy;
  /// Called after the indicators, the COM list or its selection changed.
  std::function<void()> changed;
  /// Receives the reason a port could not be opened, for the log.
  std::function<void(const QString&)> logLine;
  /// Receives "Fehler: COM-Port ..." while the chosen port is not open.
  std::function<void(const QString&)> statusLine;

  /// Time between attempts to open a chosen port that is not open.
  static constexpr int kRetryMs = 10000;
  /// A port another program holds is tried less and less often, down to
  /// once in this time.
  static constexpr int kBusyRetryMaxMs = 60000;

  /// Where plain device names ("ttyUSB0") are looked up; "/dev" by default.
  void setDeviceFolder(const QString& folder) { deviceFolder_ = folder; }

  /// Fills the port list (hidden ListBoxPort) from the machine's ports.
  void ListSerialPorts();
  const QStringList& portList() const { return portList_; }

  /// COM window shown: copies the port list once and selects the current port.
  void FormShow();
  const QStringList& comList() const { return comList_; }
  /// Selected row of ListBoxCOM, -1 for none.
  int comSelection() const { return comSelection_; }
  /// The user picked row `index` of ListBoxCOM.
  void ListBoxCOMClick(int index);
  /// Opens the port named by portName(), closing any open one first. A port
  /// that cannot be opened stays chosen and is retried (retryOpen).
  void menuCOMClick();
  /// Closes the port and returns to "No COM".
  void menuComNoneclick();
  /// Opens the device of the current port; "Fehler: COM-Port" on failure.
  bool OpenSerialPort();
  /// Drops DTR and RTS and closes the port.
  void ClosePortLines();
  /// Acts on the COM= value in `options.port` after the settings were read.
  void applyPortSetting();
  /// Tries again to open a chosen port that is not open (missing at start,
  /// pulled, busy); logs once when it comes back. Does nothing while busy().
  /// Called every kRetryMs; while the port stays held by another program
  /// the attempts back off (20, 40, then every 60 s).
  void retryOpen();
  /// A port is chosen but not open: announcements go out unkeyed.
  bool portMissing() const { return !open_ && !PortList::isNoCom(portName_) && !portName_.isEmpty(); }
  /// Why the chosen port is not open ("Fehler: COM-Port ..."), empty if it is.
  QString faultText() const { return portMissing() ? fault_ : QString(); }

  /// "COM3", "ttyUSB0", "No COM", or empty before anything was chosen.
  QString portName() const { return portName_; }
  bool portOpen() const { return open_; }

  /// An announcement keys and pre-rolls only when this is true.
  bool portInUse() const;
  /// Raises DTR and/or RTS as the boxes say, in one step; lamp on.
  void keyUp();
  /// Drops DTR and RTS, whatever was raised; lamp off.
  void unkey();
  /// The last keyUp() could not raise its lines (the port refused them);
  /// "PTT konnte nicht getastet werden: cause" went to the status and log.
  bool keyFailed() const { return keyFailed_; }

  /// One reading of the input lines (the tick's step 8). Does nothing while
  /// no port is open or busy() is true; may call startAnnouncement.
  void poll();
  /// DCD was on at the last reading.
  bool carrier() const { return carrier_; }
  /// The sequencer must refuse to start: carrier sensed and DCD box checked.
  bool blocksStart() const { return carrier_ && options_.dcd; }
  /// Marks CTS and DSR as seen on; called at every announcement start.
  void setLatches() { latches_.setAll(); }

  const SerialIndicators& indicators() const { return indicators_; }

 private:
  void select(int index);
  bool tryOpen();
  void failed(const QString& reason);
  void checkGone();
  void showPort();
  void setIndicators(const SerialIndicators& next);
  void notify();

  SerialLines& lines_;
  Notifier& notifier_;
  LineOptions& options_;
  QStringList portList_;
  QStringList comList_;
  int comSelection_ = -1;
  QString portName_;
  QString devicePath_;
  QString deviceFolder_ = QStringLiteral("/dev");
  bool open_ = false;
  QString fault_;
  bool keyFailed_ = false;
  int busyStreak_ = 0;  // failed opens in a row that found the port held
  int retriesToSkip_ = 0;
  bool carrier_ = false;
  LineLatches latches_;
  SerialIndicators indicators_;
};

}  // namespace parlhora
