#include "cli/PlayCommand.h"

#include <QFileInfo>
#include <memory>

#include "audio/CwIdSettings.h"
#include "audio/MorseCode.h"
#include "audio/MorseTone.h"
#include "audio/WaveEngine.h"
#include "platform/backends/AlsaWaveOut.h"
#include "platform/backends/FileWaveOut.h"
#include "platform/Notifier.h"
#include "platform/backends/SystemClock.h"

namespace parlhora {

namespace {

// The beep carries no text and no window waits here: the status line says it all.
class QuietNotifier final : public Notifier {
 public:
  void beep() override {}
  void errorBox(const QString&) override {}
};

struct PlayArgs {
  QString what;
  QString outFile;
  int device = -1;
  bool morse = false;  // `what` is Morse text
  MorseToneParams tone;
};

bool number(const QString& text, int lo, int hi, int& value) {
  bool ok = false;
  value = text.toInt(&ok);
  return ok && value >= lo && value <= hi;
}

bool parse(QStringList args, PlayArgs& parsed) {
  if (!args.isEmpty() && args.first() == QLatin1String("play")) args.removeFirst();
  for (int i = 0; i < args.size(); ++i) {
    const QString& a = args[i];
    if (a == QLatin1String("--device") && i + 1 < args.size()) {
      bool ok = false;
      parsed.device = args[++i].toInt(&ok);
      if (!ok || parsed.device < -1) return false;
    } else if (a == QLatin1String("--cw") && i + 1 < args.size() && parsed.what.isEmpty()) {
      parsed.morse = true;
      parsed.what = args[++i];
    } else if (a == QLatin1String("--wpm") && i + 1 < args.size()) {
      if (!number(args[++i], CwIdSettings::kMinWpm, CwIdSettings::kMaxWpm, parsed.tone.wpm)) return false;
    } else if (a == QLatin1String("--hz") && i + 1 < args.size()) {
      if (!number(args[++i], CwIdSettings::kMinHz, CwIdSettings::kMaxHz, parsed.tone.hz)) return false;
    } else if (a == QLatin1String("--out") && i + 1 < args.size()) {
      parsed.outFile = args[++i];
      if (parsed.outFile.isEmpty()) return false;
    } else if (parsed.morse && !a.startsWith(QLatin1String("--"))) {
      // Unquoted words after --cw are more of the text.
      parsed.what += QLatin1Char(' ') + a;
    } else if (a.startsWith(QLatin1String("--")) || !parsed.what.isEmpty()) {
      return false;
    } else {
      parsed.what = a;
    }
  }
  // Speed and tone belong to Morse only.
  if (!parsed.morse && (parsed.tone.wpm != MorseToneParams().wpm || parsed.tone.hz != MorseToneParams().hz))
    return false;
  return !parsed.what.trimmed().isEmpty();
}

bool isFileArgument(const QString& what) {
  return what.contains(QLatin1Char('/')) || what.endsWith(QLatin1String(".wav"), Qt::CaseInsensitive) ||
         QFileInfo(what).isFile();
}

}  // namespace

int runPlayCommand(const QStringList& args, const QString& programFolder, QTextStream& out,
                   QTextStream& err) {
  PlayArgs parsed;
  if (!parse(args, parsed)) {
    err << "usage: parlhora play NAME|FILE [--device N] [--out FILE.wav]\n"
           "       parlhora play --cw TEXT [--wpm 10..40] [--hz 400..1200] [--device N] [--out FILE.wav]\n";
    err.flush();
    return 2;
  }
  if (parsed.morse) {
    const QChar bad = MorseCode::firstUnsendable(parsed.what);
    if (!bad.isNull()) {
      err << "play: Morse cannot send \"" << bad << "\"\n";
      err.flush();
      return 2;
    }
  }
  SystemClock clock;
  QuietNotifier notifier;
  std::unique_ptr<WaveOut> output;
  FileWaveOut* file = nullptr;
  if (parsed.outFile.isEmpty()) {
    output = std::make_unique<AlsaWaveOut>();
  } else {
    auto f = std::make_unique<FileWaveOut>(parsed.outFile, clock);
    file = f.get();
    output = std::move(f);
  }
  WaveEngine engine(*output, clock, notifier);
  engine.setProgramFolder(programFolder);
  engine.setDevice(parsed.device);
  QString failure;
  bool finished = false;
  WaveEngine::Events events;
  events.status = [&failure](const QString& text) { failure = text; };
  events.pieceFinished = [&finished] { finished = true; };
  events.failure = [&engine] {
    engine.closeDevice();
    engine.clearFlags();
  };
  engine.setEvents(events);
  if (!engine.Alloc_Mem()) {
    err << failure << '\n';
    err.flush();
    return 1;
  }

  if (parsed.morse) {
    const QString text = MorseCode::normalised(parsed.what);
    engine.PlayGenerated(WaveOrigin::Morse, text, MorseTone::wav(text, parsed.tone));
  } else if (isFileArgument(parsed.what)) {
    const QFileInfo here(parsed.what);
    engine.PlayWaveFile(here.isFile() ? here.absoluteFilePath() : parsed.what);
  } else {
    engine.PlayWaveRes(parsed.what);
  }
  if (failure.isEmpty() && engine.isPlaying()) {
    const WaveFormat& f = engine.format();
    const std::int64_t playMs =
        f.avgBytesPerSec ? std::int64_t(engine.dataSize()) * 1000 / f.avgBytesPerSec : 0;
    const std::int64_t deadline = clock.monotonicMs() + playMs + 10000;
    while (!finished && failure.isEmpty() && clock.monotonicMs() < deadline) clock.waitMs(10);
    if (!finished && failure.isEmpty()) {
      engine.closeDevice();
      engine.clearFlags();
      failure = QStringLiteral("Err: playback timed out");
    }
  }
  if (file && !file->finish() && failure.isEmpty()) failure = QStringLiteral("Err: Opening sound card");
  if (!finished || !failure.isEmpty()) {
    err << (failure.isEmpty() ? QStringLiteral("Err: playback failed") : failure) << '\n';
    err.flush();
    return 1;
  }
  const WaveFormat& f = engine.format();
  const double seconds = f.avgBytesPerSec ? double(engine.dataSize()) / f.avgBytesPerSec : 0.0;
  out << "ok " << f.channels << "ch " << f.samplesPerSec << " Hz " << f.bitsPerSample << " bit "
      << QString::number(seconds, 'f', 2) << " s\n";
  out.flush();
  return 0;
}

int runDevicesCommand(QTextStream& out) {
  AlsaWaveOut alsa;
  return runDevicesCommand(out, alsa);
}

int runDevicesCommand(QTextStream& out, WaveOut& waveOut) {
  out << "-1 default\n";
  const int count = waveOut.deviceCount();
  for (int i = 0; i < count; ++i) {
    QString name;
    if (waveOut.deviceName(i, name) != WaveOut::Ok) name = QStringLiteral("Fehler: Lesen-Ausgabe");
    out << i << ' ' << name << '\n';
  }
  out.flush();
  return 0;
}

}  // namespace parlhora
