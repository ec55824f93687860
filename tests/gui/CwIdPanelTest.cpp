#include <gtest/gtest.h>

#include <QCheckBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QSpinBox>

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

void type(QWidget* w, int key, const QString& text = {}) {
  QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
  QCoreApplication::sendEvent(w, &press);
}

TEST(CwIdPanel, TheMainWindowRowEditsTheModelAndEscStillAborts) {
  AnnouncerSettings settings;
  settings.cwid.call = "DL1ABC";
  settings.cwid.wpm = 55;  // out of range: shown clamped, kept in the model until changed
  FakeNotifier notifier;
  VirtualClock clock{QDateTime(QDate(2026, 3, 5), QTime(14, 35))};
  Scheduler scheduler{clock, settings.schedule, settings.announcement};
  JingleFiles jingles{settings.announcement, notifier};
  FakeWaveOut outputs{clock};
  SoundCardPanel panel{outputs, notifier};
  TForm1 form{{settings, scheduler, jingles, panel, QString()}, notifier};

  auto* box = form.findChild<QCheckBox*>("CheckBoxCwId");
  auto* call = form.findChild<QLineEdit*>("EditCwIdCall");
  auto* wpm = form.findChild<QSpinBox*>("SpinEditCwIdWpm");
  auto* hz = form.findChild<QSpinBox*>("SpinEditCwIdHz");
  ASSERT_TRUE(box && call && wpm && hz);
  EXPECT_EQ(box->text(), "Rufzeichen in Morse");
  EXPECT_EQ(call->text(), "DL1ABC");
  EXPECT_EQ(wpm->value(), 40);
  EXPECT_EQ(settings.cwid.wpm, 55);

  box->click();
  EXPECT_TRUE(settings.cwid.enabled);
  type(call, Qt::Key_Slash, "/");
  type(call, Qt::Key_P, "p");
  type(call, Qt::Key_NumberSign, "#");  // no sign of a call
  EXPECT_EQ(settings.cwid.call, "DL1ABC/P");
  wpm->setValue(25);
  hz->setValue(650);
  EXPECT_EQ(settings.cwid.wpm, 25);
  EXPECT_EQ(settings.cwid.hz, 650);

  auto abort = countEmissions(&form, &TForm1::abortRequested);
  type(call, Qt::Key_Escape);
  EXPECT_EQ(*abort, 1);
}

}  // namespace
}  // namespace parlhora
