#include "audio/SoundCardPanel.h"

#include "platform/Notifier.h"
#include "platform/WaveOut.h"

namespace parlhora {

SoundCardPanel::SoundCardPanel(WaveOut& out, Notifier& notifier) : out_(&out), notifier_(notifier) {}

void SoundCardPanel::open(int device, bool announcementActive) {
  okEnabled_ = !announcementActive;
  visible_ = true;
  device_ = device;
  items_.clear();
  listText_.clear();
  selected_ = -1;
  bool failed = false;
  const int count = out_->deviceCount();
  for (int i = 0; i < count; ++i) {
    QString name;
    if (out_->deviceName(i, name) != WaveOut::Ok) {
      failed = true;
      name.clear();
    }
    items_ << name;
  }
  if (choice_ == Choice::User && device >= 0 && device < items_.size()) {
    select(device);
  } else if (failed) {
    // Left in view rather than cleared at once, so the failure can be seen.
    listText_ = listErrorText();
  }
}

void SoundCardPanel::select(int index) {
  if (index < 0 || index >= items_.size()) {
    selected_ = -1;
    listText_.clear();
    return;
  }
  selected_ = index;
  listText_ = items_[index];
}

bool SoundCardPanel::ok() {
  if (!okEnabled_) return false;
  if (choice_ == Choice::User) {
    if (selected_ < 0 || items_[selected_].isEmpty()) {
      notifier_.beep();
      return false;
    }
    device_ = selected_;
  } else {
    device_ = -1;
  }
  visible_ = false;
  return true;
}

}  // namespace parlhora
