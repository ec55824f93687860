#pragma once

#include <QByteArray>
#include <QString>
#include <functional>

namespace parlhora {

/// Where a click on a favourites slot goes: the source window the
/// favourites belong to, and for the APRS slots F2, F4, F6 and F8 the
/// METAR window as well. A window that is not visible, or an empty slot,
/// takes nothing.
class FavouriteSlots {
 public:
  struct Target {
    std::function<bool()> visible;
    /// Puts the address into EditDat and refreshes.
    std::function<void(const QString&)> open;
  };

  /// `slot` is 1..10; `aprs` tells whose favourites window was clicked.
  static void click(int slot, const QByteArray& text, bool aprs, const Target& metar,
                    const Target& aprsTarget);
};

}  // namespace parlhora
