#include "cups_disc_tray.h"

#include "cups_driver_options.h"

#include <cups/cups.h>

#include <cmath>
#include <memory>

namespace {

// A disc page must match the stock's sheet this closely (millimetres).
constexpr double kPageTolerance = 1.0;

struct DestFree {
    void operator()(cups_dest_t* dest) const { cupsFreeDests(1, dest); }
};
struct InfoFree {
    void operator()(cups_dinfo_t* info) const { cupsFreeDestInfo(info); }
};
using DestPtr = std::unique_ptr<cups_dest_t, DestFree>;
using InfoPtr = std::unique_ptr<cups_dinfo_t, InfoFree>;

QString NoTray(const QString& queue) {
    return QStringLiteral("%1 has no disc tray").arg(queue);
}

bool IsTraySource(const QString& source) {
    const QString s = source.toLower();
    return s == u"cd" || s.contains(u"disc") || s.contains(u"disk") || s.startsWith(u"cd-") ||
           s.contains(u"dvd");
}

// The disc page and tray of a queue whose destination is known.
bool ReadTray(cups_dest_t* dest, QSizeF paperMm, DiscTray* tray) {
    const InfoPtr info(cupsCopyDestInfo(CUPS_HTTP_DEFAULT, dest));
    if (!info)
        return false;
    const int count = cupsGetDestMediaCount(CUPS_HTTP_DEFAULT, dest, info.get(), 0);
    bool page = false;
    for (int i = 0; i < count && !page; ++i) {
        cups_size_t size{};
        if (!cupsGetDestMediaByIndex(CUPS_HTTP_DEFAULT, dest, info.get(), i, 0, &size))
            continue;
        const double w = size.width / 100.0, h = size.length / 100.0;
        if (std::abs(w - h) <= 0.01 && std::abs(w - paperMm.width()) <= kPageTolerance &&
            std::abs(h - paperMm.height()) <= kPageTolerance) {
            // libcups names a size without margins "..._borderless"; the
            // server's own name for the page is the one it maps to the driver.
            tray->media = QString::fromUtf8(size.media);
            if (tray->media.endsWith(u"_borderless"))
                tray->media.chop(int(sizeof("_borderless") - 1));
            tray->pageMm = QSizeF(w, h);
            page = true;
        }
    }
    ipp_attribute_t* sources =
        cupsFindDestSupported(CUPS_HTTP_DEFAULT, dest, info.get(), "media-source");
    for (int i = 0; sources && i < ippGetCount(sources); ++i) {
        const QString source = QString::fromUtf8(ippGetString(sources, i, nullptr));
        if (IsTraySource(source)) {
            tray->mediaSource = source;
            break;
        }
    }
    return page && !tray->mediaSource.isEmpty();
}

} // namespace

bool FindDiscTray(const QString& queue, QSizeF paperMm, DiscTray* tray, QString* error) {
    const QByteArray name = queue.toUtf8();
    const DestPtr dest(cupsGetNamedDest(CUPS_HTTP_DEFAULT, name.constData(), nullptr));
    if (!dest) {
        *error = QStringLiteral("there is no printer \"%1\"").arg(queue);
        return false;
    }
    *tray = DiscTray();
    tray->queue = queue;
    if (!ReadTray(dest.get(), paperMm, tray)) {
        *error = NoTray(queue);
        return false;
    }
    const DriverHubOption hub = ReadDriverHubOption(queue);
    tray->printToHubOption = hub.option;
    tray->printToHubChoice = hub.choice;
    tray->normalHubMm = hub.normalHubMm;
    return true;
}

QStringList QueuesWithDiscTray(QSizeF paperMm) {
    cups_dest_t* dests = nullptr;
    const int count = cupsGetDests2(CUPS_HTTP_DEFAULT, &dests);
    QStringList queues;
    for (int i = 0; i < count; ++i) {
        DiscTray tray;
        if (ReadTray(&dests[i], paperMm, &tray))
            queues << QString::fromUtf8(dests[i].name);
    }
    cupsFreeDests(count, dests);
    queues.sort(Qt::CaseInsensitive);
    return queues;
}

