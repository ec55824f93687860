#pragma once

#include <QString>
#include <QStringList>

#include "platform/Autostart.h"

namespace parlhora {

/// The XDG autostart entry "pirolo.desktop" under `configHome`/autostart,
/// starting `executable` (a full path) with `arguments`.
class XdgAutostart : public Autostart {
 public:
  XdgAutostart(QString configHome, QString executable, QStringList arguments = {});

  bool setEnabled(bool enabled) override;
  bool isEnabled() const override;

  QString filePath() const;
  /// $XDG_CONFIG_HOME when absolute, else ~/.config.
  static QString defaultConfigHome();
  /// The Exec= value: each word quoted as the desktop entry format wants.
  static QString execLine(const QString& executable, const QStringList& arguments);

 private:
  QString configHome_;
  QString executable_;
  QStringList arguments_;
};

}  // namespace parlhora
