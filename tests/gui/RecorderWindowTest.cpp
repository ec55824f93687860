#include <gtest/gtest.h>

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>

#include "fakes/FakeNotifier.h"
#include "gui/TFormRecord.h"

namespace parlhora {

TEST(RecorderWindow, PathFieldAndBrowseButtonWorkOnTheModel) {
  QTemporaryDir dir;
  const QString existing = dir.filePath("tallisto");
  QFile(existing).open(QIODevice::WriteOnly);
  QByteArray path = "/opt/old/tallisto";
  FakeNotifier notifier;
  TFormRecord window(path, notifier);
  auto* edit = window.findChild<QLineEdit*>("EditQuorrel");
  auto* browse = window.findChild<QPushButton*>("ButtonParcourir");
  ASSERT_TRUE(edit && browse && window.findChild<QLabel*>("StaticTextW"));
  EXPECT_EQ(browse->text(), "Durchsuchen");

  window.loadFromModel();
  EXPECT_EQ(edit->text(), "/opt/old/tallisto");
  edit->setText("/usr/bin/tallisto");
  emit edit->textEdited(edit->text());  // as typing does
  EXPECT_EQ(path, "/usr/bin/tallisto");

  QString chosen = existing;
  window.setFileChooser([&] { return chosen; });
  browse->click();
  EXPECT_EQ(path, QFile::encodeName(existing));
  EXPECT_EQ(edit->selectedText(), existing);

  chosen.clear();  // dialog cancelled
  browse->click();
  EXPECT_EQ(path, QFile::encodeName(existing));

  chosen = dir.filePath("gone");
  browse->click();
  EXPECT_TRUE(path.isEmpty());
  EXPECT_TRUE(edit->text().isEmpty());
  EXPECT_EQ(notifier.beeps, 1);

  window.showStatus("Tallisto antwort nicht");
  EXPECT_EQ(window.findChild<QLabel*>("StaticTextW")->text(), "Tallisto antwort nicht");
}

}  // namespace parlhora
