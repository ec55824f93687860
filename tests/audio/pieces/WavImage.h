#pragma once

#include <QByteArray>
#include <QIODevice>
#include <cstdint>

namespace parlhora::test {

// Builds RIFF/WAVE images chunk by chunk, so each test shows the layout it checks.
class WavImage {
 public:
  static QByteArray le16(std::uint16_t v) {
    QByteArray b(2, '\0');
    b[0] = char(v & 0xFF);
    b[1] = char(v >> 8);
    return b;
  }
  static QByteArray le32(std::uint32_t v) { return le16(v & 0xFFFF) + le16(v >> 16); }

  static QByteArray fmtFields(std::uint16_t tag, std::uint16_t channels, std::uint32_t rate,
                              std::uint16_t bits) {
    const std::uint16_t align = std::uint16_t(channels * ((bits + 7) / 8));
    return fmtFields(tag, channels, rate, rate * align, align, bits);
  }
  static QByteArray fmtFields(std::uint16_t tag, std::uint16_t channels, std::uint32_t rate,
                              std::uint32_t avg, std::uint16_t align, std::uint16_t bits) {
    return le16(tag) + le16(channels) + le32(rate) + le32(avg) + le16(align) + le16(bits);
  }
  static QByteArray chunk(const char* tag, const QByteArray& body) {
    return QByteArray(tag, 4) + le32(std::uint32_t(body.size())) + body;
  }
  static QByteArray riff(const QByteArray& chunks) {
    return "RIFF" + le32(4 + chunks.size()) + "WAVE" + chunks;
  }

  // A plain mono 16-bit file at 11,025 Hz holding `samples`.
  static QByteArray plain(const QByteArray& samples) {
    return riff(chunk("fmt ", fmtFields(1, 1, 11025, 16)) + chunk("data", samples));
  }
};

// A pipe-like device: not seekable, and it can be told to fail a read at a given offset.
class SequentialDevice : public QIODevice {
 public:
  explicit SequentialDevice(QByteArray bytes, qint64 failAt = -1)
      : m_bytes(std::move(bytes)), m_failAt(failAt) {
    open(QIODevice::ReadOnly);
  }
  bool isSequential() const override { return true; }

 protected:
  qint64 readData(char* data, qint64 max) override {
    if (m_failAt >= 0 && m_pos >= m_failAt) return -1;
    qint64 n = std::min<qint64>(max, m_bytes.size() - m_pos);
    if (m_failAt >= 0) n = std::min(n, m_failAt - m_pos);
    n = std::min<qint64>(n, 7);  // hand out little pieces, as a pipe may
    std::copy_n(m_bytes.constData() + m_pos, n, data);
    m_pos += n;
    return n;
  }
  qint64 writeData(const char*, qint64) override { return -1; }

 private:
  QByteArray m_bytes;
  qint64 m_failAt;
  qint64 m_pos = 0;
};

}  // namespace parlhora::test
