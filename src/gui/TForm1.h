#pragma once

#include <QMainWindow>
#include <QSize>
#include <QStringList>
#include <array>
#include <functional>
#include <memory>

#include "audio/JingleFiles.h"

class QAction;
class QDateTime;

namespace Ui {
class TForm1;
}

namespace parlhora {

class Scheduler;
class SoundCardPanel;

struct AnnouncerSettings;
struct SerialIndicators;
class Notifier;

/// The main window: a view of the announcement, schedule, sound and shell
/// models inside AnnouncerSettings. User changes write straight into the
/// models; actions that need the core (announce, save, volume, windows) are
/// signals. The core mirrors its state back through the set* methods.
/// Main thread only; the settings and the notifier must outlive the window.
class TForm1 : public QMainWindow {
  Q_OBJECT

 public:
  /// Which jingle a "Durchsuchen" button picks.
  using Jingle = JingleFiles::Jingle;

  /// The core models the main window shows.
  struct Models {
    AnnouncerSettings& settings;
    Scheduler& scheduler;
    JingleFiles& jingles;
    SoundCardPanel& soundCard;
    QString helpFolder;  // where parlhora_help.html lies
  };

  TForm1(Models models, Notifier& notifier, QWidget* parent = nullptr);
  ~TForm1() override;
  TForm1(const TForm1&) = delete;
  TForm1& operator=(const TForm1&) = delete;

  /// Puts every control in the state the models hold (after loading the
  /// settings file). Emits no signals, saves nothing.
  void loadFromModel();

  /// Caption "PARLHORA V" + version.
  void setVersion(const QString& version);
  /// The one-line status field EditData.
  void setStatusText(const QString& text);
  QString statusText() const;
  /// EditDate and EditTime: one space, then the system's short date and long time.
  void showDateTime(const QDateTime& now);
  /// The same from texts the core already formatted.
  void setDateTimeTexts(const QString& date, const QString& time);
  /// LabelCOM, the lamps, the cuckoo pair and the line labels at once.
  void showIndicators(const SerialIndicators& indicators);
  /// LabelCOM: the port name, "COM" when none.
  void setPortLabel(const QString& text);
  /// The transmit lamp: ImageLedON while keyed, ImageLedOFF otherwise.
  void setTransmitting(bool keyed);
  /// Carrier sensed: ImagePiroloOff instead of ImagePirolo, LabelDCD "DCD=On".
  void setCarrier(bool on);
  void setCtsLabel(bool on);
  void setDsrLabel(bool on);
  /// While an announcement runs Button1 is disabled; at its end Button1 and
  /// the sound-card OK button are enabled again.
  void setAnnouncementBusy(bool busy);
  /// Volume read-back (0 = loudest .. 10); ignored while the user holds the slider.
  void setVolumePosition(int position);
  bool isVolumeSliderDown() const;
  /// The hidden port list ListBoxPort ("No COM" first).
  void setPortList(const QStringList& ports);
  QStringList portList() const;

  /// The hour menu items D00..D24 (index 0..24) and F00..F24 (25..49).
  const std::array<QAction*, 50>& hourItems() const { return hourItems_; }
  /// Selects start/end hour 0..24 as a click on its menu item would.
  /// After the file dialog of a "Durchsuchen" button: takes the path if the
  /// file opens for reading, else shows "Fehler: Dateiname" and clears it.
  bool acceptJingleFile(Jingle which, const QString& path);

 signals:
  void announceRequested();          // Button1 ("Nachricht &hören")
  void abortRequested();             // Esc
  void saveRequested();              // menuSaveConfig
  void minimiseSaveRequested();      // Button2, CheckBoxReduire: save unless just loaded
  void errorSimulationToggled();     // MenuSimuErreur (Ctrl+Alt+E)
  void startHourChanged(int hour);   // D00..D24
  void endHourChanged(int hour);     // F00..F24
  void periodChanged(int position);  // UpDownPeriode 0..6
  void volumeChanged(int position);  // TrackBarVolume moved by the user
  void soundDeviceChanged(int device);
  void logLine(const QString& text);
  void autostartChanged(bool on);            // CheckBoxDemarrage
  void playWaveFileRequested();              // "Wave ext"
  void playWaveResRequested();               // "Wave int"
  void quitRequested();                      // MenuQuitter
  void closing();                            // the window is closing: run the shutdown
  void statusReported(const QString& text);  // a text for the core's status line
  void infoRequested();                      // MenuInfo, ImagePirolo
  void unitsRequested();                     // MenuUnits
  void comWindowRequested();                 // MenuCOM
  void recorderWindowRequested();            // MenuRecord became checked
  void chooserRequested();                   // show the source chooser
  void weatherWindowRequested();             // show the chosen source's window (or the chooser)
  void hideWeatherWindowsRequested();
  void minimised(bool hideToTray);

 public slots:
  void Button1Click();
  void Button2Click();
  void D00Click();
  void F00Click();
  void ButtonParcourirEnteteClick();
  void ButtonParcourirPiroloClick();
  void ButtonParcourirFinClick();
  void menuSaveConfigClick();
  void MenuQuitterClick();
  void MenuSimuErreurClick();
  void MenuRecordClick();
  void MenuChoixClick();
  void menurVoirMeteoClick();
  void MenuHilfeClick();
  void MenuCarteSonClick();
  void BitBtnOKCarteSonClick();
  void TrackBarVolumeChange(int position);
  void ButtonPlayWaveClick();
  void ButtonPlayWaveResClick();
  void CheckBoxHeureClick();
  void CheckBoxNoMinuteClick();
  void CheckBoxReduireClick();
  void CheckBoxDemarrageClick();
  void UpDownPeriodeMouseDown();

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void connectMenus();
  void connectControls();
  void collectHourItems();
  void hourClicked(QAction* item, QChar prefix);
  void browse(Jingle which);
  void panel1Pressed(const QPoint& pos, Qt::MouseButton button);
  void minimise();

  std::unique_ptr<Ui::TForm1> ui_;
  AnnouncerSettings& settings_;
  Notifier& notifier_;
  std::array<QAction*, 50> hourItems_{};
  void showSoundCard();
  void showHourMenus();
  void showTimeBoxes();

  Scheduler& scheduler_;
  JingleFiles& jingles_;
  SoundCardPanel& soundCard_;
  QString helpFolder_;
  QSize sizeBeforeSoundCard_;  // the window's size before the panel widened it
};

}  // namespace parlhora
