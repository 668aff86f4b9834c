#include "settings/password_scrambler.h"

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

// Words worked out by hand from the recipe (a separate script, not this
// code), one case for each padding count that occurs: 0, 2, 8 and 10 words.
TEST(PasswordScrambler, GoldenWords) {
    const struct {
        QByteArray password;
        uint32_t tick;
        std::vector<int> words;
    } cases[] = {
        {"abc", 7, {61, 15, 90, 89, 95}},
        {"p\xe4ss w0rd!",
         123456,
         {9977, 110, 10005, 25495, 35353, -35403, 35556, 35555, 35741, 35786, 35725, 35791, 35801,
          35740}},
        {"secret",
         1000,
         {3304, 60, 444, 30534, 29154, 28542, 6877, 15221, 404, 31859, 25202, 16101, 184498, 184756,
          184851, 184834, 184853, 184836}},
        {"Xy", 5, {54, 14, 19283, 15331, 32613, 22239, 14407, 19943, 19416, 15906, 159038, 158845}},
        {"", 99, {361, 21}}, // an empty password keeps only its header words
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ScramblePassword(c.password, c.tick), c.words) << c.password.constData();
        EXPECT_EQ(UnscramblePassword(c.words), c.password) << c.password.constData();
    }
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
