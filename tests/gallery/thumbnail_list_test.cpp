#include "gallery_fixtures.h"

#include "app/gallery/thumbnail_list.h"
#include "app/gallery/thumbnail_loader.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <atomic>
#include <set>

namespace {

// A folder of `count` copies of one 1600 × 1200 photo, named photo000.jpg...
QString PhotoFolder(const QTemporaryDir& dir, int count) {
    const QString folder = dir.filePath(QStringLiteral("photos"));
    QDir().mkpath(folder);
    const QString first = folder + QStringLiteral("/photo000.jpg");
    if (!RunTool(QStringLiteral("convert"), {QStringLiteral("-size"), QStringLiteral("1600x1200"),
                                             QStringLiteral("gradient:red-blue"), first}))
        return {};
    for (int i = 1; i < count; ++i)
        QFile::copy(first, folder + QStringLiteral("/photo%1.jpg").arg(i, 3, 10, QLatin1Char('0')));
    return folder;
}

bool WaitFinished(ThumbnailList& list) {
    return QTest::qWaitFor([&] { return !list.IsLoading(); }, 60000);
}

QStringList Captions(const ThumbnailList& list) {
    QStringList captions;
    for (int i = 0; i < list.count(); ++i)
        captions << list.item(i)->text();
    return captions;
}

} // namespace

TEST(ThumbnailList, ShowsPicturesByNameAndSkipsTheRestWithoutGaps) {
    QTemporaryDir dir;
    for (const char* name : {"b 10.jpg", "b 2.png", "A.bmp", ".hidden.png", "c.png", "d.png"})
        ASSERT_TRUE(MakePicture(dir.filePath(QLatin1String(name)), 20, 10, QStringLiteral("red")));
    // Temporary files, such as an editor's backup, are left out.
    ASSERT_TRUE(QFile::rename(dir.filePath(QStringLiteral("c.png")),
                              dir.filePath(QStringLiteral("c.png~"))));
    ASSERT_TRUE(QFile::rename(dir.filePath(QStringLiteral("d.png")),
                              dir.filePath(QStringLiteral("d.tmp"))));
    QFile text(dir.filePath(QStringLiteral("a notes.jpg"))); // not a picture despite its name
    ASSERT_TRUE(text.open(QIODevice::WriteOnly));
    text.write("hello");
    text.close();
    QDir().mkpath(dir.filePath(QStringLiteral("sub.png")));

    ThumbnailList list({64, 64});
    QSignalSpy finished(&list, &ThumbnailList::LoadFinished);
    list.Load(dir.path());
    ASSERT_TRUE(WaitFinished(list));
    EXPECT_EQ(finished.count(), 1);
    EXPECT_EQ(Captions(list), (QStringList{"A", "b 2", "b 10"}));
    EXPECT_EQ(ThumbnailList::ItemPath(list.item(1)), dir.filePath(QStringLiteral("b 2.png")));
    EXPECT_EQ(list.item(2)->data(ThumbnailList::CaptionRole).toString(), QStringLiteral("b 10"));

    list.SetStripExtension(false);
    list.Reload();
    ASSERT_TRUE(WaitFinished(list));
    EXPECT_EQ(Captions(list), (QStringList{"A.bmp", "b 2.png", "b 10.jpg"}));

    // A missing folder and no folder show nothing, and say so.
    for (const QString& folder : {dir.filePath(QStringLiteral("gone")), QString()}) {
        list.Load(folder);
        ASSERT_TRUE(WaitFinished(list));
        EXPECT_EQ(list.count(), 0);
    }
}

TEST(ThumbnailList, ItemsArriveWhileTheWindowKeepsRunning) {
    QTemporaryDir dir;
    const QString folder = PhotoFolder(dir, 200);
    ASSERT_FALSE(folder.isEmpty());
    ThumbnailList list({80, 80});
    list.Load(folder);
    // Load returns at once; the items come later, in several steps.
    EXPECT_TRUE(list.IsLoading());
    EXPECT_EQ(list.count(), 0);
    std::set<int> seen;
    while (list.IsLoading()) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        seen.insert(list.count());
    }
    EXPECT_EQ(list.count(), 200);
    EXPECT_GE(seen.size(), 4u) << "items should appear progressively";
    for (int i = 0; i < list.count(); ++i)
        ASSERT_EQ(list.item(i)->text(), QStringLiteral("photo%1").arg(i, 3, 10, QLatin1Char('0')));
}

TEST(ThumbnailList, AnotherFolderReplacesAFillingInProgress) {
    QTemporaryDir dir;
    const QString big = PhotoFolder(dir, 200);
    ASSERT_FALSE(big.isEmpty());
    const QString small = dir.filePath(QStringLiteral("small"));
    QDir().mkpath(small);
    for (const char* name : {"one.png", "two.png"})
        ASSERT_TRUE(MakePicture(small + u'/' + QLatin1String(name), 8, 8, QStringLiteral("red")));

    ThumbnailList list({80, 80});
    list.Load(big);
    ASSERT_TRUE(QTest::qWaitFor([&] { return list.count() > 0; }, 30000));
    list.Load(small);
    ASSERT_TRUE(WaitFinished(list));
    // Late results of the first folder must not slip in.
    QTest::qWait(100);
    EXPECT_EQ(Captions(list), (QStringList{"one", "two"}));
}

TEST(ThumbnailLoader, CancelStopsTheWorkersBeforeTheirNextFile) {
    QTemporaryDir dir;
    const QString folder = PhotoFolder(dir, 200);
    ASSERT_FALSE(folder.isEmpty());
    std::atomic<int> delivered{0};
    std::atomic<bool> sawLast{false};
    std::optional<ThumbnailLoader> loader;
    loader.emplace(
        folder, QSize(80, 80),
        [&](std::vector<ThumbnailLoader::Result> batch, bool last) {
            delivered += int(batch.size());
            sawLast = sawLast || last;
        },
        2);
    while (delivered == 0)
        QThread::msleep(1);
    loader->Cancel();
    loader.reset(); // joins: returns once the files in hand are done
    EXPECT_LT(delivered.load(), 200);
    EXPECT_FALSE(sawLast.load());
}
