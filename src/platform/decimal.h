#pragma once

#include <QStringView>

// Decimal conversion as the C run-time's atoi: leading white space is skipped,
// an optional sign and the digits that follow are taken, the rest is ignored;
// text that does not start with a number is 0. Out-of-range values saturate.
// Settings files, label stocks and CDDB replies all read numbers this way.
int ParseDecimal(QStringView text);
