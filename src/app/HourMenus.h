#pragma once

#include <QString>

namespace parlhora {

struct ScheduleSettings;

/// The two hour menus of the main window: radio items `D00`..`D24` under
/// "Startstunde (hh h)" and `F00`..`F24` under "Endstunde (hh h)". Holds
/// which item is checked and the parent captions; the hours themselves live
/// in ScheduleSettings. Core thread only; borrows the settings.
class HourMenus {
 public:
  explicit HourMenus(ScheduleSettings& settings);

  /// A click on a start-hour item ("D00".."D24"). Acts only on a three-letter
  /// name beginning with 'D' whose item is not checked yet; returns whether
  /// it acted.
  bool D00Click(const QString& itemName);
  /// The same for the end-hour items ("F00".."F24").
  bool F00Click(const QString& itemName);
  /// What loading START_RANGE= / END_RANGE= does: clicks the two items.
  void loadHours(int startHour, int endHour);

  const QString& checkedStartItem() const { return checkedStart_; }
  const QString& checkedEndItem() const { return checkedEnd_; }
  const QString& startCaption() const { return startCaption_; }  // "Startstunde (07h)"
  const QString& endCaption() const { return endCaption_; }      // "Endstunde (19h)"

  /// "D07", "F24", ...
  static QString itemName(QChar prefix, int hour);

 private:
  bool click(const QString& itemName, QChar prefix, QString& checked, int& hour, QString& caption,
             const QString& label);

  ScheduleSettings& settings_;
  QString checkedStart_;
  QString checkedEnd_;
  QString startCaption_;
  QString endCaption_;
};

}  // namespace parlhora
