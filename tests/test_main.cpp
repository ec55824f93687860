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
  return "leak:libfontconfig\nleak:libdbus\nleak:libQt6Gui\nleak:libQt6Widgets\nleak:libglib\nleak:libasound\n"
         "leak:libQt6WebEngineCore\n";
}

#ifdef PARLHORA_TEST_WEBENGINE
// The web engine deletes some of its own objects through a base of another
// size; that is inside the engine, so only its test program waives the check.
extern "C" const char* __asan_default_options() { return "new_delete_type_mismatch=0"; }
#endif

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
#ifdef PARLHORA_TEST_WEBENGINE
  // The log-in browser's engine: no sandbox for root, no GPU offscreen.
  setenv("QTWEBENGINE_DISABLE_SANDBOX", "1", 0);
  setenv("QTWEBENGINE_CHROMIUM_FLAGS", "--disable-gpu", 0);
#endif
  QApplication app(argc, argv);
#else
  QCoreApplication app(argc, argv);
#endif
  return RUN_ALL_TESTS();
}
