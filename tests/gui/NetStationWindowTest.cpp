#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSpinBox>
#include <QTemporaryDir>

#include "app/core/CoreRig.h"
#include "gui/TFormChoixMeteo.h"
#include "gui/TFormMeteoNet.h"
#include "gui/WindowSet.h"
#include "stations/net/NetSource.h"

namespace parlhora {
namespace {

TEST(NetStationWindow, ChooserButtonBoxesAndReceiverSettings) {
  CoreRig rig;
  WindowSet set{*rig.core, rig.notifier};
  auto* radio = set.chooser().findChild<QRadioButton*>("RadioButtonNET");
  ASSERT_NE(radio, nullptr);
  EXPECT_EQ(radio->text(), "Netzwerk-Station (Ecowitt/Wunderground)");
  radio->click();
  EXPECT_EQ(rig.core->settings().source, WeatherSource::NET);

  TFormMeteoNet& window = set.net();
  for (const char* name :
       {"CheckBoxTint", "CheckBoxText", "CheckBoxPatm", "CheckBoxTend", "CheckBoxVent", "CheckBoxRafa",
        "CheckBoxDire", "CheckBoxHumiExt", "CheckBoxPluie", "CheckBoxTRes"})
    EXPECT_NE(window.findChild<QCheckBox*>(name), nullptr) << name;
  EXPECT_EQ(window.findChild<QLabel*>("LabelSendung")->text(), "letzte Sendung: --");
  window.findChild<QCheckBox*>("CheckBoxPluie")->click();
  EXPECT_TRUE(rig.core->settings().net.boxes.pluie);

  auto* path = window.findChild<QLineEdit*>("EditPath");
  EXPECT_EQ(path->text(), "/data/report/");
  path->setText("no path");
  emit path->editingFinished();
  EXPECT_EQ(rig.core->settings().net.path, "/data/report/") << "refused, the old one stays";
  path->setText("/ecowitt");
  emit path->editingFinished();
  EXPECT_EQ(rig.core->settings().net.path, "/ecowitt");
}

}  // namespace
}  // namespace parlhora
