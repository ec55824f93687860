#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>

#include "app/core/CoreRig.h"
#include "fakes/FakeNotifier.h"
#include "gui/WindowSet.h"

namespace parlhora {
namespace {

QWidget* windowNamed(const WindowSet& set, const QString& name) {
  for (QWidget* window : set.windows())
    if (window->objectName() == name) return window;
  return nullptr;
}

QString captionOf(const QWidget* widget) {
  if (auto* button = qobject_cast<const QAbstractButton*>(widget)) return button->text();
  if (auto* label = qobject_cast<const QLabel*>(widget)) return label->text();
  if (auto* group = qobject_cast<const QGroupBox*>(widget)) return group->title();
  if (auto* combo = qobject_cast<const QComboBox*>(widget)) return combo->currentText();
  return "<no caption>";
}

struct Caption {
  const char* window;
  const char* control;
  const char* text;
};

// What each weather window shows before its first read, in the default units.
// "Aktualisiern", "gefühlt (C°)", "Innen-T(°C)" and "Errinerung" are the system's own texts.
const Caption kCaptions[] = {
    {"TFormMeteo", "ButtonPort", "COM=0"},
    {"TFormMeteo", "LabelVersion", "DLL-Version: "},
    {"TFormMeteo", "GroupBoxAnnonce", "Check for announcement"},
    {"TFormMeteo", "CheckBoxTint", "Innen-T (°C)= "},
    {"TFormMeteo", "CheckBoxText", "Aussen-T (°C) = "},
    {"TFormMeteo", "CheckBoxPatm", "Luftdruck (hPa) = "},
    {"TFormMeteo", "CheckBoxtend", "Trend : stetig"},
    {"TFormMeteo", "CheckBoxVent", "Wind (km/h) = "},
    {"TFormMeteo", "CheckBoxRafa", "Böen (km/h) = "},
    {"TFormMeteo", "CheckBoxDire", "Richtung (°) = "},
    {"TFormMeteo", "CheckBoxlog", "Stündliche Aufzeichnung von Wetterdaten"},

    {"TFormMeteoW23", "ButtonParcourir", "Durchsuchen"},
    {"TFormMeteoW23", "ButtonRafraichir", "Aktualisieren"},
    {"TFormMeteoW23", "LabelRafraichir", "min"},
    {"TFormMeteoW23", "Label6", "hPa"},
    {"TFormMeteoW23", "Label9", "0.1*mB/h"},
    {"TFormMeteoW23", "CheckBoxTint", "Innen-T(°C) = "},
    {"TFormMeteoW23", "CheckBoxText", "Aussen-T (°C) = "},
    {"TFormMeteoW23", "CheckBoxPatm", "Luftdruck (hPa) = "},
    {"TFormMeteoW23", "CheckBoxTend", "Trend = "},
    {"TFormMeteoW23", "CheckBoxVent", "Wind (km/h) = "},
    {"TFormMeteoW23", "CheckBoxRafa", "Böen (km/h) = "},
    {"TFormMeteoW23", "CheckBoxTRes", "gefühlt (C°) = "},
    {"TFormMeteoW23", "CheckBoxDire", "Richtung (°) = "},
    {"TFormMeteoW23", "CheckBoxHumiExt", "Feuchte (%) ="},
    {"TFormMeteoW23", "CheckBoxPluie", "Regen/24h (mm) ="},
    {"TFormMeteoW23", "LabelHumInt", "Innenfeuchte (%) = "},
    {"TFormMeteoW23", "LabelTros", "Taupunkt (°C) = "},

    {"TFormMeteoW28", "ButtonParcourir", "Durchsuchen"},
    {"TFormMeteoW28", "ButtonRafraichir", "Aktualisieren"},
    {"TFormMeteoW28", "LabelRafraichir", "min"},
    {"TFormMeteoW28", "Label6", "hPa"},
    {"TFormMeteoW28", "Label9", "0.1*mB/h"},
    {"TFormMeteoW28", "GroupBoxDruck", "Druck"},
    {"TFormMeteoW28", "RadioButtonPABS", "Absoluter"},
    {"TFormMeteoW28", "RadioButtonPREL", "Relativer"},
    {"TFormMeteoW28", "CheckBoxTint", "Innen-T(°C) = "},
    {"TFormMeteoW28", "CheckBoxText", "Aussen-T (°C) = "},
    {"TFormMeteoW28", "CheckBoxPatm", "Luftdruck (hPa) = "},
    {"TFormMeteoW28", "CheckBoxTend", "Trend = "},
    {"TFormMeteoW28", "CheckBoxVent", "Wind (km/h) = "},
    {"TFormMeteoW28", "CheckBoxRafa", "Böen (km/h) = "},
    {"TFormMeteoW28", "CheckBoxTRes", "gefühlt (C°) = "},
    {"TFormMeteoW28", "CheckBoxDire", "Richtung (°) = "},
    {"TFormMeteoW28", "CheckBoxHumiExt", "Feuchte (%) ="},
    {"TFormMeteoW28", "CheckBoxPluie", "Regen/24h (mm) ="},
    {"TFormMeteoW28", "LabelHumInt", "Innenfeuchte (%) = "},
    {"TFormMeteoW28", "LabelTros", "Taupunkt (°C) = "},

    {"TFormMeteoPro2", "LabelDat", ".wlk Datei :"},
    {"TFormMeteoPro2", "ButtonParcourir", "Durchsuchen"},
    {"TFormMeteoPro2", "ButtonRafraichir", "Aktualisiern"},
    {"TFormMeteoPro2", "LabelRafraichir", "alle"},
    {"TFormMeteoPro2", "LabelMinute", "minute(n)"},
    {"TFormMeteoPro2", "LabelDate", "Daten- Datum :"},
    {"TFormMeteoPro2", "GroupBoxDruck", "Druck"},
    {"TFormMeteoPro2", "LabelOffset", "Feineinstellung"},
    {"TFormMeteoPro2", "Label6", "mbar"},
    {"TFormMeteoPro2", "LabelSeuil", "Trendschwelle"},
    {"TFormMeteoPro2", "Label9", "0.1*mB/h"},
    {"TFormMeteoPro2", "CheckBoxFichier", "Nach der Datei des aktuellen Monats immer suchen"},
    {"TFormMeteoPro2", "GroupBoxAnnonce", "Aktivieren um in Nachricht einzufügen"},
    {"TFormMeteoPro2", "CheckBoxTint", "Innen-T (°C) = "},
    {"TFormMeteoPro2", "CheckBoxText", "Aussen-T (°C) = "},
    {"TFormMeteoPro2", "CheckBoxPatm", "Luftdruck (hPa) = "},
    {"TFormMeteoPro2", "CheckBoxTend", "Trend = "},
    {"TFormMeteoPro2", "CheckBoxVent", "Wind (km/h) = "},
    {"TFormMeteoPro2", "CheckBoxRafa", "Böen (km/h) = "},
    {"TFormMeteoPro2", "CheckBoxDire", "Richtung (°) = "},
    {"TFormMeteoPro2", "CheckBoxHumiExt", "Feuchte (%) = "},
    {"TFormMeteoPro2", "CheckBoxPluie", "Regen/24h (mm) ="},
    {"TFormMeteoPro2", "LabelHumInt", "Innenfeuchte (%) ="},
    {"TFormMeteoPro2", "LabelTros", "Taupunkt (°C) = "},

    {"TFormMeteoMETAR", "ButtonRafraichir", "Aktualisieren"},
    {"TFormMeteoMETAR", "LabelMin", "min"},
    {"TFormMeteoMETAR", "ButtonFav", "Favoriten"},
    {"TFormMeteoMETAR", "ComboBoxTU", "UT"},
    {"TFormMeteoMETAR", "LabelOffset", "Druckfeineinstellung"},
    {"TFormMeteoMETAR", "Label6", "hPa"},
    {"TFormMeteoMETAR", "LabelICAO", "Airport code = "},
    {"TFormMeteoMETAR", "LabelNomICAO", "===================="},
    {"TFormMeteoMETAR", "CheckBoxText", "Aussen-T (°C) = "},
    {"TFormMeteoMETAR", "CheckBoxPatm", "Luftdruck (hPa) = "},
    {"TFormMeteoMETAR", "CheckBoxVent", "Wind (km/h) = "},
    {"TFormMeteoMETAR", "CheckBoxRafa", "Böen (km/h) = "},
    {"TFormMeteoMETAR", "CheckBoxDire", "Richtung (°) = "},
    {"TFormMeteoMETAR", "CheckBoxPluie", "Niederschläge ="},

    {"TFormMeteoAPRS", "ButtonParcourir", "Durchsuchen"},
    {"TFormMeteoAPRS", "ButtonRafraichir", "Aktualisieren"},
    {"TFormMeteoAPRS", "LabelMin", "min"},
    {"TFormMeteoAPRS", "ButtonFav", "Favoriten"},
    {"TFormMeteoAPRS", "ComboBoxTU", "Lok"},
    {"TFormMeteoAPRS", "GroupBoxRaw", "Rohdateneinheiten"},
    {"TFormMeteoAPRS", "RadioButtonKM", "km/h"},
    {"TFormMeteoAPRS", "RadioButtonMile", "mph"},
    {"TFormMeteoAPRS", "RadioButtonKnot", "Knoten"},
    {"TFormMeteoAPRS", "GroupBoxLogin", "aprs login ID + PW  (zur Errinerung)"},
};

// The refresh row reads from left to right as the user says it.
const char* const kRefreshRows[][4] = {
    {"TFormMeteoW23", "ButtonRafraichir", "SpinEditRafraichir", "LabelRafraichir"},
    {"TFormMeteoW28", "ButtonRafraichir", "SpinEditRafraichir", "LabelRafraichir"},
    {"TFormMeteoPro2", "LabelRafraichir", "SpinEditRafraichir", "LabelMinute"},
    {"TFormMeteoMETAR", "ButtonRafraichir", "SpinEditRafraichir", "LabelMin"},
    {"TFormMeteoAPRS", "ButtonRafraichir", "SpinEditRafraichir", "LabelMin"},
};

TEST(WeatherCaptions, EveryWeatherWindowShowsItsOwnTexts) {
  CoreRig rig;
  WindowSet set{*rig.core, rig.notifier};
  for (const Caption& row : kCaptions) {
    QWidget* window = windowNamed(set, row.window);
    ASSERT_NE(window, nullptr) << row.window;
    auto* control = window->findChild<QWidget*>(row.control);
    ASSERT_NE(control, nullptr) << row.window << "." << row.control;
    EXPECT_EQ(captionOf(control).toStdString(), row.text) << row.window << "." << row.control;
  }
  for (const auto& row : kRefreshRows) {
    QWidget* window = windowNamed(set, row[0]);
    window->layout()->activate();
    int lastRight = -1;
    for (int i = 1; i < 4; ++i) {
      auto* widget = window->findChild<QWidget*>(row[i]);
      ASSERT_NE(widget, nullptr) << row[0] << "." << row[i];
      const int left = widget->mapTo(window, QPoint(0, 0)).x();
      EXPECT_GT(left, lastRight) << row[0] << "." << row[i] << " stands out of reading order";
      lastRight = left + widget->width() - 1;
    }
  }
}

TEST(WeatherWindowLayout, ALargerWindowKeepsItsRowsAtTheirHeight) {
  CoreRig rig;
  WindowSet set{*rig.core, rig.notifier};
  for (QWidget* window : set.weatherWindows()) {
    window->show();
    QCoreApplication::processEvents();
    QList<QWidget*> rows;
    QList<QRect> natural;
    for (QWidget* child : window->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
      if (child->isHidden()) continue;
      rows << child;
      natural << child->geometry();
    }
    ASSERT_FALSE(rows.isEmpty()) << window->objectName().toStdString();
    window->resize(window->width(), window->height() + 300);
    QCoreApplication::processEvents();
    for (int i = 0; i < rows.size(); ++i)
      EXPECT_EQ(rows[i]->geometry(), natural[i])
          << window->objectName().toStdString() << "." << rows[i]->objectName().toStdString();
    window->hide();
  }
}

}  // namespace
}  // namespace parlhora
