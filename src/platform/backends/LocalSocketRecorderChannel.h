#pragma once

#include <QString>

#include "platform/RecorderChannel.h"

namespace parlhora {

/// RecorderChannel over a local socket. A command is one connection: the
/// command text with its terminating zero byte, answered by a signed 32-bit
/// little-endian number. The launch runs the recorder program itself, or
/// hands anything that is not executable to the desktop's opener.
class LocalSocketRecorderChannel final : public RecorderChannel {
 public:
  /// Named after the recorder's window class and window name.
  static QString defaultName() { return QStringLiteral("TFormQuorrel.TALLISTO"); }

  /// `timeoutMs` bounds each of connecting, writing and waiting for the
  /// reply.
  explicit LocalSocketRecorderChannel(QString name = defaultName(), int timeoutMs = 1000);

  bool find() override;
  int send(const QByteArray& command) override;
  bool launch(const QString& path) override;

  const QString& name() const { return name_; }

 private:
  QString name_;
  int timeoutMs_;
};

}  // namespace parlhora
