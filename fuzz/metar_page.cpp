// Arbitrary bytes as a downloaded page: the report line cut out of it never
// holds markup or edge spaces, whatever the page and the airport code.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "internet/MetarPage.h"

using namespace parlhora;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 4) return 0;
  // The first four bytes are the airport code, the rest is the page.
  const QString code = QString::fromLatin1(reinterpret_cast<const char*>(data), 4);
  const QByteArray page(reinterpret_cast<const char*>(data + 4), static_cast<qsizetype>(size - 4));
  const QString report = MetarPage::extract(MetarPage::lines(page), code);
  if (report.contains(u'<')) std::abort();
  if (report.startsWith(u' ') || report.endsWith(u' ')) std::abort();
  return 0;
}
