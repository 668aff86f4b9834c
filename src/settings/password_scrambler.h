#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

// The proxy password is kept in the settings file as a list of integers
// ("password words"), never as its characters. The words depend on the clock,
// so saving one password twice gives different words that decode alike.

// The C run-time's rand(): a 32-bit linear congruential generator whose
// values run from 0 to 32767. Files from older versions depend on this exact
// sequence, so it is spelled out rather than taken from <cstdlib>.
class LegacyRandom {
public:
    void Seed(uint32_t seed) { m_state = seed; }
    int Next() {
        m_state = m_state * 214013u + 2531011u;
        return int((m_state >> 16) & 0x7FFF);
    }

private:
    uint32_t m_state = 1;
};

// The longest password the settings record holds, and the most words a stored
// password may claim.
inline constexpr int kMaxPasswordLength = 79;
inline constexpr int kMaxPasswordWords = 255;

// Scrambles `password` (its bytes taken as signed 8-bit characters) with the
// generator seeded from `tickCount`, the milliseconds since system start.
std::vector<int> ScramblePassword(const QByteArray& password, uint32_t tickCount);

// Decodes stored words. Lists longer than kMaxPasswordWords, passwords longer
// than kMaxPasswordLength and words that claim more characters than they hold
// give nullopt.
std::optional<QByteArray> UnscramblePassword(const std::vector<int>& words);

// The decoded password as text: UTF-8 when its bytes are valid UTF-8 (what
// Lumvane writes), Windows-1252 otherwise (settings files made on Windows).
std::optional<QString> UnscramblePasswordText(const std::vector<int>& words);

// Milliseconds of the monotonic clock, as a 32-bit tick count.
uint32_t TickCount();
