#include "serial/SerialControl.h"

#include <algorithm>

namespace parlhora {

SerialControl::SerialControl(SerialLines& lines, Notifier& notifier, LineOptions& options)
    : lines_(lines), notifier_(notifier), options_(options) {}

SerialControl::~SerialControl() {
  if (open_) ClosePortLines();
}

void SerialControl::ListSerialPorts() {
  portList_ = PortList::build(lines_.listPorts());
  notify();
}

void SerialControl::FormShow() {
  if (!comList_.isEmpty()) return;
  comList_ = portList_;
  // A chosen port that is missing now stays visible and selected, so the
  // window shows what the file holds.
  if (portMissing() && !comList_.contains(portName_)) comList_ << portName_;
  select(comList_.indexOf(portName_));
  notify();
}

void SerialControl::ListBoxCOMClick(int index) {
  if (index < 0 || index >= comList_.size()) return;
  select(index);
  const QString entry = comList_.at(index);
  if (entry == PortList::kNoCom) {
    if (open_) ClosePortLines();
    menuComNoneclick();
    return;
  }
  portName_ = entry;
  menuCOMClick();
  // The user is there to see it; at start-up and on retries nobody may be.
  if (!open_) notifier_.errorBox(QStringLiteral("Fehler: COM-Port"));
  showPort();
}

void SerialControl::menuCOMClick() {
  if (open_) ClosePortLines();
  devicePath_ = PortList::devicePath(portName_, deviceFolder_);
  // A fresh choice: its failure is news, its success no comeback.
  fault_.clear();
  tryOpen();
  showPort();
}

void SerialControl::menuComNoneclick() {
  if (open_) ClosePortLines();
  if (!comList_.isEmpty()) select(0);
  portName_ = PortList::kNoCom;
  fault_.clear();
  carrier_ = false;
  SerialIndicators next = indicators_;
  next.labelCOM = QStringLiteral("COM");
  next.labelDCD = QStringLiteral("DCD=Off");
  next.carrierShown = false;
  setIndicators(next);
  notify();
}

bool SerialControl::OpenSerialPort() { return tryOpen(); }

bool SerialControl::tryOpen() {
  const QString reason = devicePath_.isEmpty() ? QStringLiteral("kein Gerät") : lines_.open(devicePath_);
  if (!reason.isEmpty()) {
    if (!devicePath_.isEmpty() && lines_.lastOpenBusy()) {
      ++busyStreak_;
      const int waitMs = std::min(kRetryMs << std::min(busyStreak_, 3), kBusyRetryMaxMs);
      retriesToSkip_ = waitMs / kRetryMs - 1;
    } else {
      busyStreak_ = 0;
      retriesToSkip_ = 0;
    }
    failed(reason);
    return false;
  }
  busyStreak_ = 0;
  retriesToSkip_ = 0;
  open_ = true;
  if (!fault_.isEmpty()) {
    fault_.clear();
    const QString back = QStringLiteral("COM-Port %1 wieder offen").arg(portName_);
    if (logLine) logLine(back);
    if (statusLine) statusLine(back);
  }
  return true;
}

void SerialControl::failed(const QString& reason) {
  const QString text = QStringLiteral("Fehler: COM-Port %1: %2").arg(portName_, reason);
  // Once per cause: a retry every ten seconds must not flood the log.
  if (text == fault_) return;
  fault_ = text;
  if (logLine) logLine(QStringLiteral("COM-Port %1: %2").arg(portName_, reason));
  if (statusLine) statusLine(fault_);
}

// The backend lets go of a port whose device went away (I/O error).
void SerialControl::checkGone() {
  if (!open_ || lines_.isOpen()) return;
  open_ = false;
  carrier_ = false;
  failed(QStringLiteral("Verbindung verloren"));
  showPort();
}

void SerialControl::showPort() {
  SerialIndicators next = indicators_;
  if (PortList::isNoCom(portName_))
    next.labelCOM = QStringLiteral("COM");
  else
    next.labelCOM = open_ ? portName_ : portName_ + QStringLiteral(" (nicht offen)");
  if (!open_) {
    next.transmitting = false;
    next.carrierShown = false;
    next.labelDCD = QStringLiteral("DCD=Off");
  }
  setIndicators(next);
}

void SerialControl::ClosePortLines() {
  // Failures mean the port is gone, and with it the lines.
  lines_.clearLines(SerialLines::Dtr | SerialLines::Rts);
  lines_.close();
  open_ = false;
  SerialIndicators next = indicators_;
  next.transmitting = false;
  setIndicators(next);
}

void SerialControl::applyPortSetting() {
  const QString name = PortList::portNameFromSetting(options_.port);
  if (name.isEmpty()) return;
  if (name == PortList::kNoCom) {
    menuComNoneclick();
    return;
  }
  portName_ = name;
  menuCOMClick();
  const int row = comList_.indexOf(portName_);
  if (row >= 0) select(row);
  notify();
}

void SerialControl::retryOpen() {
  if (!portMissing() || (busy && busy())) return;
  // Each open of a held port is a risk to its owner's transmitter.
  if (retriesToSkip_ > 0) {
    --retriesToSkip_;
    return;
  }
  devicePath_ = PortList::devicePath(portName_, deviceFolder_);
  if (tryOpen()) {
    showPort();
    notify();
  }
}

bool SerialControl::portInUse() const { return open_ && !PortList::isNoCom(portName_); }

void SerialControl::keyUp() {
  keyFailed_ = false;
  if (!portInUse()) return;
  unsigned bits = 0;
  if (options_.dtr) bits |= SerialLines::Dtr;
  if (options_.rts) bits |= SerialLines::Rts;
  if (bits == 0) return;
  // A removed port is logged and retried; the announcement still runs.
  keyFailed_ = !lines_.setLines(bits);
  if (keyFailed_) {
    QString text = QStringLiteral("PTT konnte nicht getastet werden");
    const QString cause = lines_.lastError();
    if (!cause.isEmpty()) text += QStringLiteral(": ") + cause;
    if (logLine) logLine(QStringLiteral("COM-Port %1: %2").arg(portName_, text));
    if (statusLine) statusLine(text);
  }
  checkGone();
  SerialIndicators next = indicators_;
  // The lamp, and the keyed time reported, show what the lines really did.
  next.transmitting = open_ && !keyFailed_;
  setIndicators(next);
}

void SerialControl::unkey() {
  if (open_ && !lines_.clearLines(SerialLines::Dtr | SerialLines::Rts) && indicators_.transmitting && logLine)
    logLine(
        QStringLiteral("COM-Port %1: PTT konnte nicht gelöst werden: %2").arg(portName_, lines_.lastError()));
  checkGone();
  SerialIndicators next = indicators_;
  next.transmitting = false;
  setIndicators(next);
}

void SerialControl::poll() {
  if (!open_ || (busy && busy())) return;
  const ModemLines in = lines_.readLines();  // a failed read is all lines off
  checkGone();
  carrier_ = in.dcd;
  SerialIndicators next = indicators_;
  next.carrierShown = in.dcd;
  next.labelDCD = in.dcd ? QStringLiteral("DCD=On") : QStringLiteral("DCD=Off");
  next.labelCTS = in.cts ? QStringLiteral("CTS=On") : QStringLiteral("CTS=Off");
  next.labelDSR = in.dsr ? QStringLiteral("DSR=On") : QStringLiteral("DSR=Off");
  setIndicators(next);

  const LineLatches::Rising rising = latches_.update(in.cts, in.dsr);
  const bool wanted = (rising == LineLatches::Rising::Cts && options_.cts) ||
                      (rising == LineLatches::Rising::Dsr && options_.dsr);
  if (wanted && startAnnouncement) startAnnouncement();
}

void SerialControl::select(int index) {
  comSelection_ = index;
  if (index >= 0 && index < comList_.size()) options_.port = PortList::settingForPortName(comList_.at(index));
}

void SerialControl::setIndicators(const SerialIndicators& next) {
  if (next == indicators_) return;
  indicators_ = next;
  notify();
}

void SerialControl::notify() {
  if (changed) changed();
}

}  // namespace parlhora