QList<QPair<QByteArray, QByteArray>> DiscTrayJobOptions(const DiscTray& tray, double holeMm) {
    QList<QPair<QByteArray, QByteArray>> options{
        {"document-format", CUPS_FORMAT_PDF},
        {"media", tray.media.toUtf8()},
        {"media-source", tray.mediaSource.toUtf8()},
        // The page is the disc page already: any fitting would move the disc.
        {"print-scaling", "none"},
        {"fit-to-page", "false"},
    };
    // The driver leaves its normal hub blank; a smaller hole needs its
    // print-to-hub choice, or the ring between them would stay white.
    if (!tray.printToHubOption.isEmpty() && tray.normalHubMm > 0 && holeMm > 0 &&
        holeMm < tray.normalHubMm)
        options.append({tray.printToHubOption.toUtf8(), tray.printToHubChoice.toUtf8()});
    return options;
}

bool PrintPdfOnDiscTray(const QByteArray& pdf, const DiscTray& tray, double holeMm,
                        const QString& title, int* jobId, QString* error) {
    const QByteArray name = tray.queue.toUtf8();
    const DestPtr dest(cupsGetNamedDest(CUPS_HTTP_DEFAULT, name.constData(), nullptr));
    if (!dest) {
        *error = QStringLiteral("there is no printer \"%1\"").arg(tray.queue);
        return false;
    }
    const InfoPtr info(cupsCopyDestInfo(CUPS_HTTP_DEFAULT, dest.get()));
    if (!info) {
        *error = QStringLiteral("printer \"%1\": %2")
                     .arg(tray.queue, QString::fromUtf8(cupsLastErrorString()));
        return false;
    }
    cups_option_t* options = nullptr;
    int optionCount = 0;
    for (const auto& [key, value] : DiscTrayJobOptions(tray, holeMm))
        optionCount = cupsAddOption(key.constData(), value.constData(), optionCount, &options);
    const QByteArray jobTitle = title.toUtf8();
    int job = 0;
    const auto fail = [&](const QString& what) {
        *error = QStringLiteral("printer \"%1\": %2: %3")
                     .arg(tray.queue, what, QString::fromUtf8(cupsLastErrorString()));
        cupsFreeOptions(optionCount, options);
        if (job > 0)
            cupsCancelDestJob(CUPS_HTTP_DEFAULT, dest.get(), job);
        return false;
    };
    if (cupsCreateDestJob(CUPS_HTTP_DEFAULT, dest.get(), info.get(), &job, jobTitle.constData(),
                          optionCount, options) > IPP_STATUS_OK_CONFLICTING ||
        job <= 0)
        return fail(QStringLiteral("the server refused the disc-tray job"));
    if (cupsStartDestDocument(CUPS_HTTP_DEFAULT, dest.get(), info.get(), job, jobTitle.constData(),
                              CUPS_FORMAT_PDF, optionCount, options, 1) != HTTP_STATUS_CONTINUE)
        return fail(QStringLiteral("disc-tray job %1 could not be sent").arg(job));
    if (cupsWriteRequestData(CUPS_HTTP_DEFAULT, pdf.constData(), size_t(pdf.size())) !=
        HTTP_STATUS_CONTINUE) {
        cupsFinishDestDocument(CUPS_HTTP_DEFAULT, dest.get(), info.get());
        return fail(QStringLiteral("disc-tray job %1 could not be sent").arg(job));
    }
    if (cupsFinishDestDocument(CUPS_HTTP_DEFAULT, dest.get(), info.get()) >
        IPP_STATUS_OK_CONFLICTING)
        return fail(QStringLiteral("the server refused disc-tray job %1").arg(job));
    cupsFreeOptions(optionCount, options);
    *jobId = job;
    return true;
}
