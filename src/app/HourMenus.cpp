#include "app/HourMenus.h"

#include "app/ScheduleSettings.h"

namespace parlhora {

namespace {
const QString kStartLabel = QStringLiteral("Startstunde (");
const QString kEndLabel = QStringLiteral("Endstunde (");
constexpr int kLastHour = 24;
}  // namespace

HourMenus::HourMenus(ScheduleSettings& settings) : settings_(settings) {
  // The form shows the defaults before any settings file is read.
  const QString start = itemName(QLatin1Char('D'), settings_.startHour);
  const QString end = itemName(QLatin1Char('F'), settings_.endHour);
  checkedStart_ = start;
  checkedEnd_ = end;
  startCaption_ = kStartLabel + start.right(2) + QStringLiteral("h)");
  endCaption_ = kEndLabel + end.right(2) + QStringLiteral("h)");
}

QString HourMenus::itemName(QChar prefix, int hour) {
  return QString(prefix) + QStringLiteral("%1").arg(hour, 2, 10, QLatin1Char('0'));
}

bool HourMenus::D00Click(const QString& itemName) {
  return click(itemName, QLatin1Char('D'), checkedStart_, settings_.startHour, startCaption_, kStartLabel);
}

bool HourMenus::F00Click(const QString& itemName) {
  return click(itemName, QLatin1Char('F'), checkedEnd_, settings_.endHour, endCaption_, kEndLabel);
}

void HourMenus::loadHours(int startHour, int endHour) {
  D00Click(itemName(QLatin1Char('D'), startHour));
  F00Click(itemName(QLatin1Char('F'), endHour));
}

bool HourMenus::click(const QString& itemName, QChar prefix, QString& checked, int& hour, QString& caption,
                      const QString& label) {
  if (itemName.size() != 3 || itemName.at(0) != prefix || itemName == checked) return false;
  const QString digits = itemName.right(2);
  bool ok = false;
  const int value = digits.toInt(&ok);
  // Only D00..D24 exist; anything else (a settings value out of range) is no item.
  if (!ok || value < 0 || value > kLastHour || !digits.at(0).isDigit() || !digits.at(1).isDigit())
    return false;
  checked = itemName;
  hour = value;
  caption = label + digits + QStringLiteral("h)");
  return true;
}

}  // namespace parlhora
