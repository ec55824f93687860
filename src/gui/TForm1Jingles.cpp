#include "gui/TForm1.h"

// The main window's jingle files and its sound panel (device, volume, level).

#include <QFileDialog>

#include "app/AnnouncerSettings.h"
#include "audio/JingleFiles.h"
#include "audio/SoundCardPanel.h"
#include "audio/VolumeMath.h"
#include "ui_TForm1.h"

namespace parlhora {

void TForm1::ButtonParcourirEnteteClick() { browse(Jingle::Header); }

void TForm1::ButtonParcourirPiroloClick() { browse(Jingle::Cuckoo); }

void TForm1::ButtonParcourirFinClick() { browse(Jingle::Final); }

void TForm1::browse(Jingle which) {
  const QString path =
      QFileDialog::getOpenFileName(this, QString(), QString(), QStringLiteral("Fichiers son *.wav (*.wav)"));
  if (!path.isEmpty()) acceptJingleFile(which, path);
}

bool TForm1::acceptJingleFile(Jingle which, const QString& path) {
  QPushButton* button = which == Jingle::Header   ? ui_->ButtonParcourirEnTete
                        : which == Jingle::Cuckoo ? ui_->ButtonParcourirPirolo
                                                  : ui_->ButtonParcourirFin;
  const bool kept = jingles_.accept(which, path);
  button->setToolTip(kept ? path : QString());
  return kept;
}

void TForm1::MenuCarteSonClick() {
  soundCard_.open(settings_.sound.device, !ui_->Button1->isEnabled());
  showSoundCard();
}

void TForm1::BitBtnOKCarteSonClick() {
  soundCard_.setChoice(ui_->RadioButtonCarteMoi->isChecked() ? SoundCardPanel::Choice::User
                                                             : SoundCardPanel::Choice::System);
  soundCard_.select(ui_->ComboBoxChoixOut->currentIndex());
  if (!soundCard_.ok()) return;
  showSoundCard();
  emit soundDeviceChanged(soundCard_.device());
}

void TForm1::showSoundCard() {
  const QSignalBlocker block(ui_->ComboBoxChoixOut);
  ui_->ComboBoxChoixOut->clear();
  ui_->ComboBoxChoixOut->addItems(soundCard_.items());
  ui_->ComboBoxChoixOut->setCurrentIndex(soundCard_.selectedIndex());
  ui_->ComboBoxChoixOut->setPlaceholderText(soundCard_.listText());
  const bool mine = soundCard_.choice() == SoundCardPanel::Choice::User;
  ui_->RadioButtonCarteMoi->setChecked(mine);
  ui_->RadioButtonCarteWin->setChecked(!mine);
  ui_->BitBtnOKCarteSon->setEnabled(soundCard_.okEnabled());
  const bool shown = !ui_->PanelCarteSon->isHidden();
  if (soundCard_.isVisible() && !shown) sizeBeforeSoundCard_ = size();
  ui_->PanelCarteSon->setVisible(soundCard_.isVisible());
  if (!soundCard_.isVisible() && shown && sizeBeforeSoundCard_.isValid()) {
    // The panel's height would otherwise stay as gaps between the rows.
    ui_->centralwidget->layout()->activate();
    layout()->activate();
    resize(sizeBeforeSoundCard_);
  }
}

void TForm1::TrackBarVolumeChange(int position) {
  settings_.sound.volume = position;
  emit volumeChanged(position);
}

void TForm1::ButtonPlayWaveClick() { emit playWaveFileRequested(); }

void TForm1::ButtonPlayWaveResClick() { emit playWaveResRequested(); }

void TForm1::panel1Pressed(const QPoint& pos, Qt::MouseButton button) {
  const QRect gauge = ui_->Gauge1->geometry();
  if (pos.x() <= gauge.right() || pos.y() < gauge.top()) return;
  if (button != Qt::LeftButton && button != Qt::RightButton) return;
  settings_.sound.maxVolume = VolumeMath::gaugeClick(settings_.sound.maxVolume, button == Qt::LeftButton);
  ui_->Gauge1->setValue(settings_.sound.maxVolume);
}

}  // namespace parlhora
