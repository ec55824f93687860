#include "stations/net/NetStateFile.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>
#include <cmath>

#include "stations/StationTime.h"

namespace parlhora {

namespace {

// Far more than a state of ours ever takes.
constexpr qint64 kMaxFileBytes = 1 << 20;

struct Reading {
  const char* name;
  std::optional<double> NetUpload::*field;
};
constexpr Reading kReadings[] = {
    {"tempOut", &NetUpload::tempOut},    {"tempIn", &NetUpload::tempIn},
    {"humOut", &NetUpload::humidityOut}, {"humIn", &NetUpload::humidityIn},
    {"pressure", &NetUpload::pressure},  {"wind", &NetUpload::wind},
    {"gust", &NetUpload::gust},          {"rain", &NetUpload::rainTotal},
};

std::optional<double> finite(const QJsonValue& v) {
  if (!v.isDouble() || !std::isfinite(v.toDouble())) return std::nullopt;
  return v.toDouble();
}

}  // namespace

bool NetStateFile::save(const QString& programFolder, const NetState& state) {
  QJsonObject upload;
  for (const Reading& r : kReadings)
    if (state.upload.*r.field) upload.insert(r.name, *(state.upload.*r.field));
  if (state.upload.direction) upload.insert("direction", *state.upload.direction);
  upload.insert("counter", state.upload.rainCounter);
  if (state.upload.dataTime.isValid())
    upload.insert("dataTime", StationTime::fromDateTime(state.upload.dataTime));
  const QJsonObject root{{"upload", upload},
                         {"arrival", state.arrival},
                         {"from", state.from},
                         {"history", state.history.toJson()}};
  QSaveFile file(QDir(programFolder).filePath(kName));
  if (!file.open(QIODevice::WriteOnly)) return false;
  file.write(QJsonDocument(root).toJson(QJsonDocument::Compact));
  return file.commit();
}

std::optional<NetState> NetStateFile::load(const QString& programFolder) {
  QFile file(QDir(programFolder).filePath(kName));
  if (!file.open(QIODevice::ReadOnly) || file.size() > kMaxFileBytes) return std::nullopt;
  const QJsonDocument doc = QJsonDocument::fromJson(file.read(kMaxFileBytes));
  const QJsonObject root = doc.object();
  const auto arrival = finite(root.value("arrival"));
  if (!doc.isObject() || !arrival || !StationTime::plausible(*arrival)) return std::nullopt;
  NetState state;
  state.arrival = *arrival;
  state.from = root.value("from").toString().left(64);
  const QJsonObject upload = root.value("upload").toObject();
  for (const Reading& r : kReadings) state.upload.*r.field = finite(upload.value(r.name));
  if (const auto d = finite(upload.value("direction")); d && *d >= 0 && *d < 360)
    state.upload.direction = int(*d);
  state.upload.rainCounter = upload.value("counter").toInt();
  if (const auto t = finite(upload.value("dataTime")); t && StationTime::plausible(*t))
    state.upload.dataTime = StationTime::toDateTime(*t);
  state.history = UploadHistory::fromJson(root.value("history").toObject());
  return state;
}

}  // namespace parlhora
