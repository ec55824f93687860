#include "gui/TFormInfo.h"

#include <QDesktopServices>
#include <QMessageBox>

#include "ui_TFormInfo.h"
#include "update/UpdateSite.h"
#include "update/VersionCheck.h"

namespace parlhora {

TFormInfo::TFormInfo(VersionCheck& check, QWidget* parent)
    : QWidget(parent), ui_(std::make_unique<Ui::TFormInfo>()) {
  ui_->setupUi(this);
  const QString site = QString::fromLatin1(kUpdateSiteAddress);
  ui_->LabelUrl3->setText(QStringLiteral("<a href=\"%1\">%1</a>").arg(site.toHtmlEscaped()));
  // Opened here rather than by the label, which says nothing when no browser is there.
  ui_->LabelUrl3->setOpenExternalLinks(false);
  openUrl = [](const QUrl& url) { return QDesktopServices::openUrl(url); };
  connect(ui_->LabelUrl3, &QLabel::linkActivated, this, &TFormInfo::openLink);
  connect(ui_->BitBtn1, &QPushButton::clicked, this, &QWidget::close);
  ui_->BitBtnNewRelease->setEnabled(!check.busy());
  connect(ui_->BitBtnNewRelease, &QPushButton::clicked, &check, &VersionCheck::BitBtnNewReleaseClick);
  connect(&check, &VersionCheck::busyChanged, this,
          [this](bool busy) { ui_->BitBtnNewRelease->setEnabled(!busy); });
  connect(&check, &VersionCheck::notice, this, &TFormInfo::showNotice);
}

TFormInfo::~TFormInfo() = default;

void TFormInfo::setVersion(const QString& version) {
  ui_->Label1->setText(QStringLiteral("PARLHORA V") + version);
}

void TFormInfo::openLink(const QString& address) {
  if (openUrl(QUrl(address))) {
    ui_->StaticTextErreur->clear();
    ui_->StaticTextErreur->hide();
    return;
  }
  const QString text =
      QStringLiteral("Fehler: kein Web-Browser für ") + address + QStringLiteral(" gefunden");
  ui_->StaticTextErreur->setText(text);
  ui_->StaticTextErreur->show();
  emit logLine(text);
}

void TFormInfo::showNotice(const QString& text, bool warning) {
  // Not exec(): an unattended program must not sit in a nested event loop
  // until someone comes by to press OK. A dialog shows even while this
  // window is hidden (the start-up check).
  auto* box = new QMessageBox(warning ? QMessageBox::Warning : QMessageBox::Information,
                              QStringLiteral("PARLHORA"), text, QMessageBox::Ok, this);
  box->setObjectName(QStringLiteral("VersionNotice"));
  box->setAttribute(Qt::WA_DeleteOnClose);
  box->show();
}

}  // namespace parlhora
