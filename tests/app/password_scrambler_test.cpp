#include "app/password_scrambler.h"

#include <gtest/gtest.h>

TEST(LegacyRandom, MatchesTheCRuntimeSequence) {
    LegacyRandom random; // seed 1, as before any srand
    EXPECT_EQ(random.Next(), 41);
    EXPECT_EQ(random.Next(), 18467);
    EXPECT_EQ(random.Next(), 6334);
    random.Seed(0xFFFFFFFFu);
    for (int i = 0; i < 1000; ++i) {
        const int v = random.Next();
        ASSERT_GE(v, 0);
        ASSERT_LE(v, 32767);
    }
}

TEST(PasswordScrambler, RoundTripsAndDependsOnTheClock) {
    const QByteArray passwords[] = {"", "a", "secret", "p\xc3\xa4ss w0rd!", QByteArray(79, 'z')};
    for (const QByteArray& password : passwords) {
        for (uint32_t tick : {0u, 1u, 123456u, 0xFFFFFFF0u}) {
            const std::vector<int> words = ScramblePassword(password, tick);
            EXPECT_EQ(UnscramblePassword(words), password) << password.constData() << " @" << tick;
        }
    }
    EXPECT_EQ(ScramblePassword("", 99).size(), 2u); // just the two header words
    EXPECT_NE(ScramblePassword("secret", 1000), ScramblePassword("secret", 1001));
}

TEST(PasswordScrambler, HeaderWordsFollowTheRecipe) {
    // w0 is the first value drawn from the tick's seed; w1 hides the length.
    const std::vector<int> words = ScramblePassword("abc", 7);
    LegacyRandom random;
    random.Seed(7);
    const int a = random.Next();
    EXPECT_EQ(words[0], a);
    EXPECT_EQ(words[1], int(std::sqrt(double(a + 100))) ^ 3);
    EXPECT_EQ(words.size(), size_t(3 + 2 + ((a + 3) & 10)));
}

TEST(PasswordScrambler, RefusesWhatTheRecordCannotHold) {
    EXPECT_EQ(UnscramblePassword(std::vector<int>(256, 0)), std::nullopt);
    // A length of 80 characters hidden in the header words.
    const int a = 5;
    const int root = int(std::sqrt(double(a + 100)));
    std::vector<int> tooLong(200, 0);
    tooLong[0] = a;
    tooLong[1] = root ^ 80;
    EXPECT_EQ(UnscramblePassword(tooLong), std::nullopt);
    // Claims 40 characters but holds only 3 words.
    EXPECT_EQ(UnscramblePassword({a, root ^ 40, 0}), std::nullopt);
    // No words at all (no password ever saved) decode to a length of 10 with no
    // characters behind it.
    EXPECT_EQ(UnscramblePassword({}), std::nullopt);
}
