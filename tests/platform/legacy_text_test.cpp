#include "platform/legacy_text.h"

#include <gtest/gtest.h>

TEST(LegacyText, Utf8IsKeptAndOtherBytesAreWindows1252) {
    EXPECT_EQ(DecodeLegacyText("plain"), QStringLiteral("plain"));
    EXPECT_EQ(DecodeLegacyText("\xc3\xa9t\xc3\xa9"), QStringLiteral(u"été"));
    EXPECT_EQ(DecodeLegacyText("\xe9t\xe9"), QStringLiteral(u"été"));
    // The 0x80..0x9F block is where Windows-1252 differs from Latin-1.
    EXPECT_EQ(DecodeWindows1252("\x80\x93\x94\x9f\x81"), QStringLiteral(u"€“”Ÿ\u0081"));
}
