#include <gtest/gtest.h>
#include <QCoreApplication>
#include <cstdlib>
#include <ctime>

#ifdef PARLHORA_TEST_WIDGETS
#include <QApplication>
#endif

// Leaks inside system libraries that Qt loads once per process; read by
// LeakSanitizer in the sanitizer build, unused otherwise.
extern "C" const char* __lsan_default_suppressions() {
  return "leak:libfontconfig\nleak:libdbus\nleak:libQt6Gui\nleak:libQt6Widgets\nleak:libglib\n"
         "leak:libasound\nleak:libQt6WebEngineCore\n";
}

// Every test program gets an application object, so timers, queued calls
// and (for the window tests) widgets work as in the program; and one time
// zone with daylight saving, so the calendar cases mean the same everywhere.
int main(int argc, char** argv) {
  setenv("TZ", "Europe/Berlin", 1);
  tzset();
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  // The web engine's sandbox refuses to start as root (a container's CI).
  setenv("QTWEBENGINE_DISABLE_SANDBOX", "1", 0);
  ::testing::InitGoogleTest(&argc, argv);
#ifdef PARLHORA_TEST_WIDGETS
  QApplication app(argc, argv);
#else
  QCoreApplication app(argc, argv);
#endif
  return RUN_ALL_TESTS();
}
