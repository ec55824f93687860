#pragma once

#include <QString>
#include <QStringList>

namespace parlhora {

class Notifier;
class WaveOut;

/// The sound-card panel `PanelCarteSon` without its widgets: the two radio
/// choices, the device list `ComboBoxChoixOut` and the OK rules. The window
/// shows these fields and forwards its clicks. Core thread; borrows the
/// WaveOut and the Notifier.
class SoundCardPanel {
 public:
  enum class Choice {
    System,  // "Windows ändert die Sound-Karte": device -1
    User,    // "Ich ändere die Sound-Karte": the selected list entry
  };

  static QString titleText() { return QStringLiteral("DIE SOUND-KARTE ÄNDERN"); }
  static QString systemChoiceText() { return QStringLiteral("Windows ändert die Sound-Karte"); }
  static QString userChoiceText() { return QStringLiteral("Ich ändere die Sound-Karte"); }
  static QString listErrorText() { return QStringLiteral("Fehler: Lesen-Ausgabe"); }

  SoundCardPanel(WaveOut& out, Notifier& notifier);

  void setWaveOut(WaveOut& out) { out_ = &out; }
  /// Sets the radio choice the stored device number stands for (at loading).
  void syncChoice(int device) { choice_ = device < 0 ? Choice::System : Choice::User; }

  /// MenuCarteSonClick: lists the devices and shows the panel; `device` is
  /// the device number in use.
  void open(int device, bool announcementActive);
  /// BitBtnOKCarteSonClick: true if accepted (panel hidden, device() is the
  /// new device number); false after a beep when no device is chosen.
  bool ok();

  void setChoice(Choice choice) { choice_ = choice; }
  Choice choice() const { return choice_; }
  /// The user picked list entry `index` (-1 = none).
  void select(int index);
  /// OK is disabled during an announcement and enabled again at its end.
  void setOkEnabled(bool enabled) { okEnabled_ = enabled; }

  bool isVisible() const { return visible_; }
  bool okEnabled() const { return okEnabled_; }
  const QStringList& items() const { return items_; }
  /// The list's edit text: the selected name, an error, or empty.
  const QString& listText() const { return listText_; }
  int selectedIndex() const { return selected_; }
  int device() const { return device_; }

 private:
  WaveOut* out_;
  Notifier& notifier_;
  Choice choice_ = Choice::System;
  QStringList items_;
  QString listText_;
  int selected_ = -1;
  int device_ = -1;
  bool visible_ = false;
  bool okEnabled_ = true;
};

}  // namespace parlhora
