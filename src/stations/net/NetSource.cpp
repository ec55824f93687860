#include "stations/net/NetSource.h"

#include <QDateTime>
#include <algorithm>

#include "platform/Clock.h"
#include "stations/StationTime.h"
#include "stations/net/NetReading.h"

namespace parlhora {

NetSource::NetSource(SourceContext& context, NetStationSettings& settings, StreamServer* server,
                     QObject* parent)
    : SourceController(WeatherSource::NET, parent),
      context_(context),
      settings_(settings),
      server_(server),
      failures_(context.logLine),
      gap_(context.clock, [this] { commit(); }) {
  if (server_) {
    receiver_ =
        std::make_unique<UploadReceiver>(*server_, context_.clock, failures_,
                                         [this](const NetUpload& u, const QString& peer) { take(u, peer); });
    receiver_->errorChanged = [this] { emit readingsChanged(); };
  }
}

NetSource::~NetSource() = default;

UploadReceiver::Config NetSource::config() const {
  UploadReceiver::Config c;
  c.port = quint16(std::clamp(settings_.port, 0, 65535));
  c.path = settings_.path.isEmpty() ? QByteArray("/data/report/") : settings_.path;
  c.key = settings_.key;
  return c;
}

void NetSource::stop() {
  if (receiver_) receiver_->stop();
}

bool NetSource::timerActive() const { return receiver_ && receiver_->active(); }

QString NetSource::errorText() const { return receiver_ ? receiver_->errorText() : QString(); }

quint16 NetSource::listeningPort() const { return server_ && server_->listening() ? server_->port() : 0; }

void NetSource::applySettings() {
  if (!state_) state_ = NetStateFile::load(context_.programFolder);
  show();
}

void NetSource::refresh() {
  if (receiver_ && !receiver_->active()) receiver_->start(config());
  show();
}

SourceController::Show NetSource::pick() {
  refresh();
  return Show::UnlessMinimised;
}

void NetSource::receiverSettingsChanged() {
  if (receiver_ && receiver_->active()) receiver_->start(config());
}

void NetSource::take(const NetUpload& upload, const QString& peer) {
  pending_.emplace(upload, peer);
  const std::int64_t since = context_.clock.monotonicMs() - lastCommitMs_;
  if (since >= kRefreshGapMs)
    commit();
  else if (!gap_.isActive())
    gap_.start(int(kRefreshGapMs - since), false);
}

void NetSource::commit() {
  if (!pending_) return;
  auto [upload, peer] = std::move(*pending_);
  pending_.reset();
  lastCommitMs_ = context_.clock.monotonicMs();
  const double now = StationTime::fromDateTime(context_.clock.now());
  NetState next;
  if (state_) next.history = state_->history;
  next.history.add(now, upload.pressure, upload.rainTotal, upload.rainCounter);
  upload.key.clear();
  next.upload = upload;
  next.arrival = now;
  next.from = peer;
  state_ = std::move(next);
  if (!NetStateFile::save(context_.programFolder, *state_))
    failures_.report(QStringLiteral("state"),
                     QStringLiteral("Netzwerk-Station: ") + QLatin1String(NetStateFile::kName) +
                         QStringLiteral(" nicht geschrieben"),
                     context_.clock.monotonicMs());
  show();
}

void NetSource::show() {
  if (state_) {
    StationParams p{context_.units};
    p.pressureTrim = settings_.pressureOffset;
    p.tendThreshold = settings_.trendThreshold * 0.1;
    StationReading reading{snapshot_, captions_, companions_.DataTime};
    NetReading::evaluate(state_->upload, state_->arrival, state_->history, p, reading);
    snapshot_ = reading.snapshot;
    captions_ = reading.captions;
    companions_.raiseDataTime(reading.dataTime);
    QString sent = QStringLiteral("letzte Sendung: ") +
                   StationTime::toDateTime(state_->arrival).toString(QStringLiteral("dd.MM.yyyy hh:mm:ss"));
    if (!state_->from.isEmpty()) sent += QStringLiteral(" von ") + state_->from;
    captions_.set(QStringLiteral("LabelSendung"), sent);
  } else {
    captions_.set(QStringLiteral("LabelSendung"), QStringLiteral("letzte Sendung: --"));
  }
  emit readingsChanged();
}

}  // namespace parlhora
