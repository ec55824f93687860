#include "UploadForm.h"

#include "stations/StationProtocol.h"

namespace parlhora::push {

namespace {

QByteArray number(double v) { return QByteArray::number(v, 'f', 2); }

}  // namespace

QByteArray uploadForm(const sim::StationState& s, Protocol protocol, const QByteArray& key) {
  const bool ecowitt = protocol == Protocol::Ecowitt;
  const SensorImage& i = s.image;
  QByteArrayList f;
  f << (ecowitt ? "PASSKEY=" : "ID=") + key.toPercentEncoding();
  if (!ecowitt) f << "PASSWORD=none";
  f << "dateutc=now";
  if (i.outsideTemp != station::kNoTemperature) f << "tempf=" + number(i.outsideTemp / 10.0);
  if (i.insideTemp != station::kNoTemperature)
    f << (ecowitt ? "tempinf=" : "indoortempf=") + number(i.insideTemp / 10.0);
  if (i.outsideHumidity != station::kNoHumidity) f << "humidity=" + QByteArray::number(i.outsideHumidity);
  if (i.insideHumidity != station::kNoHumidity)
    f << (ecowitt ? "humidityin=" : "indoorhumidity=") + QByteArray::number(i.insideHumidity);
  if (i.barometer != station::kNoBarometer)
    f << (ecowitt ? "baromrelin=" : "baromin=") + QByteArray::number(i.barometer / 1000.0, 'f', 3);
  if (i.windSpeed != station::kNoWindSpeed) {
    f << "windspeedmph=" + number(i.windSpeed);
    f << "windgustmph=" + number(i.windSpeed * 1.3);
  }
  if (i.windDirection != station::kNoDirection) f << "winddir=" + QByteArray::number(i.windDirection);
  // The script's rain clicks are hundredths of an inch, a running total.
  f << (ecowitt ? "totalrainin=" : "dailyrainin=") + number(i.rain / 100.0);
  if (ecowitt)
    f << "stationtype=station-push"
      << "model=station-push";
  else
    f << "softwaretype=station-push"
      << "action=updateraw";
  return f.join('&');
}

QByteArray uploadRequest(const QByteArray& form, Protocol protocol, const QByteArray& path,
                         const QByteArray& host) {
  if (protocol == Protocol::Wunderground)
    return "GET /weatherstation/updateweatherstation.php?" + form + " HTTP/1.1\r\nHost: " + host +
           "\r\nConnection: close\r\n\r\n";
  return "POST " + path + " HTTP/1.1\r\nHost: " + host +
         "\r\nContent-Type: application/x-www-form-urlencoded\r\nContent-Length: " +
         QByteArray::number(form.size()) + "\r\nConnection: close\r\n\r\n" + form;
}

}  // namespace parlhora::push
