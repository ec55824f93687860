#pragma once

#include <QByteArray>
#include <QList>

namespace parlhora {

/// The recent-address list of an internet source window (ComboBoxPath):
/// at most ten entries, the selected one being the address in use.
class RecentAddresses {
 public:
  static constexpr int kMax = 10;

  /// Selects `address`, appending it while there is room, else putting it
  /// first and dropping the tenth. Empty addresses are ignored. Returns the
  /// selected index (the last equal entry when there are several), or -1.
  static int add(QList<QByteArray>& list, const QByteArray& address);
};

}  // namespace parlhora
