#include "thumbnail_loader.h"

#include "imaging/gallery_thumbnail.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>

#include <algorithm>

namespace {

// Compares file names as people read them: letters without regard to case,
// runs of digits by their value, so "Photo 2" comes before "Photo 10".
int CompareNames(const QString& a, const QString& b) {
    qsizetype i = 0, j = 0;
    while (i < a.size() && j < b.size()) {
        if (a[i].isDigit() && b[j].isDigit()) {
            qsizetype ei = i, ej = j;
            while (ei < a.size() && a[ei].isDigit())
                ++ei;
            while (ej < b.size() && b[ej].isDigit())
                ++ej;
            // Leading zeros do not count; then the longer run is the larger.
            QStringView x = QStringView(a).mid(i, ei - i), y = QStringView(b).mid(j, ej - j);
            while (x.size() > 1 && x.front() == u'0')
                x = x.mid(1);
            while (y.size() > 1 && y.front() == u'0')
                y = y.mid(1);
            if (x.size() != y.size())
                return x.size() < y.size() ? -1 : 1;
            if (const int c = x.compare(y); c != 0)
                return c;
            i = ei;
            j = ej;
            continue;
        }
        const QChar ca = a[i].toCaseFolded(), cb = b[j].toCaseFolded();
        if (ca != cb)
            return ca < cb ? -1 : 1;
        ++i;
        ++j;
    }
    return (a.size() - i > 0) - (b.size() - j > 0);
}

} // namespace

ThumbnailLoader::ThumbnailLoader(QStringList folders, QSize thumbnailSize, Deliver deliver,
                                 int workers)
    : m_folders(std::move(folders)), m_size(thumbnailSize), m_deliver(std::move(deliver)),
      m_workers(std::max(1, workers)) {
    m_first = std::thread([this] {
        Run();
        --m_running;
    });
}

ThumbnailLoader::~ThumbnailLoader() {
    m_cancel = true;
    // The helpers are started by the first worker, so they are all known once
    // it has ended.
    if (m_first.joinable())
        m_first.join();
    for (std::thread& helper : m_helpers)
        helper.join();
}

int ThumbnailLoader::DefaultWorkers() {
    // Decoding is all the work; more threads than cores would only take turns.
    return std::clamp(int(std::thread::hardware_concurrency()), 1, 2);
}

QStringList ThumbnailLoader::ListFiles(const QString& folder, const std::atomic<bool>* cancel) {
    return ListFiles(QStringList{folder}, cancel);
}

QStringList ThumbnailLoader::ListFiles(const QStringList& folders,
                                       const std::atomic<bool>* cancel) {
    QStringList names;
    QHash<QString, QString> pathOf; // name -> path in the first folder holding it
    for (const QString& folder : folders) {
        QDir dir(folder);
        if (folder.isEmpty() || !dir.exists())
            continue;
        for (const QString& name : dir.entryList(QDir::Files | QDir::Readable, QDir::NoSort)) {
            if (cancel && *cancel)
                return {};
            if (name.endsWith(u'~') || name.endsWith(QLatin1String(".tmp"), Qt::CaseInsensitive))
                continue;
            if (pathOf.contains(name))
                continue;
            pathOf.insert(name, dir.filePath(name));
            names.push_back(name);
        }
    }
    // By name as people read it ("Photo 2" before "Photo 10"), ties broken
    // by the bytes so the order never depends on the file system.
    std::sort(names.begin(), names.end(), [](const QString& a, const QString& b) {
        const int c = CompareNames(a, b);
        return c != 0 ? c < 0 : a < b;
    });
    for (QString& name : names)
        name = pathOf.value(name);
    return names;
}

void ThumbnailLoader::Run() {
    m_files = ListFiles(m_folders, &m_cancel);
    if (m_cancel)
        return;
    m_slots.resize(size_t(m_files.size()));
    m_done.assign(size_t(m_files.size()), 0);
    if (m_files.isEmpty()) {
        m_deliver({}, true);
        return;
    }
    for (int i = 1; i < std::min<qsizetype>(m_workers, m_files.size()); ++i) {
        ++m_running;
        m_helpers.emplace_back([this] {
            MakeThumbs();
            --m_running;
        });
    }
    MakeThumbs();
}

void ThumbnailLoader::MakeThumbs() {
    while (!m_cancel) {
        const size_t index = m_next.fetch_add(1);
        if (index >= size_t(m_files.size()))
            return;
        Store(index, MakeGalleryThumbnail(m_files[qsizetype(index)], m_size));
    }
}

void ThumbnailLoader::Store(size_t index, QImage image) {
    std::vector<Result> batch;
    bool last = false;
    {
        std::lock_guard lock(m_mutex);
        m_slots[index] = std::move(image);
        m_done[index] = 1;
        // Hand over every finished thumbnail that the order allows; delivering
        // under the lock keeps the batches in order between the workers.
        while (m_delivered < m_done.size() && m_done[m_delivered]) {
            batch.push_back({m_files[qsizetype(m_delivered)], std::move(m_slots[m_delivered])});
            ++m_delivered;
        }
        last = m_delivered == m_done.size();
        if (!batch.empty() && !m_cancel)
            m_deliver(std::move(batch), last);
    }
}
