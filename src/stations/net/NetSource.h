#pragma once

#include <memory>
#include <optional>

#include "platform/ClockTimer.h"
#include "stations/net/FailureLog.h"
#include "stations/net/NetStateFile.h"
#include "stations/net/UploadReceiver.h"
#include "weather/NetStationSettings.h"
#include "weather/SourceContext.h"
#include "weather/SourceController.h"

namespace parlhora {

class StreamServer;

/// The network weather station (window TFormMeteoNet): gateways push their
/// readings to the receiver, and each accepted upload becomes the snapshot.
/// A flood costs at most one refresh a second, the newest upload winning.
/// The last upload and its history live in "net_station.json", so a restart
/// or a one-shot command (which gets no server and never listens) finds
/// them. Core thread only; context, settings and server outlive it.
class NetSource final : public SourceController {
  Q_OBJECT

 public:
  static constexpr int kRefreshGapMs = 1000;

  NetSource(SourceContext& context, NetStationSettings& settings, StreamServer* server,
            QObject* parent = nullptr);
  ~NetSource() override;

  void stop() override;
  bool timerActive() const override;
  /// Shows the last upload in the current units, and listens if it does not.
  void refresh() override;
  void refreshNow() override { refresh(); }
  Show pick() override;
  void applySettings() override;
  bool ready() const override { return state_.has_value(); }
  const ReadingBoxes& boxes() const override { return settings_.boxes; }
  QString errorText() const override;

  NetStationSettings& settings() { return settings_; }
  /// The port, path or key changed in the window: listen anew if listening.
  void receiverSettingsChanged();
  /// The port the receiver listens on (0 when it does not).
  quint16 listeningPort() const;
  /// An accepted upload from `peer`, as the receiver hands it on.
  void take(const NetUpload& upload, const QString& peer);

 private:
  void commit();
  void show();
  UploadReceiver::Config config() const;

  SourceContext& context_;
  NetStationSettings& settings_;
  StreamServer* server_;
  FailureLog failures_;
  std::unique_ptr<UploadReceiver> receiver_;
  std::optional<NetState> state_;
  std::optional<std::pair<NetUpload, QString>> pending_;
  ClockTimer gap_;
  std::int64_t lastCommitMs_ = -kRefreshGapMs;
};

}  // namespace parlhora
