#include <gtest/gtest.h>

#include "formats/StationText.h"

namespace {

using stationtext::Encoding;

TEST(StationText, Windows1252Bytes) {
  struct Case {
    unsigned char byte;
    char16_t expected;
  } cases[] = {
      {0x80, u'\u20ac'},
      {0x82, u'\u201a'},
      {0x85, u'\u2026'},
      {0x8A, u'\u0160'},
      {0x8C, u'\u0152'},
      {0x91, u'\u2018'},
      {0x92, u'\u2019'},
      {0x93, u'\u201c'},
      {0x94, u'\u201d'},
      {0x96, u'\u2013'},
      {0x97, u'\u2014'},
      {0x99, u'\u2122'},
      {0x9C, u'\u0153'},
      {0x9F, u'\u0178'},
      // left undefined by the code page: kept as their own code
      {0x81, u'\u0081'},
      {0x8D, u'\u008d'},
      {0x8F, u'\u008f'},
      {0x90, u'\u0090'},
      {0x9D, u'\u009d'},
      // the rest is Latin-1
      {0x00, u'\u0000'},
      {0x41, u'A'},
      {0x7F, u'\u007f'},
      {0xA0, u'\u00a0'},
      {0xE9, u'\u00e9'},
      {0xFF, u'\u00ff'},
  };
  for (const Case& c : cases) {
    const char byte = static_cast<char>(c.byte);
    const QString text = stationtext::FromWindows1252(QByteArrayView(&byte, 1));
    ASSERT_EQ(text.size(), 1);
    EXPECT_EQ(text[0].unicode(), c.expected) << int(c.byte);
  }
  // No byte of 0x80-0x9F is left a C1 control but the five undefined ones.
  int controls = 0;
  for (int b = 0x80; b < 0xA0; ++b) {
    const char byte = static_cast<char>(b);
    const QChar ch = stationtext::FromWindows1252(QByteArrayView(&byte, 1))[0];
    controls += ch.unicode() >= 0x80 && ch.unicode() < 0xA0;
  }
  EXPECT_EQ(controls, 5);
}

TEST(StationText, WholeDataIsUtf8OrTheOldCodePage) {
  struct Case {
    const char* name;
    QByteArray bytes;
    Encoding encoding;
  } cases[] = {
      {"ASCII", "/music/a.mp3", Encoding::Utf8},
      {"two-byte", "Caf\xC3\xA9", Encoding::Utf8},
      {"three-byte", "\xE2\x80\x99", Encoding::Utf8},
      {"four-byte", "\xF0\x9F\x8E\xB5", Encoding::Utf8},
      {"byte-order mark", "\xEF\xBB\xBFx", Encoding::Utf8},
      {"lone old byte", "Caf\xE9", Encoding::Windows1252},
      {"old right quote", "Don\x92t", Encoding::Windows1252},
      {"cut sequence at the end", "a\xC3", Encoding::Windows1252},
      {"overlong slash", "\xC0\xAF", Encoding::Windows1252},
      {"overlong three-byte", "\xE0\x80\xAF", Encoding::Windows1252},
      {"surrogate", "\xED\xA0\x80", Encoding::Windows1252},
      {"above U+10FFFF", "\xF4\x90\x80\x80", Encoding::Windows1252},
      {"continuation without a lead", "\x80", Encoding::Windows1252},
      {"valid then one old byte", "Caf\xC3\xA9 and Caf\xE9", Encoding::Windows1252},
  };
  for (const Case& c : cases) {
    // An exact copy, so the sanitizer sees any read past the end.
    const std::unique_ptr<char[]> exact(new char[c.bytes.size()]);
    memcpy(exact.get(), c.bytes.constData(), c.bytes.size());
    EXPECT_EQ(stationtext::EncodingOf(QByteArrayView(exact.get(), c.bytes.size())), c.encoding) << c.name;
  }
}

TEST(StationText, DecodeFileDropsMarksAndReadsUtf16) {
  struct Case {
    const char* name;
    QByteArray bytes;
    QString text;
  } cases[] = {
      {"UTF-8 with mark",
       "\xEF\xBB\xBF"
       "Caf\xC3\xA9",
       QStringLiteral("Caf\u00e9")},
      {"UTF-8 without mark", "Caf\xC3\xA9", QStringLiteral("Caf\u00e9")},
      {"old code page", "\x93Hit\x94", QStringLiteral("\u201cHit\u201d")},
      {"mark before bytes that are not UTF-8",
       "\xEF\xBB\xBF"
       "Caf\xE9",
       QStringLiteral("Caf\u00e9")},
      {"UTF-16LE",
       QByteArray("\xFF\xFE"
                  "a\0\xE9\0",
                  6),
       QStringLiteral("a\u00e9")},
      {"UTF-16BE", QByteArray("\xFE\xFF\0a\0\xE9", 6), QStringLiteral("a\u00e9")},
      {"empty", "", QString()},
  };
  for (const Case& c : cases) EXPECT_EQ(stationtext::DecodeFile(c.bytes), c.text) << c.name;
}

}  // namespace
