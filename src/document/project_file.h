#pragma once

#include "face.h"
#include "objects/object_archive.h"
#include "tracks/album_data.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <array>
#include <functional>
#include <memory>
#include <span>

class Archive;
class CDiscwrightDoc;
class CImage;

// The project file: the version string, four face blocks (disc, front,
// inside, back: background colour, has-picture flag, the background picture's
// record written directly so it takes no index, the object list), the tracks,
// the album title, artist and year, and the three label stock paths. Undo
// snapshots use the same bytes.

inline const QString kProjectVersion = QStringLiteral("V1.0");

// One face as a project file holds it.
struct ProjectFace {
    quint32 backgroundColour = 0xFFFFFF;
    std::unique_ptr<CImage> background;
    // Set by a background reader that found the record equal to the picture
    // the face has now, which it should then keep.
    bool keepCurrentBackground = false;
    ObjectList objects;
};

// Everything a project file holds, read without a document.
struct ProjectContent {
    QString version;
    std::array<ProjectFace, kFaceCount> faces;
    AlbumData album;
    std::array<QString, 3> stockPaths; // disc, front and inside, back
    // Faults the reader got past (parts left empty), one line each.
    QStringList notes;
};

// Reads the background picture record of face `faceId`; may instead set
// `keepCurrent` and return null when the record matches a picture it has.
using BackgroundReader =
    std::function<std::unique_ptr<CImage>(Archive& ar, int faceId, bool* keepCurrent)>;

// Reads a whole project from `ar`; throws ArchiveError. Without a reader,
// each background picture is read as a new CImage.
void ReadProject(Archive& ar, ProjectContent& content, const BackgroundReader& reader = {});
// Writes the project as this version writes it ("V1.0").
void WriteProject(Archive& ar, const ProjectContent& content);
void WriteProject(Archive& ar, const CDiscwrightDoc& doc);

void WriteFaceBlock(Archive& ar, quint32 backgroundColour, const CImage* background,
                    const ObjectList& objects);

// Whole files and byte blocks. The readers return false with `error` saying
// what was wrong and at which byte; file errors also name the file.
bool ReadProjectBytes(QByteArrayView bytes, ProjectContent& content, QString* error);
bool ReadProjectFile(const QString& path, ProjectContent& content, QString* error);
QByteArray ProjectBytes(const ProjectContent& content);

// A layout archive: one object list and nothing else.
bool ReadLayoutBytes(QByteArrayView bytes, ObjectList& objects, QString* error);
QByteArray LayoutBytes(const ObjectList& objects);
// The same archive over objects owned elsewhere, such as a face's selection.
QByteArray LayoutBytes(std::span<CBaseObject* const> objects);
