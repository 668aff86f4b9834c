#include "cups_driver_options.h"

#include <QFile>

// The PPD functions are deprecated in libcups, but a driver option such as
// the hub size is only described there; this file alone may call them.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
#include <cups/cups.h>
#include <cups/ppd.h>

namespace {
// Gutenprint's names for the hub size and its "Print To Hub" choice, and the
// default hub diameter in points.
constexpr const char* kHubOption = "StpCDInnerRadius";
constexpr const char* kHubChoice = "Small";
constexpr const char* kHubDiameter = "DefaultStpCDInnerDiameter";
constexpr double kMmPerPoint = 25.4 / 72.0;
} // namespace

DriverHubOption ReadDriverHubOption(const QString& queue) {
    DriverHubOption result;
    const QByteArray name = queue.toUtf8();
    char path[1024] = "";
    time_t modified = 0;
    if (cupsGetPPD3(CUPS_HTTP_DEFAULT, name.constData(), &modified, path, sizeof path) !=
        HTTP_STATUS_OK)
        return result;
    if (ppd_file_t* ppd = ppdOpenFile(path)) {
        if (ppd_option_t* option = ppdFindOption(ppd, kHubOption);
            option && ppdFindChoice(option, kHubChoice)) {
            result.option = QString::fromLatin1(kHubOption);
            result.choice = QString::fromLatin1(kHubChoice);
        }
        if (ppd_attr_t* attr = ppdFindAttr(ppd, kHubDiameter, nullptr); attr && attr->value)
            result.normalHubMm = QByteArray(attr->value).trimmed().toDouble() * kMmPerPoint;
        ppdClose(ppd);
    }
    QFile::remove(QString::fromLocal8Bit(path));
    return result;
}
#pragma GCC diagnostic pop
