#include "stations/MonitorSource.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>
#include <cmath>
#include <limits>

#include "platform/Clock.h"
#include "serial/PortList.h"
#include "weather/HalfEven.h"
#include "weather/SourceContext.h"
#include "weather/UnitFactors.h"
#include "weather/ValidityLimits.h"

namespace parlhora {
namespace {

constexpr double kKmhPerMph = 1.609344;
constexpr double kInHgPerHpa = 0.02953;
const QString kAbsent = QStringLiteral("---");

const QString kStatus = QStringLiteral("StaticTextStatus");
const QString kVersion = QStringLiteral("LabelVersion");
const QString kPortButton = QStringLiteral("ButtonPort");

// The countdown texts between the readings, as the window has always shown them.
QString countdownText(int step) {
  switch (step) {
    case 6:
      return QStringLiteral("Weather Monitor lesen ... (6)");
    case 4:
      return QStringLiteral("Reading Weather Monitor (4)");
    case 3:
      return QStringLiteral("Weather Monitor lesen(3)");
    default:
      return QStringLiteral("Weather Monitor lesen (%1)").arg(step);
  }
}

QString trendText(int trend) {
  switch (trend) {
    case 1:
      return QStringLiteral("Trend : steigend");
    case 2:
      return QStringLiteral("Trend : fallend");
    case 0:
      return QStringLiteral("Trend : stetig");
    default:
      return QStringLiteral("Trend : ") + kAbsent;
  }
}

// Port names and full paths as for the main port.
QString stationDevicePath(const QString& name, const QString& devDir) {
  return PortList::devicePath(name, devDir);
}

// A reading the station did not give is "---" in the hourly line, never -200.
QString whole(double value, double absent = std::numeric_limits<double>::quiet_NaN()) {
  return std::isfinite(value) && value != absent ? QString::number(HalfEven::round(value)) : kAbsent;
}

}  // namespace

// An inside reading this low (-70 °C) means the console is not measuring.
bool MonitorSource::insidePlausible(double fahrenheit) { return fahrenheit >= -94; }

MonitorSource::MonitorSource(SourceContext& context, MonitorSettings& settings, StationPort& port,
                             Wiring wiring, QObject* parent)
    : TimedSource(WeatherSource::MON, context, settings.refreshMinutes, parent),
      settings_(settings),
      wiring_(std::move(wiring)),
      worker_(*this, !wiring_.readOnCoreThread),
      link_(port, worker_.threaded() ? worker_.clock() : context.clock),
      again_(context.clock, [this] { refresh(); }) {
  captions_.set(kPortButton, QString());
  captions_.set(kVersion, QStringLiteral("DLL-Version: "));
  captions_.set(kStatus, QString());
  showCaptions();
}

MonitorSource::~MonitorSource() {
  worker_.stop();
  link_.closeCommPort();
}

double MonitorSource::temperature(double fahrenheit) const {
  return context_.units.fahrenheit() ? fahrenheit : (fahrenheit - 32) * 5 / 9;
}

void MonitorSource::show(const char* name, const QString& value, bool red) {
  shown_[QLatin1String(name)] = {value, red};
}

void MonitorSource::showCaptions() {
  const UnitFactors& u = context_.units;
  const auto shown = [this](const char* name) { return shown_[QLatin1String(name)]; };
  const auto put = [this, &shown](const char* name, const QString& prefix) {
    const Shown s = shown(name);
    captions_.set(QLatin1String(name), prefix + s.value, s.red);
  };
  put("CheckBoxTint", QStringLiteral("Innen-T (°") + u.UnitTempText + QStringLiteral(")= "));
  put("CheckBoxText", QStringLiteral("Aussen-T (°") + u.UnitTempText + QStringLiteral(") = "));
  put("CheckBoxPatm", QStringLiteral("Luftdruck (") + u.UnitPresText + QStringLiteral(") = "));
  const Shown trend = shown("CheckBoxtend");
  captions_.set(QStringLiteral("CheckBoxtend"), trend.value.isEmpty() ? trendText(0) : trend.value);
  put("CheckBoxVent", QStringLiteral("Wind (") + u.UnitVentText + QStringLiteral(") = "));
  put("CheckBoxRafa", QStringLiteral("Böen (") + u.UnitVentText + QStringLiteral(") = "));
  put("CheckBoxDire", QStringLiteral("Richtung (°) = "));
  captions_.set(kPortButton, QStringLiteral("COM=") + QString::fromLatin1(settings_.port));
  emit readingsChanged();
}

void MonitorSource::setStatus(const QString& text) {
  captions_.set(kStatus, text);
  emit readingsChanged();
}

void MonitorSource::countdown(int step) { setStatus(countdownText(step)); }

void MonitorSource::applySettings() {
  takePeriod();
  showCaptions();
}

void MonitorSource::close() {
  stop();
  ++generation_;
  // The port is the read's until its thread is done.
  worker_.stop();
  link_.closeCommPort();
  online_ = false;
  reading_ = false;
  refreshAgain_ = false;
}

// ---- port button and list ------------------------------------------------

void MonitorSource::ButtonPortClick() {
  portList_ = wiring_.portList ? wiring_.portList() : QStringList{PortList::kNoCom};
  const QString current = PortList::portNameFromSetting(settings_.port);
  portListSelection_ = static_cast<int>(portList_.indexOf(current));
  if (portFromSettings_)
    portFromSettings_ = false;
  else
    portListVisible_ = true;
  emit readingsChanged();
}

void MonitorSource::ListBoxPortClick(int row) {
  if (row < 0 || row >= portList_.size()) return;
  portListSelection_ = row;
  portListVisible_ = false;
  const QString entry = portList_[row];
  if (entry == PortList::kNoCom) {
    close();
    settings_.port = "0";
    showCaptions();
    emit hideRequested();
    return;
  }
  settings_.port = PortList::settingForPortName(entry);
  openConfiguredPort();
}

bool MonitorSource::samePortAsMain(const QString& device) const {
  if (!wiring_.mainPortName) return false;
  const QString main = wiring_.mainPortName();
  if (PortList::isNoCom(main)) return false;
  const QString mainDevice = PortList::devicePath(main);
  if (mainDevice.isEmpty()) return false;
  const QString a = QFileInfo(device).canonicalFilePath(), b = QFileInfo(mainDevice).canonicalFilePath();
  return device == mainDevice || (!a.isEmpty() && a == b);
}

void MonitorSource::openConfiguredPort() {
  close();
  showCaptions();
  const QString name = PortList::portNameFromSetting(settings_.port);
  const QString device = stationDevicePath(name, wiring_.devDir);
  QString reason;
  if (device.isEmpty())
    reason = QStringLiteral("fehlt");
  else if (samePortAsMain(device))
    reason = QStringLiteral("belegt als Sender-Port");
  else if (!link_.openCommPort(device, station::kBaud))
    reason = link_.lastError();
  if (!reason.isEmpty()) {
    setStatus(QStringLiteral("Fehler: COM-Port"));
    context_.logLine(QStringLiteral("Fehler: COM-Port %1: %2").arg(name, reason));
    return;
  }
  online_ = true;
  refresh();
}

SourceController::Show MonitorSource::pick() {
  if (PortList::isNoCom(PortList::portNameFromSetting(settings_.port))) {
    showCaptions();
    return Show::Always;
  }
  portFromSettings_ = true;
  ButtonPortClick();
  // The configured port by name, listed or not: a station on an adapter the
  // list does not show can still be read.
  if (portListSelection_ >= 0)
    ListBoxPortClick(portListSelection_);
  else
    openConfiguredPort();
  return Show::InPlaceUnlessMinimised;
}

// ---- the refresh ---------------------------------------------------------

void MonitorSource::refresh() {
  stop();
  if (reading_) {
    // Asked again while the station answers: once more when it is done.
    refreshAgain_ = true;
    return;
  }
  if (!link_.isOpen()) return;
  if (context_.announcementPlaying()) {
    companions_.RefreshPending = true;
    return;
  }
  doRefresh();
}

void MonitorSource::stationFault() {
  QString cause = faultCause_.isEmpty() ? linkError_ : faultCause_;
  if (cause.isEmpty()) cause = QStringLiteral("keine Antwort");
  if (online_) context_.logLine(QStringLiteral("Fehler: Weather Monitor: ") + cause);
  online_ = false;
  setStatus(QStringLiteral("Fehler: Weather Monitor"));
  // The station may come back: keep polling.
  restartTimer();
}

bool MonitorSource::readInsideTemp(const StationAnswer<double>& answer) {
  faultCause_.clear();
  if (!answer.answered) return false;
  if (!answer.value) {
    faultCause_ = QStringLiteral("kein Wert für Innentemperatur");
    return false;
  }
  if (!insidePlausible(*answer.value)) {
    faultCause_ = QStringLiteral("Innentemperatur unmöglich");
    return false;
  }
  const double t = temperature(*answer.value);
  const UnitFactors& u = context_.units;
  online_ = true;
  snapshot_.TempInt = t;
  show("CheckBoxTint", u.temperatureText(t), !ValidityLimits::temperature(t, u));
  return true;
}

bool MonitorSource::readOutsideTemp(const StationAnswer<double>& answer) {
  if (!answer.answered) return false;
  const UnitFactors& u = context_.units;
  snapshot_.TempExt = answer.value ? temperature(*answer.value) : WeatherSnapshot::kNoTemperature;
  show("CheckBoxText", answer.value ? u.temperatureText(snapshot_.TempExt) : kAbsent,
       !ValidityLimits::temperature(snapshot_.TempExt, u));
  return true;
}

bool MonitorSource::readBarometer(const StationAnswer<double>& answer) {
  if (!answer.answered) return false;
  const UnitFactors& u = context_.units;
  double p = WeatherSnapshot::noPressure(u.UnitPresFactor);
  if (answer.value) p = u.inHg() ? *answer.value : *answer.value / kInHgPerHpa;
  snapshot_.PresAtm = p;
  show("CheckBoxPatm", answer.value ? u.pressureText(p) : kAbsent, !ValidityLimits::pressure(p, u));
  return true;
}

bool MonitorSource::readTrend(const StationAnswer<int>& answer) {
  if (!answer.answered) return false;
  // An unknown tendency is absent: neither the last one nor "steady".
  snapshot_.PreTend = answer.value ? static_cast<std::uint8_t>(*answer.value) : WeatherSnapshot::kNoTendency;
  show("CheckBoxtend", trendText(answer.value.value_or(-1)), false);
  return true;
}

bool MonitorSource::readWind(const StationAnswer<double>& answer) {
  if (!answer.answered) return false;
  const UnitFactors& u = context_.units;
  const auto inUserUnit = [&u](double mph) { return u.mph() ? mph : mph * kKmhPerMph; };
  const double v = answer.value ? inUserUnit(*answer.value) : WeatherSnapshot::kNoWind;
  snapshot_.VitVent = v;
  const bool good = answer.value && ValidityLimits::wind(v, u);
  if (good) gusts_.add(*answer.value);
  show("CheckBoxVent", answer.value ? u.windText(v) : kAbsent, !good);
  snapshot_.VitRafa = inUserUnit(gusts_.gustMph());
  show("CheckBoxRafa", u.windText(snapshot_.VitRafa), false);
  return true;
}

bool MonitorSource::readDirection(const StationAnswer<int>& answer) {
  if (!answer.answered) return false;
  if (answer.value) {
    snapshot_.DirVent = *answer.value & 0x8FFF;
    show("CheckBoxDire", QString::number(snapshot_.DirVent), false);
  } else {
    // No vane reading: absent, never the last direction or north.
    snapshot_.DirVent = WeatherSnapshot::kNoDirection;
    show("CheckBoxDire", kAbsent, true);
  }
  return true;
}

// ---- the hourly line -----------------------------------------------------

bool MonitorSource::hourlyLog(int /*hour*/, int minute) {
  if (minute != 0 || !online_ || !settings_.hourlyLog) return false;
  if (!wiring_.chosen || !wiring_.chosen()) return false;
  const WeatherSnapshot& s = snapshot_;
  const double t = WeatherSnapshot::kNoTemperature;
  context_.logLine(QStringLiteral("Meteo MonII") + " Tinn=" + whole(s.TempInt, t) +
                   " Taus=" + whole(s.TempExt, t) +
                   " Datm=" + whole(s.PresAtm, WeatherSnapshot::noPressure(context_.units.UnitPresFactor)) +
                   " Wind=" + whole(s.VitVent, WeatherSnapshot::kNoWind) + QStringLiteral(" Böen=") +
                   whole(s.VitRafa) + " Richtung=" + whole(s.DirVent, WeatherSnapshot::kNoDirection));
  return true;
}

}  // namespace parlhora
