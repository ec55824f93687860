#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <QProcess>
#include <QSet>
#include <QTemporaryDir>

namespace parlhora {
namespace {

int distinctColours(const QImage& image) {
  QSet<QRgb> colours;
  for (int y = 0; y < image.height(); y += 3)
    for (int x = 0; x < image.width(); x += 3) colours.insert(image.pixel(x, y));
  return colours.size();
}

// The path of ./dev screenshot: the program itself, a fresh folder, a
// METAR report from a local file, four pictures.
TEST(ScreenshotSet, EveryPictureIsMadeAndShowsSomething) {
  QTemporaryDir out;
  QProcess program;
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert("QT_QPA_PLATFORM", "offscreen");
  // The pictures are the point here; the program's own leaks are checked elsewhere.
  env.insert("ASAN_OPTIONS", "detect_leaks=0");
  env.insert("QTWEBENGINE_DISABLE_SANDBOX", "1");
  program.setProcessEnvironment(env);
  program.start(PARLHORA_BINARY_DIR "/parlhora", {"screenshot", out.path()});
  ASSERT_TRUE(program.waitForFinished(60000));
  EXPECT_EQ(program.exitCode(), 0) << program.readAllStandardError().toStdString();
  for (const char* name : {"main-window.png", "source-chooser.png", "units-window.png", "metar-window.png"}) {
    const QImage image(QDir(out.path()).filePath(name));
    ASSERT_FALSE(image.isNull()) << name;
    EXPECT_GT(image.width(), 100) << name;
    EXPECT_GT(distinctColours(image), 8) << name << " looks blank";
  }
}

}  // namespace
}  // namespace parlhora
