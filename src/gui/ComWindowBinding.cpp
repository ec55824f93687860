#include "gui/ComWindowBinding.h"

#include "app/AnnouncerService.h"
#include "gui/TFormCOM.h"

namespace parlhora {

ComWindowBinding::ComWindowBinding(TFormCOM& window, AnnouncerService& announcer)
    : window_(window), serial_(announcer.serial()) {
  connections_.push_back(QObject::connect(&window_, &TFormCOM::shown, &window_, [this] {
    serial_.FormShow();
    showPorts();
  }));
  connections_.push_back(QObject::connect(&window_, &TFormCOM::portPicked, &window_, [this](int row) {
    serial_.ListBoxCOMClick(row);
    showPorts();
  }));
  connections_.push_back(
      QObject::connect(&announcer, &AnnouncerService::linesChanged, &window_, [this] { showPorts(); }));
}

ComWindowBinding::~ComWindowBinding() {
  for (const auto& c : connections_) QObject::disconnect(c);
}

void ComWindowBinding::showPorts() {
  if (serial_.comList() == shownList_ && serial_.comSelection() == shownSelection_) return;
  shownList_ = serial_.comList();
  shownSelection_ = serial_.comSelection();
  window_.showPorts(shownList_, shownSelection_);
}

}  // namespace parlhora
