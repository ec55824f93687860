#include "serial/SerialControl.h"

#include "serial/PortList.h"

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
  // Only a port that opened is shown; a failed one has left "No COM".
  if (open_) {
    SerialIndicators next = indicators_;
    next.labelCOM = portName_;
    setIndicators(next);
  }
}

void SerialControl::menuCOMClick() {
  if (open_) ClosePortLines();
  devicePath_ = PortList::devicePath(portName_);
  if (!OpenSerialPort()) menuComNoneclick();
}

void SerialControl::menuComNoneclick() {
  if (open_) ClosePortLines();
  if (!comList_.isEmpty()) select(0);
  portName_ = PortList::kNoCom;
  carrier_ = false;
  SerialIndicators next = indicators_;
  next.labelCOM = QStringLiteral("COM");
  next.labelDCD = QStringLiteral("DCD=Off");
  next.carrierShown = false;
  setIndicators(next);
  notify();
}

bool SerialControl::OpenSerialPort() {
  QString reason = QStringLiteral("kein Gerät");
  if (!devicePath_.isEmpty()) {
    reason = lines_.open(devicePath_);
    if (reason.isEmpty()) {
      open_ = true;
      return true;
    }
  }
  if (logLine) logLine(QStringLiteral("COM-Port %1: %2").arg(portName_, reason));
  notifier_.errorBox(QStringLiteral("Fehler: COM-Port"));
  devicePath_.clear();
  return false;
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
  if (!open_) return;
  const int row = comList_.indexOf(portName_);
  if (row >= 0) select(row);
  SerialIndicators next = indicators_;
  next.labelCOM = portName_;
  setIndicators(next);
  notify();
}

bool SerialControl::portInUse() const { return open_ && !PortList::isNoCom(portName_); }

void SerialControl::keyUp() {
  if (!portInUse()) return;
  unsigned bits = 0;
  if (options_.dtr) bits |= SerialLines::Dtr;
  if (options_.rts) bits |= SerialLines::Rts;
  if (bits == 0) return;
  // A removed port fails silently; the announcement still runs.
  lines_.setLines(bits);
  SerialIndicators next = indicators_;
  next.transmitting = true;
  setIndicators(next);
}

void SerialControl::unkey() {
  if (open_) lines_.clearLines(SerialLines::Dtr | SerialLines::Rts);
  SerialIndicators next = indicators_;
  next.transmitting = false;
  setIndicators(next);
}

void SerialControl::poll() {
  if (!open_ || (busy && busy())) return;
  const ModemLines in = lines_.readLines();  // a failed read is all lines off
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
