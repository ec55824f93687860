#include "cli/CommandLine.h"

#include <map>

namespace parlhora {

namespace {
const std::map<QString, CommandLine::Command>& commandWords() {
  static const std::map<QString, CommandLine::Command> words = {
      {"config", CommandLine::Command::Config},
      {"play", CommandLine::Command::Play},
      {"devices", CommandLine::Command::Devices},
      {"ports", CommandLine::Command::Ports},
      {"say", CommandLine::Command::Say},
      {"schedule", CommandLine::Command::Schedule},
      {"decode", CommandLine::Command::Decode},
      {"voice", CommandLine::Command::Voice},
      {"screenshot", CommandLine::Command::Screenshot},
      {"help", CommandLine::Command::Help},
      {"--help", CommandLine::Command::Help},
      {"-h", CommandLine::Command::Help},
      {"--version", CommandLine::Command::Version},
  };
  return words;
}
}  // namespace

CommandLine CommandLine::parse(const QStringList& argv) {
  CommandLine line;
  bool commandSeen = false;
  for (int i = 0; i < argv.size(); ++i) {
    const QString& word = argv[i];
    // Asked for help anywhere, the user gets it, on standard output.
    if (word == "--help" || word == "-h") {
      line.command = Command::Help;
      line.args.clear();
      return line;
    }
    if (word == "--home") {
      if (i + 1 >= argv.size()) {
        line.error = "--home needs a folder";
        return line;
      }
      line.home = argv[++i];
    } else if (word.startsWith("--home=")) {
      line.home = word.mid(7);
    } else if (word == "--headless" && !commandSeen) {
      line.headless = true;
    } else if (!commandSeen && commandWords().count(word)) {
      line.command = commandWords().at(word);
      commandSeen = true;
    } else if (commandSeen) {
      line.args << word;
    } else {
      line.error = QString("unknown argument: %1").arg(word);
      return line;
    }
  }
  return line;
}

QString CommandLine::usage() {
  return QStringLiteral(
      "usage: parlhora [--home DIR] [--headless]\n"
      "       parlhora --version\n"
      "       parlhora [--home DIR] config [--rewrite]\n"
      "       parlhora config --keys      (every settings key: values, default, meaning)\n"
      "       parlhora [--home DIR] play NAME|FILE [--device N] [--out FILE.wav]\n"
      "       parlhora play --cw TEXT [--wpm N] [--hz F] [--out FILE.wav]\n"
      "       parlhora devices\n"
      "       parlhora ports\n"
      "       parlhora [--home DIR] say [--at \"YYYY-MM-DD hh:mm\"] [--dry-run | --out FILE.wav]\n"
      "       parlhora [--home DIR] schedule [--date YYYY-MM-DD]\n"
      "       parlhora [--home DIR] decode metar|aprs|ws23|ws28|wlk|net FILE\n"
      "       parlhora [--home DIR] voice check\n"
      "       parlhora [--home DIR] screenshot FILE.png [MENU] | DIR\n");
}

}  // namespace parlhora
