#include <gtest/gtest.h>

#include <QtEndian>

#include "link/MessageBlock.h"

namespace parlhora {

namespace {

QByteArray blockWithLength(std::int32_t length, int size = 65536) {
  QByteArray block(size, 'x');
  if (size >= 4) qToLittleEndian<std::int32_t>(length, block.data());
  return block;
}

}  // namespace

TEST(MessageBlock, LengthFieldIsCheckedBeforeUse) {
  const struct {
    const char* name;
    QByteArray block;
    bool valid;
    int textSize;
  } cases[] = {
      {"empty text", blockWithLength(0), true, 0},
      {"whole block", blockWithLength(65532), true, 65532},
      {"one past the end", blockWithLength(65533), false, 0},
      {"negative", blockWithLength(-1), false, 0},
      {"most negative", blockWithLength(INT32_MIN), false, 0},
      {"largest", blockWithLength(INT32_MAX), false, 0},
      {"short block", blockWithLength(3, 6), false, 0},
      {"no room for the length", QByteArray("\x01\x00", 2), false, 0},
  };
  for (const auto& c : cases) {
    const MessageBlock::Decoded decoded = MessageBlock::decode(c.block);
    EXPECT_EQ(decoded.valid, c.valid) << c.name;
    EXPECT_EQ(decoded.text.size(), c.textSize) << c.name;
  }
}

TEST(MessageBlock, TextTravelsAsWindows1252) {
  const struct {
    QString text;
    QByteArray bytes;  // after the length field
    QString readBack;
  } cases[] = {
      {"PIROLO_HELLO", "PIROLO_HELLO", "PIROLO_HELLO"},
      {QString::fromUtf8("PIROLO déconnecté"),
       "PIROLO d\xE9"
       "connect\xE9",
       QString::fromUtf8("PIROLO déconnecté")},
      {QString::fromUtf8("5 € – Œ"), "5 \x80 \x96 \x8C", QString::fromUtf8("5 € – Œ")},
      {QString::fromUtf8("Ω"), "?", "?"},  // no such character
      {QString(), "", QString()},
  };
  for (const auto& c : cases) {
    const QByteArray block = MessageBlock::encode(c.text);
    EXPECT_EQ(qFromLittleEndian<std::int32_t>(block.constData()), c.bytes.size()) << c.bytes.constData();
    EXPECT_EQ(block.mid(4), c.bytes);
    QByteArray mapped = block;
    mapped.resize(65536, '\xAA');  // what follows the text in the block is not read
    EXPECT_EQ(MessageBlock::decode(mapped).text, c.readBack);
  }
  // Bytes without a character still read as one character each.
  EXPECT_EQ(MessageBlock::decode(QByteArray("\x02\x00\x00\x00\x81\x9D", 6)).text,
            QString::fromUtf8("\u0081\u009D"));
}

}  // namespace parlhora
