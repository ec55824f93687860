#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include "fakes/FakeNotifier.h"
#include "gui/TFormInfo.h"
#include "update/Downloader.h"
#include "update/VersionCheck.h"

namespace parlhora {
namespace {

// Hands out a fixed version list one event-loop turn later, as a real
// download would (the real one is tested against a local server).
class ListDownloader : public Downloader {
 public:
  QByteArray list;
  void fetch(const QUrl&, const QString& file, Done done) override {
    QFile out(file);
    if (out.open(QIODevice::WriteOnly)) out.write(list);
    QTimer::singleShot(0, [done] { done(0); });
  }
};

TEST(AboutBox, ShowsNameSiteAndAskedForAVersionAnswersInABox) {
  QTemporaryDir folder;
  ListDownloader downloader;
  downloader.list = "parlhora=2.2.4\n";
  FakeNotifier notifier;
  VersionCheck check(downloader, notifier, VersionCheck::defaults(folder.path(), "2.2.3"));

  TFormInfo form(check);
  form.setVersion("2.2.3");
  EXPECT_EQ(form.windowTitle(), "Info");
  EXPECT_EQ(form.findChild<QLabel*>("Label1")->text(), "PARLHORA V2.2.3");
  auto* link = form.findChild<QLabel*>("LabelUrl3");
  EXPECT_TRUE(link->text().contains("href=\"https://parlhora.example.org/\""));
  auto* button = form.findChild<QPushButton*>("BitBtnNewRelease");
  EXPECT_EQ(button->text(), "Ist eine neuere Version verfügbar ?");
  form.show();
  ASSERT_TRUE(button->isEnabled());
  button->click();
  EXPECT_FALSE(button->isEnabled());  // one lookup at a time
  QApplication::processEvents();
  EXPECT_TRUE(button->isEnabled());
  auto* box = form.findChild<QMessageBox*>("VersionNotice");
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(box->text(), check.newerText());
  EXPECT_EQ(box->icon(), QMessageBox::Information);
  EXPECT_EQ(notifier.beeps, 1);
  box->close();

  form.findChild<QPushButton*>("BitBtn1")->click();
  EXPECT_FALSE(form.isVisible());
}

}  // namespace
}  // namespace parlhora
