#include "platform/backends/MappingGuard.h"

#include <sys/mman.h>

#include <atomic>
#include <csignal>
#include <cstdint>
#include <mutex>

namespace parlhora {

namespace {

struct Slot {
  std::atomic<std::uintptr_t> start{0};
  std::atomic<std::size_t> length{0};
  std::atomic<bool> lost{false};
};

Slot g_slots[MappingGuard::kSlots];
struct sigaction g_previous {};
std::once_flag g_installed;
std::mutex g_writers;

extern "C" void onBusError(int signal, siginfo_t* info, void* context) {
  const auto address = reinterpret_cast<std::uintptr_t>(info->si_addr);
  for (Slot& slot : g_slots) {
    const std::uintptr_t start = slot.start.load();
    const std::size_t length = slot.length.load();
    if (start == 0 || address < start || address >= start + length) continue;
    // The pages past the object's new end are gone; private zero pages in
    // their place let the interrupted copy finish, and the flag tells the
    // owner that what it read is worthless.
    ::mmap(reinterpret_cast<void*>(start), length, PROT_READ | PROT_WRITE,
           MAP_PRIVATE | MAP_ANONYMOUS | MAP_FIXED, -1, 0);
    slot.lost.store(true);
    return;
  }
  if (g_previous.sa_flags & SA_SIGINFO) {
    if (g_previous.sa_sigaction) {
      g_previous.sa_sigaction(signal, info, context);
      return;
    }
  } else if (g_previous.sa_handler != SIG_DFL && g_previous.sa_handler != SIG_IGN) {
    g_previous.sa_handler(signal);
    return;
  }
  // Not ours: the fault repeats on return and ends the process as usual.
  std::signal(SIGBUS, SIG_DFL);
}

void install() {
  struct sigaction action {};
  action.sa_sigaction = onBusError;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_SIGINFO | SA_RESTART;
  ::sigaction(SIGBUS, &action, &g_previous);
}

}  // namespace

int MappingGuard::guard(void* start, std::size_t length) {
  std::call_once(g_installed, install);
  const std::lock_guard<std::mutex> lock(g_writers);
  for (int i = 0; i < kSlots; ++i) {
    Slot& slot = g_slots[i];
    if (slot.start.load() != 0) continue;
    slot.lost.store(false);
    slot.length.store(length);
    // Last: the handler only looks at slots with a start.
    slot.start.store(reinterpret_cast<std::uintptr_t>(start));
    return i;
  }
  return -1;
}

void MappingGuard::release(int slot) {
  if (slot < 0 || slot >= kSlots) return;
  const std::lock_guard<std::mutex> lock(g_writers);
  g_slots[slot].start.store(0);
}

bool MappingGuard::lost(int slot) {
  if (slot < 0 || slot >= kSlots) return false;
  return g_slots[slot].lost.load();
}

}  // namespace parlhora
