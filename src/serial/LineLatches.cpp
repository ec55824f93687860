#include "serial/LineLatches.h"

namespace parlhora {

LineLatches::Rising LineLatches::update(bool cts, bool dsr) {
  if (!cts) cts_ = false;
  if (!dsr) dsr_ = false;
  if (cts && !cts_) {
    cts_ = true;
    return Rising::Cts;
  }
  if (dsr && !dsr_) {
    dsr_ = true;
    return Rising::Dsr;
  }
  return Rising::None;
}

}  // namespace parlhora
