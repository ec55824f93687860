#include "cli/HeadlessReport.h"

#include "app/ParlhoraCore.h"

namespace parlhora {

QDateTime HeadlessReport::nextDue(ParlhoraCore& core, const QDateTime& now) {
  Scheduler& scheduler = core.announcer().scheduler();
  const int period = Scheduler::periodMinutes(core.settings().schedule.periodPosition);
  if (period <= 0) return {};
  QDateTime at = now.addSecs(59);
  at.setTime(QTime(at.time().hour(), at.time().minute()));
  // Two days cover every range, also one that wraps past midnight.
  for (int minute = 0; minute < 2 * 24 * 60; ++minute, at = at.addSecs(60)) {
    const QTime t = at.time();
    if (scheduler.isActiveHour(t.hour()) && t.minute() % period == 0) return at;
  }
  return {};
}

QStringList HeadlessReport::startLines(ParlhoraCore& core, const QDateTime& now) {
  QStringList lines;
  const SerialControl& serial = core.announcer().serial();
  if (PortList::isNoCom(serial.portName()))
    lines << QStringLiteral("COM-Port: No COM, Ansagen ohne PTT");
  else if (serial.portOpen())
    lines << QStringLiteral("COM-Port: %1, offen").arg(serial.portName());
  else
    lines << QStringLiteral("COM-Port: %1, nicht offen (%2), Ansagen ohne PTT bis er sich öffnen lässt")
                 .arg(serial.portName(), serial.faultText());

  const int device = core.settings().sound.device;
  QString name;
  if (device >= 0) core.announcer().engine().waveOut().deviceName(device, name);
  lines << (device < 0 ? QStringLiteral("Sound-Karte: Systemvorgabe")
                       : QStringLiteral("Sound-Karte: %1 %2").arg(device).arg(name));

  const ScheduleSettings& schedule = core.settings().schedule;
  const QDateTime next = nextDue(core, now);
  if (!next.isValid()) {
    lines << QStringLiteral("Zeitansagen aus");
  } else {
    lines << QStringLiteral("Zeitansagen alle %1 Minuten von %2 bis %3 Uhr, nächste %4")
                 .arg(Scheduler::periodMinutes(schedule.periodPosition))
                 .arg(schedule.startHour, 2, 10, QLatin1Char('0'))
                 .arg(schedule.endHour, 2, 10, QLatin1Char('0'))
                 .arg(next.toString(Qt::ISODate));
  }
  return lines;
}

}  // namespace parlhora
