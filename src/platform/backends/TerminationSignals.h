#pragma once

#include <QObject>
#include <functional>

class QSocketNotifier;

namespace parlhora {

/// Turns SIGINT and SIGTERM into a call on the main thread, so a headless
/// program stopped by systemd or Ctrl+C still unkeys and saves. One
/// instance per process; installs its handlers on construction.
class TerminationSignals final : public QObject {
 public:
  explicit TerminationSignals(std::function<void()> onSignal);
  ~TerminationSignals() override;
  TerminationSignals(const TerminationSignals&) = delete;
  TerminationSignals& operator=(const TerminationSignals&) = delete;

  bool installed() const { return notifier_ != nullptr; }

 private:
  std::function<void()> onSignal_;
  QSocketNotifier* notifier_ = nullptr;
};

}  // namespace parlhora
