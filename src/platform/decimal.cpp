#include "decimal.h"

#include <algorithm>
#include <limits>

int ParseDecimal(QStringView text) {
    qsizetype i = 0;
    while (i < text.size() && (text[i] == u' ' || (text[i] >= u'\t' && text[i] <= u'\r')))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-'))
        negative = text[i++] == u'-';
    qint64 value = 0;
    constexpr qint64 kLimit = qint64(std::numeric_limits<int>::max()) + 1;
    while (i < text.size() && text[i] >= u'0' && text[i] <= u'9') {
        value = std::min(value * 10 + (text[i].unicode() - u'0'), kLimit);
        ++i;
    }
    value = negative ? -value : value;
    return int(std::clamp<qint64>(value, std::numeric_limits<int>::min(),
                                  std::numeric_limits<int>::max()));
}
