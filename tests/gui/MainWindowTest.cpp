#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QSpinBox>
#include <QTemporaryDir>

#include "app/AnnouncerSettings.h"
#include "app/Scheduler.h"
#include "audio/SoundCardPanel.h"
#include "fakes/FakeNotifier.h"
#include "fakes/FakeWaveOut.h"
#include "gui/GuiTestHelpers.h"
#include "gui/TForm1.h"
#include "platform/VirtualClock.h"

namespace parlhora {
namespace {

QString textOf(QObject* o) {
  if (auto* a = qobject_cast<QAction*>(o)) return a->text();
  if (auto* m = qobject_cast<QMenu*>(o)) return m->title();
  if (auto* b = qobject_cast<QAbstractButton*>(o)) return b->text();
  if (auto* l = qobject_cast<QLabel*>(o)) return l->text();
  if (auto* g = qobject_cast<QGroupBox*>(o)) return g->title();
  return QStringLiteral("<no text>");
}

class MainWindow : public ::testing::Test {
 protected:
  AnnouncerSettings settings;
  FakeNotifier notifier;
  VirtualClock clock{QDateTime(QDate(2026, 3, 5), QTime(14, 35))};
  Scheduler scheduler{clock, settings.schedule, settings.announcement};
  JingleFiles jingles{settings.announcement, notifier};
  FakeWaveOut outputs{clock};
  SoundCardPanel panel{outputs, notifier};
  TForm1 form{{settings, scheduler, jingles, panel, QString()}, notifier};

