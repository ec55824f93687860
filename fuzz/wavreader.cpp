// Feeds arbitrary bytes to the WAV reader, once as a seekable buffer and once
// as a pipe, and checks that neither overruns nor allocates beyond the input.
#include <QBuffer>
#include <algorithm>
#include <cstdint>
#include <cstdlib>

#include "audio/WavReader.h"

namespace {

class Pipe : public QIODevice {
 public:
  explicit Pipe(const QByteArray& bytes) : m_bytes(bytes) { open(QIODevice::ReadOnly); }
  bool isSequential() const override { return true; }

 protected:
  qint64 readData(char* data, qint64 max) override {
    const qint64 n = std::min<qint64>(max, m_bytes.size() - m_pos);
    std::copy_n(m_bytes.constData() + m_pos, n, data);
    m_pos += n;
    return n;
  }
  qint64 writeData(const char*, qint64) override { return -1; }

 private:
  QByteArray m_bytes;
  qint64 m_pos = 0;
};

void check(const parlhora::WavReadResult& r, const QByteArray& samples, qsizetype inputSize) {
  if (samples.size() > inputSize) std::abort();
  if (!r.ok() && !samples.isEmpty()) std::abort();
  if (r.ok() && r.format.channels != 1 && r.format.channels != 2) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const QByteArray input = QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
  {
    QByteArray bytes = input;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QByteArray samples;
    check(parlhora::WavReader::read(buffer, parlhora::WaveOrigin::File, samples), samples, input.size());
  }
  {
    Pipe pipe(input);
    QByteArray samples;
    check(parlhora::WavReader::read(pipe, parlhora::WaveOrigin::Resource, samples), samples, input.size());
  }
  return 0;
}
