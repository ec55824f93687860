#include "internet/FavouriteSlots.h"

#include <QString>

namespace parlhora {

void FavouriteSlots::click(int slot, const QByteArray& text, bool aprs, const Target& metar,
                           const Target& aprsTarget) {
  if (text.isEmpty()) return;
  const QString address = QString::fromLocal8Bit(text);
  auto open = [&address](const Target& t) {
    if (t.visible && t.open && t.visible()) t.open(address);
  };
  if (!aprs) {
    open(metar);
    return;
  }
  open(aprsTarget);
  if (slot == 2 || slot == 4 || slot == 6 || slot == 8) open(metar);
}

}  // namespace parlhora