  template <typename T = QObject>
  T* find(const char* name) {
    T* o = form.findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(o, nullptr) << name;
    return o;
  }
};

TEST_F(MainWindow, ControlNamesAndCaptions) {
  const std::pair<const char*, const char*> table[] = {
      {"menuFichier", "Datei"},
      {"menuSaveConfig", "Konfiguration speichern"},
      {"MenuQuitter", "Beenden"},
      {"MenuAnnonceMeteo", "Nachricht-Lesen"},
      {"MenuAnnonceToujours", "Immer lesen"},
      {"MenuAnnonce1h", "Ignorieren, wenn Daten älter als eine Stunde sind"},
      {"MenuAnnonce2h", "Ignorieren, wenn Daten älter als 2 Stunden sind"},
      {"MenuAnnonce3h", "Ignorieren, wenn Daten älter als 3 Stunden sind"},
      {"MenuPlageHoraire", "Zeitbereich der Nachrichten"},
      {"MenuDebut", "Startstunde (00h)"},
      {"MenuFin", "Endstunde (24h)"},
      {"MenuRecord", "Tallisto starten während der Lesen"},
      {"MenuRoseVents", "Windrose"},
      {"menu8secteurs", "8 Richtungen"},
      {"Menu16secteurs", "16 Richtungen"},
      {"MenuUnits", "Meine Einheite"},
      {"MenuChoix", "WX-Quelle"},
      {"menurVoirMeteo", "WX anzeigen"},
      {"MenuCarteSon", "Sound-Karte"},
      {"MenuCOM", "COM-Port"},
      {"MenuHelpInfo", "?"},
      {"MenuHilfe", "Hilfe"},
      {"MenuInfo", "Info"},
      {"Button1", "Nachricht &hören"},
      {"Button2", "-"},
      {"ButtonParcourirEnTete", "Durchsuchen"},
      {"ButtonParcourirPirolo", "Durchsuchen"},
      {"ButtonParcourirFin", "Durchsuchen"},
      {"CheckBoxEntete", "Header"},
      {"LabelWarten", "Warten"},
      {"LabelSek", "sek"},
      {"CheckBoxPirolo", "Hallo"},
      {"CheckBoxDate", "Datum"},
      {"CheckBoxIlEst", "\"Es ist\""},
      {"CheckBoxHeure", "hh \"Uhr\" mm \"minuten\""},
      {"CheckBoxNoMinute", "hh \"Uhr\" mm"},
      {"CheckBoxFin", "Tschüss"},
      {"CheckBoxDemarrage", "Parlhora ausführen wenn Windows gestartet wird"},
      {"CheckBoxReduire", "Minimieren wenn Parlhora gestartet wird"},
      {"CheckBoxInfoVersion", "Prüfen beim Starten, ob eine neue Version verfügbar ist"},
      {"LabelCOM", "COM"},
      {"ButtonPlayWave", "Wave ext"},
      {"ButtonPlayWaveRes", "Wave int"},
      {"PanelCarteSon", "DIE SOUND-KARTE ÄNDERN"},
      {"RadioButtonCarteWin", "Windows ändert die Sound-Karte"},
      {"RadioButtonCarteMoi", "Ich ändere die Sound-Karte"},
      {"BitBtnOKCarteSon", "OK"},
  };
  for (const auto& [name, text] : table)
    if (QObject* o = find(name)) {
      EXPECT_EQ(textOf(o), QString::fromUtf8(text)) << name;
    }

  EXPECT_EQ(find<QWidget>("Button2")->toolTip(), "Minimize");
  EXPECT_EQ(find<QWidget>("ButtonInitMeteo")->toolTip(), "See weather data");
  EXPECT_EQ(find<QWidget>("ImagePirolo")->toolTip(), "Click for info");
  EXPECT_EQ(find<QWidget>("ImagePiroloOff")->toolTip(), "Click for info");
  for (const char* name : {"EditDate", "EditTime", "EditData", "Edit1", "ComboBoxChoixOut", "ImageLedON",
                           "ImageLedOFF", "LabelCTS", "LabelDSR", "LabelDCD", "ListBoxPort", "Panel1"})
    find<QWidget>(name);
}

TEST_F(MainWindow, DesignDefaults) {
  EXPECT_EQ(form.pos(), QPoint(4, 101));
  // Out of sight in no menu, yet visible to Qt, which would drop its shortcut.
  EXPECT_EQ(find<QAction>("MenuSimuErreur")->associatedObjects(), QList<QObject*>{&form});
  EXPECT_TRUE(find<QAction>("MenuSimuErreur")->isVisible());
  // The only way to the display units: shown, unlike in the old design.
  EXPECT_TRUE(find<QAction>("MenuUnits")->isVisible());
  EXPECT_TRUE(find<QAction>("MenuAnnonceToujours")->isChecked());
  EXPECT_TRUE(find<QAction>("menu8secteurs")->isChecked());
  EXPECT_TRUE(find<QWidget>("PanelCarteSon")->isHidden());
  for (const char* hidden :
       {"LabelCTS", "LabelDSR", "LabelDCD", "ImageLedON", "ImagePiroloOff", "ListBoxPort"})
    EXPECT_TRUE(find<QWidget>(hidden)->isHidden()) << hidden;
  auto* pause = find<QSpinBox>("SpinEditPause");
  EXPECT_EQ(pause->minimum(), 0);
  EXPECT_EQ(pause->maximum(), 15);
  auto* volume = find<QSlider>("TrackBarVolume");
  EXPECT_EQ(volume->orientation(), Qt::Vertical);
  EXPECT_EQ(volume->minimum(), 0);
  EXPECT_EQ(volume->maximum(), 10);
  EXPECT_EQ(volume->value(), 5);
  auto* gauge = find<QProgressBar>("Gauge1");
  EXPECT_EQ(gauge->maximum(), 100);
  EXPECT_EQ(gauge->value(), 70);
  EXPECT_TRUE(find<QCheckBox>("CheckBoxDate")->isChecked());
  EXPECT_TRUE(find<QCheckBox>("CheckBoxIlEst")->isChecked());
  EXPECT_TRUE(find<QCheckBox>("CheckBoxHeure")->isChecked());
  EXPECT_FALSE(find<QCheckBox>("CheckBoxNoMinute")->isChecked());
}

TEST_F(MainWindow, HourMenusInOrderAndClicks) {
  const auto& items = form.hourItems();
  for (int h = 0; h <= 24; ++h) {
    const QString two = QStringLiteral("%1").arg(h, 2, 10, QLatin1Char('0'));
    ASSERT_EQ(items[h]->objectName(), "D" + two);
    ASSERT_EQ(items[25 + h]->objectName(), "F" + two);
    EXPECT_EQ(items[h]->text(), two);
    EXPECT_EQ(items[25 + h]->text(), two);
  }
  auto starts = countEmissions(&form, &TForm1::startHourChanged);
  items[7]->trigger();
  EXPECT_EQ(settings.schedule.startHour, 7);
  EXPECT_EQ(find<QMenu>("MenuDebut")->title(), "Startstunde (07h)");
  EXPECT_TRUE(items[7]->isChecked());
  EXPECT_FALSE(items[0]->isChecked());
  items[7]->trigger();  // already chosen: nothing new
  EXPECT_EQ(*starts, 1);

  items[25 + 19]->trigger();
  EXPECT_EQ(settings.schedule.endHour, 19);
  EXPECT_EQ(find<QMenu>("MenuFin")->title(), "Endstunde (19h)");
  EXPECT_FALSE(items[25 + 24]->isChecked());
}

TEST_F(MainWindow, HiddenErrorSimulationShortcut) {
  auto* simu = find<QAction>("MenuSimuErreur");
  EXPECT_EQ(simu->shortcut(), QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_E));
  EXPECT_EQ(simu->text(), "Simu Errreur (caché)");
  EXPECT_TRUE(form.actions().contains(simu));
  auto toggled = countEmissions(&form, &TForm1::errorSimulationToggled);
  simu->trigger();
  EXPECT_EQ(*toggled, 1);
}

TEST_F(MainWindow, BalanceOnTheSoundCardPanelSetsTheDevice) {
  auto volume = countEmissions(&form, &TForm1::volumeChanged);
  find<QSlider>("TrackBarBalance")->setValue(20);
  EXPECT_EQ(settings.sound.balance, 20);
  EXPECT_EQ(*volume, 1);
  EXPECT_EQ(find<QLabel>("LabelBalance")->text(), "Balance");
}

TEST_F(MainWindow, ControlsWriteTheModels) {
  find<QCheckBox>("CheckBoxNoMinute")->click();
  EXPECT_TRUE(settings.announcement.noMinuteWord);
  EXPECT_FALSE(settings.announcement.hourWithWords);
  EXPECT_FALSE(find<QCheckBox>("CheckBoxHeure")->isChecked());
  find<QCheckBox>("CheckBoxHeure")->click();
  EXPECT_TRUE(settings.announcement.hourWithWords);
  EXPECT_FALSE(settings.announcement.noMinuteWord);
  find<QCheckBox>("CheckBoxHeure")->click();  // both may be off
  EXPECT_FALSE(settings.announcement.hourWithWords);
  EXPECT_FALSE(settings.announcement.noMinuteWord);

  find<QCheckBox>("CheckBoxIlEst")->click();
  EXPECT_FALSE(settings.announcement.itIs);
  find<QSpinBox>("SpinEditPause")->setValue(12);
  EXPECT_EQ(settings.announcement.pauseSeconds, 12);
  find<QAction>("MenuAnnonce2h")->trigger();
  EXPECT_EQ(settings.announcement.weatherAgeGateHours, 2);
  find<QAction>("Menu16secteurs")->trigger();
  EXPECT_TRUE(settings.announcement.windRose16);

  auto* period = find<QSpinBox>("UpDownPeriode");
  const char* minutes[] = {"0", "5", "10", "15", "20", "30", "60"};
  for (int p = 6; p >= 0; --p) {
    period->setValue(p);
    EXPECT_EQ(find<QLineEdit>("Edit1")->text(), minutes[p]);
    EXPECT_EQ(settings.schedule.periodPosition, p);
  }
}

TEST_F(MainWindow, LoadFromModelShowsTheSettings) {
  settings.announcement.final = true;
  settings.announcement.noMinuteWord = true;
  settings.announcement.hourWithWords = false;
  settings.announcement.weatherAgeGateHours = 3;
  settings.schedule = {4, 22, 6};
  scheduler.hourMenus().loadHours(22, 6);  // as loading the settings does
  settings.sound.volume = 2;
  settings.sound.maxVolume = 40;
  settings.mainWindow.startMinimised = true;
  auto anySave = countEmissions(&form, &TForm1::saveRequested);
  auto volume = countEmissions(&form, &TForm1::volumeChanged);
  form.loadFromModel();
  EXPECT_TRUE(find<QCheckBox>("CheckBoxFin")->isChecked());
  EXPECT_TRUE(find<QCheckBox>("CheckBoxNoMinute")->isChecked());
  EXPECT_FALSE(find<QCheckBox>("CheckBoxHeure")->isChecked());
  EXPECT_TRUE(find<QAction>("MenuAnnonce3h")->isChecked());
  EXPECT_EQ(find<QLineEdit>("Edit1")->text(), "20");
  EXPECT_TRUE(form.hourItems()[22]->isChecked());
  EXPECT_TRUE(form.hourItems()[25 + 6]->isChecked());
  EXPECT_EQ(find<QMenu>("MenuDebut")->title(), "Startstunde (22h)");
  EXPECT_EQ(find<QSlider>("TrackBarVolume")->value(), 2);
  EXPECT_EQ(find<QProgressBar>("Gauge1")->value(), 40);
  EXPECT_TRUE(find<QCheckBox>("CheckBoxReduire")->isChecked());
  EXPECT_EQ(*anySave, 0);  // loading never rewrites the file
  EXPECT_EQ(*volume, 0);
}

TEST_F(MainWindow, CoreStateIsMirrored) {
  form.setCarrier(true);
  EXPECT_FALSE(find<QWidget>("ImagePiroloOff")->isHidden());
  EXPECT_TRUE(find<QWidget>("ImagePirolo")->isHidden());
  EXPECT_EQ(find<QLabel>("LabelDCD")->text(), "DCD=On");
  form.setTransmitting(true);
  EXPECT_FALSE(find<QWidget>("ImageLedON")->isHidden());
  EXPECT_TRUE(find<QWidget>("ImageLedOFF")->isHidden());
  form.setAnnouncementBusy(true);
  EXPECT_FALSE(find<QWidget>("Button1")->isEnabled());
  form.setAnnouncementBusy(false);
  EXPECT_TRUE(find<QWidget>("Button1")->isEnabled());
  form.setStatusText("PARLHORA SPIEL");
  EXPECT_EQ(find<QLineEdit>("EditData")->text(), "PARLHORA SPIEL");
  form.showDateTime(QDateTime(QDate(2026, 3, 5), QTime(14, 35, 7)));
  EXPECT_TRUE(find<QLineEdit>("EditDate")->text().startsWith(' '));
  EXPECT_TRUE(find<QLineEdit>("EditTime")->text().contains("35"));
  auto volume = countEmissions(&form, &TForm1::volumeChanged);
  form.setVolumePosition(8);  // read-back does not set the device again
  EXPECT_EQ(find<QSlider>("TrackBarVolume")->value(), 8);
  EXPECT_EQ(*volume, 0);
  form.setVersion("2.2.3");
  EXPECT_EQ(form.windowTitle(), "PARLHORA V2.2.3");
}

TEST_F(MainWindow, SoundCardPanel) {
  outputs.setDevices({"Null", "USB Audio"});
  form.MenuCarteSonClick();
  EXPECT_FALSE(find<QWidget>("PanelCarteSon")->isHidden());
  EXPECT_TRUE(find<QRadioButton>("RadioButtonCarteWin")->isChecked());
  EXPECT_EQ(find<QComboBox>("ComboBoxChoixOut")->count(), 2);

  find<QRadioButton>("RadioButtonCarteMoi")->setChecked(true);
  find<QComboBox>("ComboBoxChoixOut")->setCurrentIndex(-1);
  form.BitBtnOKCarteSonClick();  // "mine" without a name: beep, panel stays
  EXPECT_EQ(notifier.beeps, 1);
  EXPECT_FALSE(find<QWidget>("PanelCarteSon")->isHidden());

  find<QComboBox>("ComboBoxChoixOut")->setCurrentIndex(1);
  int chosen = -2;
  QObject::connect(&form, &TForm1::soundDeviceChanged, [&](int device) {
    chosen = device;
    settings.sound.device = device;  // as the core does
  });
  auto device = countEmissions(&form, &TForm1::soundDeviceChanged);
  form.BitBtnOKCarteSonClick();
  EXPECT_EQ(chosen, 1);
  EXPECT_TRUE(find<QWidget>("PanelCarteSon")->isHidden());
  EXPECT_EQ(*device, 1);

  form.setAnnouncementBusy(true);  // no device change while an announcement runs
  form.MenuCarteSonClick();
  EXPECT_TRUE(find<QRadioButton>("RadioButtonCarteMoi")->isChecked());
  EXPECT_EQ(find<QComboBox>("ComboBoxChoixOut")->currentIndex(), 1);
  EXPECT_FALSE(find<QWidget>("BitBtnOKCarteSon")->isEnabled());
  form.setAnnouncementBusy(false);
  EXPECT_TRUE(find<QWidget>("BitBtnOKCarteSon")->isEnabled());
}

TEST_F(MainWindow, SoundCardPanelLeavesTheWindowAtItsSize) {
  form.show();
  QCoreApplication::processEvents();
  const QSize before = form.size();
  form.MenuCarteSonClick();
  QCoreApplication::processEvents();
  ASSERT_GT(form.height(), before.height()) << "the panel needs room";
  form.BitBtnOKCarteSonClick();
  QCoreApplication::processEvents();
  EXPECT_EQ(form.size(), before);
}

TEST_F(MainWindow, GaugeMarkStepsByTenAndStaysInRange) {
  form.show();
  auto* panel = find<QWidget>("Panel1");
  auto* gauge = find<QWidget>("Gauge1");
  const QPoint right(gauge->geometry().right() + 3, gauge->geometry().center().y());
  for (int i = 0; i < 4; ++i) clickAt(panel, right);
  EXPECT_EQ(settings.sound.maxVolume, 100);
  clickAt(panel, right, Qt::RightButton);
  EXPECT_EQ(settings.sound.maxVolume, 90);
  clickAt(panel, QPoint(gauge->geometry().left() - 2, right.y()));
  EXPECT_EQ(settings.sound.maxVolume, 90);  // left of the bar: no change
}

TEST_F(MainWindow, JingleFileMustOpen) {
  QTemporaryDir dir;
  const QString good = dir.filePath("intro.wav");
  QFile f(good);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.close();
  EXPECT_TRUE(form.acceptJingleFile(TForm1::Jingle::Header, good));
  EXPECT_EQ(settings.announcement.headerFile, good.toLocal8Bit());
  EXPECT_EQ(find<QWidget>("ButtonParcourirEnTete")->toolTip(), good);

  EXPECT_FALSE(form.acceptJingleFile(TForm1::Jingle::Cuckoo, dir.filePath("missing.wav")));
  EXPECT_TRUE(settings.announcement.cuckooFile.isEmpty());
  EXPECT_EQ(notifier.boxes, QStringList{"Fehler: Dateiname"});
}

TEST_F(MainWindow, KeysAreSwallowedAndEscAborts) {
  auto abort = countEmissions(&form, &TForm1::abortRequested);
  QKeyEvent esc(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
  QKeyEvent other(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, "a");
  QCoreApplication::sendEvent(&form, &other);
  EXPECT_TRUE(other.isAccepted());
  QCoreApplication::sendEvent(&form, &esc);
  EXPECT_EQ(*abort, 1);
  // Controls never see a key: the pause cannot be typed into, Esc still aborts.
  auto* pause = find<QSpinBox>("SpinEditPause");
  QKeyEvent up(QEvent::KeyPress, Qt::Key_Up, Qt::NoModifier);
  QCoreApplication::sendEvent(pause, &up);
  EXPECT_EQ(pause->value(), 0);
  QKeyEvent escInControl(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
  QCoreApplication::sendEvent(pause, &escInControl);
  EXPECT_EQ(*abort, 2);
}

TEST_F(MainWindow, ButtonsReachTheCore) {
  auto announce = countEmissions(&form, &TForm1::announceRequested);
  auto save = countEmissions(&form, &TForm1::saveRequested);
  auto minimiseSave = countEmissions(&form, &TForm1::minimiseSaveRequested);
  find<QPushButton>("Button1")->click();
  EXPECT_EQ(*announce, 1);
  find<QAction>("menuSaveConfig")->trigger();
  EXPECT_EQ(*save, 1);
  form.show();
  find<QPushButton>("Button2")->click();  // minimising saves too
  EXPECT_EQ(*minimiseSave, 1);
  EXPECT_EQ(*save, 1);
}

}  // namespace
}  // namespace parlhora
