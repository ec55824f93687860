#pragma once

#include <cstddef>

namespace parlhora {

/// Keeps a shared mapping whose object another process shrinks from killing
/// us: a bus error inside a guarded range replaces the whole range with
/// zero pages and marks it lost, and the faulting access goes on reading
/// zeros. Faults elsewhere keep their usual effect. A process-wide handler;
/// a fixed number of ranges may be guarded at once, the rest go unguarded.
class MappingGuard {
 public:
  static constexpr int kSlots = 32;

  /// Returns a slot number, or -1 when all slots are taken.
  static int guard(void* start, std::size_t length);
  /// Forgets the slot before the range is unmapped.
  static void release(int slot);
  /// A bus error hit the range since it was guarded.
  static bool lost(int slot);
};

}  // namespace parlhora
