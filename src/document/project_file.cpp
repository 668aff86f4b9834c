#include "project_file.h"

#include "discwright_doc.h"
#include "objects/image.h"
#include "platform/archive.h"
#include "platform/archive_file.h"

#include <new>

namespace {

void ReadFaceBlock(Archive& ar, int faceId, ProjectFace& face, const BackgroundReader& reader) {
    face.backgroundColour = ar.ReadDword();
    const quint32 hasPicture = ar.ReadDword();
    if (hasPicture != 0) {
        if (reader) {
            face.background = reader(ar, faceId, &face.keepCurrentBackground);
        } else {
            face.background = std::make_unique<CImage>();
            face.background->Serialize(ar);
        }
    }
    ReadObjectList(ar, face.objects);
}

void WriteAlbumAndStocks(Archive& ar, const AlbumData& album,
                         const std::array<QString, 3>& stockPaths) {
    ar.WriteDword(quint32(album.tracks.size()));
    for (const TrackEntry& track : album.tracks) {
        ar.WriteString(track.artist);
        ar.WriteString(track.title);
        ar.WriteString(track.playTime);
    }
    ar.WriteString(album.title);
    ar.WriteString(album.artist);
    ar.WriteString(album.year);
    for (const QString& path : stockPaths)
        ar.WriteString(path);
}

} // namespace

void WriteFaceBlock(Archive& ar, quint32 backgroundColour, const CImage* background,
                    const ObjectList& objects) {
    ar.WriteDword(backgroundColour);
    ar.WriteDword(background != nullptr ? 1 : 0);
    if (background != nullptr)
        const_cast<CImage*>(background)->Serialize(ar); // storing leaves it unchanged
    WriteObjectList(ar, objects);
}

void ReadProject(Archive& ar, ProjectContent& content, const BackgroundReader& reader) {
    content.version = ar.ReadString(); // any version is accepted
    for (int id = 0; id < kFaceCount; ++id)
        ReadFaceBlock(ar, id, content.faces[size_t(id)], reader);
    // The track count is not trusted: a track takes at least three bytes (three
    // empty strings), so a count the rest of the data cannot hold fails at
    // once instead of after building millions of tracks.
    const qint64 countAt = ar.Offset();
    const quint32 trackCount = ar.ReadDword();
    if (ar.Peek(qint64(trackCount) * 3).size() < qint64(trackCount) * 3)
        throw ArchiveError(
            QStringLiteral("track count %1 is more than the file can hold").arg(trackCount),
            countAt);
    content.album.tracks.reserve(trackCount);
    for (quint32 i = 0; i < trackCount; ++i) {
        TrackEntry track;
        track.artist = ar.ReadString();
        track.title = ar.ReadString();
        track.playTime = ar.ReadString();
        content.album.tracks.push_back(std::move(track));
    }
    content.album.title = ar.ReadString();
    content.album.artist = ar.ReadString();
    content.album.year = ar.ReadString();
    for (QString& path : content.stockPaths)
        path = ar.ReadString();
    content.notes = ar.Notes();
}

void WriteProject(Archive& ar, const ProjectContent& content) {
    ar.WriteString(kProjectVersion);
    for (const ProjectFace& face : content.faces)
        WriteFaceBlock(ar, face.backgroundColour, face.background.get(), face.objects);
    WriteAlbumAndStocks(ar, content.album, content.stockPaths);
}

void WriteProject(Archive& ar, const CDiscwrightDoc& doc) {
    ar.WriteString(kProjectVersion);
    for (int id = 0; id < kFaceCount; ++id) {
        const Face& face = doc.GetFace(id);
        WriteFaceBlock(ar, face.BackgroundColour(), face.Background(), face.Objects());
    }
    WriteAlbumAndStocks(ar, doc.Album(),
                        {doc.StockOfFace(kDiscFace).path, doc.StockOfFace(kFrontFace).path,
                         doc.StockOfFace(kBackFace).path});
}

bool ReadProjectBytes(QByteArrayView bytes, ProjectContent& content, QString* error) {
    try {
        Archive ar(bytes, ObjectClasses());
        ReadProject(ar, content);
        return true;
    } catch (const ArchiveError& e) {
        *error = e.Text();
        return false;
    } catch (const std::bad_alloc&) {
        *error = QStringLiteral("not enough memory to read the project");
        return false;
    }
}

bool ReadProjectFile(const QString& path, ProjectContent& content, QString* error) {
    QByteArray bytes;
    if (!ReadWholeFileBytes(path, &bytes, error))
        return false;
    QString why;
    if (!ReadProjectBytes(bytes, content, &why)) {
        *error = QStringLiteral("%1: %2").arg(path, why);
        return false;
    }
    return true;
}

QByteArray ProjectBytes(const ProjectContent& content) {
    QByteArray bytes;
    Archive ar(&bytes);
    WriteProject(ar, content);
    return bytes;
}

bool ReadLayoutBytes(QByteArrayView bytes, ObjectList& objects, QString* error) {
    try {
        Archive ar(bytes, ObjectClasses());
        ReadObjectList(ar, objects);
        return true;
    } catch (const ArchiveError& e) {
        *error = e.Text();
        return false;
    }
}

QByteArray LayoutBytes(const ObjectList& objects) {
    std::vector<CBaseObject*> pointers;
    pointers.reserve(objects.size());
    for (const auto& object : objects)
        pointers.push_back(object.get());
    return LayoutBytes(pointers);
}

QByteArray LayoutBytes(std::span<CBaseObject* const> objects) {
    // The bytes WriteObjectList gives: the count, then one reference per object.
    QByteArray bytes;
    Archive ar(&bytes);
    ar.WriteCount(quint32(objects.size()));
    for (const CBaseObject* object : objects)
        ar.WriteObject(object);
    return bytes;
}
