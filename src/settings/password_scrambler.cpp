#include "password_scrambler.h"

#include "platform/legacy_text.h"

#include <cmath>
#include <ctime>

namespace {

// Square root in floating point, truncated, of |v| + bias. The sum is taken in
// 64 bits so that hostile words cannot overflow.
int RootOf(int64_t v, int bias) {
    return int(std::sqrt(double(std::llabs(v) + bias)));
}

} // namespace

uint32_t TickCount() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return uint32_t(uint64_t(now.tv_sec) * 1000u + uint64_t(now.tv_nsec) / 1000000u);
}

std::vector<int> ScramblePassword(const QByteArray& password, uint32_t tickCount) {
    LegacyRandom random;
    random.Seed(tickCount);
    const int a = random.Next();
    const int n = int(password.size());
    // 0, 2, 8 or 10 padding words; an empty password keeps just its two header
    // words, so a fresh settings file always says "PasswordLength=2".
    const int k = n == 0 ? 0 : (a + n) & 10;

    std::vector<int> w(size_t(n + k + 2));
    w[0] = a;
    w[1] = RootOf(a, 100) ^ n;
    int s = 0;
    for (int j = 0; j < k; ++j) {
        random.Seed(tickCount + uint32_t(w[j]));
        random.Next();
        const int r = random.Next();
        w[2 + j] = r;
        s += r;
    }
    for (int i = 0; i < n; ++i) {
        const int c = static_cast<signed char>(password[i]);
        w[2 + k + i] = RootOf(int64_t(w[k + i]) + w[k + i + 1], 3454) ^ c ^ s;
    }
    return w;
}

std::optional<QByteArray> UnscramblePassword(const std::vector<int>& words) {
    if (words.size() > size_t(kMaxPasswordWords))
        return std::nullopt;
    auto word = [&words](int i) { return size_t(i) < words.size() ? words[size_t(i)] : 0; };
    const int n = RootOf(word(0), 100) ^ word(1);
    if (n < 0 || n > kMaxPasswordLength)
        return std::nullopt;
    const int k = (word(0) + n) & 10;
    if (size_t(2 + k + n) > words.size() && n > 0)
        return std::nullopt; // the words end before the characters they claim
    uint32_t s = 0;          // wraps like the 32-bit sum it replaces
    for (int j = 2; j <= k + 1; ++j)
        s += uint32_t(word(j));
    QByteArray password(n, '\0');
    for (int i = 0; i < n; ++i) {
        const int root = RootOf(int64_t(word(k + i)) + word(k + i + 1), 3454);
        password[i] = char((uint32_t(root) ^ uint32_t(word(2 + k + i)) ^ s) & 0xFF);
    }
    return password;
}

std::optional<QString> UnscramblePasswordText(const std::vector<int>& words) {
    const std::optional<QByteArray> bytes = UnscramblePassword(words);
    if (!bytes)
        return std::nullopt;
    return DecodeLegacyText(*bytes);
}
