#include <QApplication>
#include <QCoreApplication>
#include <QFileInfo>
#include <QGuiApplication>
#include <QTextStream>
#include <cstdio>
#include <memory>

#include "app/Version.h"
#include "cli/CommandLine.h"
#include "cli/ConfigCommand.h"
#include "cli/DecodeCommand.h"
#include "cli/HeadlessProgram.h"
#include "cli/PlayCommand.h"
#include "cli/PortsCommand.h"
#include "cli/SayCommand.h"
#include "cli/VoiceCommand.h"
#include "cli/SettingsKeyHelp.h"
#include "gui/LoginBrowser.h"
#include "gui/WindowedProgram.h"
#include "platform/backends/XdgPaths.h"

using namespace parlhora;

namespace {

QString programFolder(const CommandLine& line, const QString& program) {
  return XdgPaths(line.home, QFileInfo(program).absolutePath()).programFolder();
}

// Options that autostart must repeat to start this same program again.
QStringList autostartArguments(const CommandLine& line) {
  QStringList arguments;
  if (!line.home.isEmpty()) arguments << "--home" << QFileInfo(line.home).absoluteFilePath();
  if (line.headless) arguments << "--headless";
  return arguments;
}

int runCommand(const CommandLine& line, const QString& program) {
  QTextStream out(stdout);
  QTextStream err(stderr);
  switch (line.command) {
    case CommandLine::Command::Config: {
      if (line.args == QStringList{"--keys"}) return printSettingsKeys(out);
      const bool rewrite = line.args.contains("--rewrite");
      for (const QString& arg : line.args)
        if (arg != "--rewrite") {
          err << "config: unexpected argument: " << arg << Qt::endl;
          return 2;
        }
      return runConfigCommand(programFolder(line, program), rewrite, err);
    }
    case CommandLine::Command::Play:
      return runPlayCommand(line.args, programFolder(line, program), out, err);
    case CommandLine::Command::Devices:
      return runDevicesCommand(out);
    case CommandLine::Command::Ports:
      return runPortsCommand(out);
    case CommandLine::Command::Say:
      return runSayCommand(line.args, programFolder(line, program), out, err);
    case CommandLine::Command::Schedule:
      return runScheduleCommand(line.args, programFolder(line, program), out, err);
    case CommandLine::Command::Decode: {
      const XdgPaths paths(line.home, QFileInfo(program).absolutePath());
      return runDecodeCommand(line.args, paths.programFolder(), paths.weatherFolder(), out, err);
    }
    case CommandLine::Command::Voice:
      return runVoiceCommand(line.args, programFolder(line, program), out, err);
    case CommandLine::Command::Help:
      out << CommandLine::usage();
      return 0;
    case CommandLine::Command::Version:
      out << "parlhora " << kVersion << Qt::endl;
      return 0;
    default:
      return 2;
  }
}

// The offscreen platform (tests, screenshots, a box without a screen)
// warns of window calls it ignores by design; nothing is wrong then.
QtMessageHandler previousHandler = nullptr;
void quietOffscreen(QtMsgType type, const QMessageLogContext& context, const QString& text) {
  if (type == QtWarningMsg && text.startsWith(QLatin1String("This plugin does not support")) &&
      QGuiApplication::platformName() == QLatin1String("offscreen"))
    return;
  if (previousHandler)
    previousHandler(type, context, text);
  else
    std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, text)));
}

}  // namespace

int main(int argc, char** argv) {
  QStringList words;
  for (int i = 1; i < argc; ++i) words << QString::fromLocal8Bit(argv[i]);
  const CommandLine line = CommandLine::parse(words);
  if (!line.error.isEmpty()) {
    QTextStream(stderr) << line.error << "\n" << CommandLine::usage();
    return 2;
  }
  QCoreApplication::setApplicationName("PARLHORA");
  previousHandler = qInstallMessageHandler(quietOffscreen);

  // Without any display the windows could not open; the clock must run all
  // the same, so it runs as --headless would.
  const bool noDisplay = qEnvironmentVariableIsEmpty("DISPLAY") &&
                         qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") &&
                         qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
  if (line.command == CommandLine::Command::Program && !line.headless && noDisplay) {
    QTextStream(stderr) << "parlhora: no display found, running headless" << Qt::endl;
    QCoreApplication app(argc, argv);
    return runHeadless(line.home, QCoreApplication::applicationFilePath(), autostartArguments(line));
  }
  if (line.command == CommandLine::Command::Program && !line.headless) {
    LoginBrowser::prepareProcess();
    QApplication app(argc, argv);
    return runWindowed(line.home, QCoreApplication::applicationFilePath(), autostartArguments(line));
  }
  if (line.command == CommandLine::Command::Screenshot) {
    QApplication app(argc, argv);
    if (line.args.size() != 1 && line.args.size() != 2) {
      QTextStream(stderr) << CommandLine::usage();
      return 2;
    }
    return runScreenshot(line.home, QCoreApplication::applicationFilePath(), line.args.first(),
                         line.args.value(1));
  }
  QCoreApplication app(argc, argv);
  if (line.command == CommandLine::Command::Program)
    return runHeadless(line.home, QCoreApplication::applicationFilePath(), autostartArguments(line));
  return runCommand(line, QCoreApplication::applicationFilePath());
}
