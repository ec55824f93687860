#pragma once

#include <QMetaObject>

#include "gui/ComWindowBinding.h"
#include "gui/MainWindowBinding.h"

namespace parlhora {

class ParlhoraCore;
class WindowSet;

/// Puts the windows on the core: the main and COM windows through their
/// binders (the others were given their service when created), and the
/// end of loading: fill the controls, then show the windows. Main thread
/// only; borrows both, which must outlive it. Connect before
/// ParlhoraCore::FormCreate().
class CoreBinding {
 public:
  CoreBinding(WindowSet& windows, ParlhoraCore& core);
  ~CoreBinding();
  CoreBinding(const CoreBinding&) = delete;
  CoreBinding& operator=(const CoreBinding&) = delete;

 private:
  void loaded();

  WindowSet& windows_;
  ParlhoraCore& core_;
  MainWindowBinding main_;
  ComWindowBinding com_;
  QMetaObject::Connection loadedConnection_;
  QMetaObject::Connection recorderConnection_;
};

}  // namespace parlhora
