#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>

#include "app/ParlhoraCore.h"
#include "fakes/FakeAutostart.h"
#include "fakes/FakeNotifier.h"
#include "fakes/FakeSerialLines.h"
#include "fakes/FakeWaveOut.h"
#include "gui/CoreBinding.h"
#include "gui/TForm1.h"
#include "gui/WindowSet.h"
#include "platform/PosixSettingsStore.h"
#include "platform/VirtualClock.h"

namespace parlhora {
namespace {

// The windowed program on fakes and a virtual clock.
struct Program {
  explicit Program(const QByteArray& ini)
      : clock(QDateTime(QDate(2026, 3, 5), QTime(14, 34, 58))),
        waveOut(clock, FakeWaveOut::Mode::PlayTime),
        store(home.path()) {
    QFile file(iniPath());
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(ini);
    file.close();
    ParlhoraCore::Options options;
    options.settingsExisted = true;
    core = std::make_unique<ParlhoraCore>(
        PlatformSet{clock, waveOut, serial, notifier, autostart, store, home.path(), {}}, options);
    windows = std::make_unique<WindowSet>(core->settings(), notifier);
    binding = std::make_unique<CoreBinding>(*windows, *core, waveOut);
    core->FormCreate();
    clock.runFor(600);  // the first tick loads the settings
  }
  QString iniPath() const { return QDir(home.path()).filePath("parlhora.ini"); }
  QByteArray ini() const {
    QFile file(iniPath());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
  }
  QLineEdit* editData() { return windows->main().findChild<QLineEdit*>("EditData"); }

  QTemporaryDir home;
  VirtualClock clock;
  FakeWaveOut waveOut;
  FakeSerialLines serial;
  FakeNotifier notifier;
  FakeAutostart autostart;
  PosixSettingsStore store;
  std::unique_ptr<ParlhoraCore> core;
  std::unique_ptr<WindowSet> windows;
  std::unique_ptr<CoreBinding> binding;
};

TEST(CoreBinding, LoadingFillsTheWindowsAndStartsMinimisedWithoutSaving) {
  const QByteArray ini = "[PARLHORA V2.2.3]\r\nREDUCE=Y\r\nSTART_RANGE=7\r\nFINAL=Y\r\n";
  Program p(ini);
  ASSERT_TRUE(p.core->loaded());
  TForm1& main = p.windows->main();
  EXPECT_EQ(main.windowTitle(), "PARLHORA V2.2.3");
  EXPECT_TRUE(main.hourItems()[7]->isChecked());
  EXPECT_TRUE(main.findChild<QAbstractButton*>("CheckBoxFin")->isChecked());
  EXPECT_TRUE(main.isMinimized());  // no notification area offscreen
  EXPECT_EQ(p.ini(), ini);
  EXPECT_FALSE(main.findChild<QLineEdit*>("EditTime")->text().trimmed().isEmpty());
}

TEST(CoreBinding, Button1RunsAnAnnouncementAndTheWindowFollows) {
  Program p("[PARLHORA V2.2.3]\r\n");
  auto* button1 = p.windows->main().findChild<QPushButton*>("Button1");
  button1->click();
  EXPECT_EQ(p.editData()->text(), "PARLHORA SPIEL");
  EXPECT_FALSE(button1->isEnabled());
  p.clock.runFor(30000);
  EXPECT_EQ(p.editData()->text(), "PARLHORA DONE");
  EXPECT_TRUE(button1->isEnabled());
}

TEST(CoreBinding, ClosingTheMainWindowSavesTheSettings) {
  Program p("[PARLHORA V2.2.3]\r\n");
  p.windows->main().hourItems()[25 + 19]->trigger();
  p.windows->main().close();
  EXPECT_TRUE(p.ini().contains("END_RANGE=19\r\n"));
  EXPECT_TRUE(p.ini().contains("LEFT=4\r\n"));
}

}  // namespace
}  // namespace parlhora
