#pragma once

#include <QString>
#include <QStringList>

namespace parlhora {

/// What the user asked for on the command line. The program with windows is
/// the default; the other forms are one-shot commands for scripts and tests.
struct CommandLine {
  enum class Command { Program, Config, Play, Devices, Ports, Say, Schedule, Decode, Voice, Screenshot, Help, Version };

  Command command = Command::Program;
  QString home;  // --home DIR, empty = the default program folder
  bool headless = false;
  QStringList args;  // what follows the command word, minus --home
  QString error;     // set when the words make no sense

  static CommandLine parse(const QStringList& argv);  // argv without the program name
  static QString usage();
};

}  // namespace parlhora
