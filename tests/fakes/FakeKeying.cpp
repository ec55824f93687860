#include "fakes/FakeKeying.h"

namespace parlhora {

void FakeKeying::keyUp() {
  keyed = true;
  events << QStringLiteral("key");
}

void FakeKeying::unkey() {
  keyed = false;
  events << QStringLiteral("unkey");
}

}  // namespace parlhora
