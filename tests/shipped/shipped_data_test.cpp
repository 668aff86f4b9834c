// What Lumvane ships in its program folder: every gallery stamp is a vector
// picture that draws, every background a full-size picture, and the manual's
// pages reach every page, style sheet and screenshot they name.
#include "metafile/emf_player.h"
#include "objects/image.h"
#include "objects/vector_image.h"
#include "platform/ini_document.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QPainter>
#include <QRegularExpression>
#include <QUrl>

#include <gtest/gtest.h>

namespace {

const QDir kData(QStringLiteral(LUMVANE_SOURCE_DATA));

QStringList Files(const QString& folder, const QString& pattern) {
    QStringList paths;
    const QDir dir(kData.filePath(folder));
    for (const QString& name : dir.entryList({pattern}, QDir::Files, QDir::Name))
        paths.append(dir.filePath(name));
    return paths;
}

// Share of pixels of `image` that differ from white.
double InkedShare(const QImage& image) {
    qint64 inked = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            inked += image.pixel(x, y) != qRgb(255, 255, 255);
    return double(inked) / (qint64(image.width()) * image.height());
}

TEST(ShippedData, EveryStampLoadsAsAVectorPictureAndDrawsSomething) {
    const QStringList stamps = Files(QStringLiteral("logo"), QStringLiteral("*"));
    EXPECT_GE(stamps.size(), 40);
    // A contact sheet of all stamps, written when asked for, to look at them.
    const QString sheetPath = qEnvironmentVariable("LUMVANE_CONTACT_SHEET");
    constexpr int kCell = 120;
    QImage sheet(kCell * 8, kCell * int((stamps.size() + 7) / 8), QImage::Format_RGB32);
    sheet.fill(Qt::white);
    for (int i = 0; i < stamps.size(); ++i) {
        SCOPED_TRACE(stamps[i].toStdString());
        CVectorImage stamp;
        QString error;
        ASSERT_TRUE(stamp.LoadMetafile(stamps[i], {}, &error)) << error.toStdString();
        EXPECT_GT(stamp.m_width, 0);
        EXPECT_NE(stamp.m_height, 0);

        QImage image(100, 100, QImage::Format_RGB32);
        image.fill(Qt::white);
        {
            QPainter painter(&image);
            EXPECT_TRUE(PlayEnhMetaFile(painter, stamp.Metafile(), QRectF(0, 0, 100, 100)).ok);
        }
        EXPECT_GT(InkedShare(image), 0.03);
        QPainter(&sheet).drawImage(QPointF((i % 8) * kCell + 10, (i / 8) * kCell + 10), image);
    }
    if (!sheetPath.isEmpty())
        sheet.save(sheetPath);
}

TEST(ShippedData, EveryBackgroundIsAPrintSizedPicture) {
    const QStringList backgrounds = Files(QStringLiteral("Backgrounds"), QStringLiteral("*"));
    EXPECT_GE(backgrounds.size(), 20);
    for (const QString& path : backgrounds) {
        SCOPED_TRACE(path.toStdString());
        CImage picture;
        EXPECT_TRUE(picture.LoadFile(path));
        // Big enough for the back insert (151 x 118 mm) at 300 dots per inch.
        const QImage image(path);
        ASSERT_FALSE(image.isNull());
        EXPECT_GE(image.width(), 1780);
        EXPECT_GE(image.height(), 1390);
        EXPECT_LT(QFile(path).size(), 600 * 1024);
    }
}

TEST(ShippedData, ManualLinksAndPicturesAllExist) {
    const IniDocument support = IniDocument::Load(kData.filePath("lumvanesupport.ini"));
    const QString start = support.ReadString(u"support", u"help", QString(), 255);
    ASSERT_TRUE(QFile::exists(kData.filePath(start))) << start.toStdString();
    for (const QString& key :
         {QStringLiteral("homepage"), QStringLiteral("mailto"), QStringLiteral("title")})
        EXPECT_FALSE(support.ReadString(u"support", key, QString(), 255).isEmpty());

    const QStringList pages = Files(QStringLiteral("manual"), QStringLiteral("*.html"));
    EXPECT_GE(pages.size(), 5);
    static const QRegularExpression reference(QStringLiteral("(?:href|src)=\"([^\"]+)\""));
    for (const QString& page : pages) {
        QFile file(page);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QString html = QString::fromUtf8(file.readAll());
        for (const QRegularExpressionMatch& match : reference.globalMatch(html)) {
            const QUrl url(match.captured(1));
            if (!url.scheme().isEmpty() || url.path().isEmpty())
                continue; // the web, mail, or a place on the same page
            const QString target = QFileInfo(page).dir().filePath(url.path());
            EXPECT_TRUE(QFile::exists(target))
                << page.toStdString() << " names " << url.path().toStdString();
        }
    }
}

} // namespace
