#include "internet/RecentAddresses.h"

namespace parlhora {

int RecentAddresses::add(QList<QByteArray>& list, const QByteArray& address) {
  if (address.isEmpty()) return -1;
  const qsizetype equal = list.lastIndexOf(address);
  if (equal >= 0) return static_cast<int>(equal);
  if (list.size() < kMax) {
    list.append(address);
    return static_cast<int>(list.size() - 1);
  }
  while (list.size() >= kMax) list.removeLast();
  list.prepend(address);
  return 0;
}

}  // namespace parlhora
