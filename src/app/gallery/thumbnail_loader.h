#pragma once

#include <QImage>
#include <QSize>
#include <QString>
#include <QStringList>

#include <atomic>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

// One filling of a thumbnail list: lists the picture files of one or more
// folders (by name, without hidden and temporary files; of equal names only
// the first folder's file) and makes their thumbnails on worker
// threads, two where the machine has two cores. Finished thumbnails are
// handed to `deliver` strictly in file order, from a worker thread; a file
// that does not load is handed over as a null image, so the receiver can
// leave no gap. Cancel() stops the workers before their next file; the
// destructor cancels and joins them, waiting at most for the file in hand.
class ThumbnailLoader {
public:
    struct Result {
        QString path;
        QImage image; // null: the file is no picture
    };
    // Called with the next results in order; `last` is set once, with the
    // final batch, when every file is done (not after Cancel()).
    using Deliver = std::function<void(std::vector<Result> batch, bool last)>;

    ThumbnailLoader(QStringList folders, QSize thumbnailSize, Deliver deliver, int workers);
    ThumbnailLoader(const QString& folder, QSize thumbnailSize, Deliver deliver, int workers)
        : ThumbnailLoader(QStringList{folder}, thumbnailSize, std::move(deliver), workers) {}
    ~ThumbnailLoader();

    ThumbnailLoader(const ThumbnailLoader&) = delete;
    ThumbnailLoader& operator=(const ThumbnailLoader&) = delete;

    void Cancel() { m_cancel = true; }
    // Whether every worker has ended (the destructor then waits for nothing).
    bool Finished() const { return m_running == 0; }

    // The folder's files as the list shows them: plain files, not hidden, not
    // temporary ("~" or ".tmp" endings), sorted by name. Empty when the
    // folder cannot be read.
    static QStringList ListFiles(const QString& folder, const std::atomic<bool>* cancel = nullptr);
    // The files of several folders listed together, sorted by name; a name
    // in an earlier folder hides the same name in later ones.
    static QStringList ListFiles(const QStringList& folders,
                                 const std::atomic<bool>* cancel = nullptr);

    // How many workers fill a list on this machine.
    static int DefaultWorkers();

private:
    void Run();        // the first worker: lists the folder, starts the others
    void MakeThumbs(); // every worker: takes the next file until none is left
    void Store(size_t index, QImage image);

    const QStringList m_folders;
    const QSize m_size;
    const Deliver m_deliver;
    const int m_workers;
    std::atomic<bool> m_cancel{false};
    std::atomic<int> m_running{1}; // the first worker runs from the start

    QStringList m_files; // written by the first worker before the others start
    std::atomic<size_t> m_next{0};

    std::mutex m_mutex; // guards the slots and the delivery order
    std::vector<QImage> m_slots;
    std::vector<char> m_done;
    size_t m_delivered = 0;

    std::thread m_first;
    std::vector<std::thread> m_helpers; // started by the first worker
};
