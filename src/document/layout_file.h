#pragma once

#include "objects/object_archive.h"

#include <QImage>
#include <QString>

#include <span>
#include <vector>

class CDiscwrightDoc;
class Face;

// Layouts: the objects of one face saved under a name (a ".lay" file holding
// one object list) with a 120 x 120 JPEG thumbnail (".jpg") beside it, in the
// layout folder of the face's kind.

// "layouts/disk", "layouts/front", "layouts/inside" or "layouts/back".
QString LayoutSubfolder(int faceId);
// Where new layouts of the face's kind are saved: the subfolder in the user's
// data folder.
QString LayoutFolder(int faceId);
// Every folder whose layouts are listed for the face's kind, the user's
// first (it wins on equal names), then the shipped ones.
QStringList LayoutFolders(int faceId);
// The layout folder of the face + "/" + name + ".lay" (or ".jpg").
QString LayoutFilePath(int faceId, const QString& name);
QString LayoutThumbnailPath(int faceId, const QString& name);

// Writes `face`'s objects, bottom to top, to `path` (through a temporary
// file, so a failure leaves an earlier layout intact). False with `error` set.
bool WriteLayoutFile(const Face& face, const QString& path, QString* error);
// Reads the objects of the layout file `path` into `objects` (which it
// empties first). A missing, unreadable, oversized or damaged file gives false
// with `error` set and `objects` empty.
bool ReadLayoutFile(const QString& path, ObjectList& objects, QString* error);

// The thumbnail of a face: the framed face (without its background picture)
// scaled into 120 x 120 keeping its proportions, centred on white.
QImage LayoutThumbnailImage(CDiscwrightDoc& doc, int faceId);
// Where the thumbnail of a framed face of `size` pixels lies in the 120 x 120
// square: fitted to 120 keeping the proportions (a smaller face keeps its
// size), centred.
QRect LayoutThumbnailPlacement(QSize size);

// Whether `name` can name a layout: a file name in the layout folder, so not
// empty, without "/" and not starting with "." (no hidden file, no way out
// of the folder).
bool IsLayoutName(const QString& name);
// Whether the user's layout folder of the face holds Lumvane's own layout of
// `name`: in the portable layout, where shipped and new layouts share the
// program folder, one of the layouts Lumvane was built with.
bool IsShippedLayout(int faceId, const QString& name);
// "disk/Berry Band" and so on: the layouts in the data folder Lumvane was
// built with (made by the build from data/layouts).
const QStringList& ShippedLayoutNames();
// `name` + " 2", " 3"... : the first name that is neither shipped nor taken
// by a layout or thumbnail in the user's layout folder of the face.
QString FreeLayoutName(int faceId, const QString& name);

// What exporting `name` writes for one face. A shipped layout is never
// replaced: the face's layout gets a free name instead.
struct LayoutExportTarget {
    int faceId = 0;
    QString name;          // the name written
    bool renamed = false;  // `name` is a free one beside a shipped layout
    bool replaces = false; // the user's own layout of that name is there
    bool empty = false;    // the face holds no objects
};
std::vector<LayoutExportTarget> PlanLayoutExport(const CDiscwrightDoc& doc, const QString& name,
                                                 std::span<const int> faceIds);

// Writes face `faceId`'s layout file under `name`, creating the folder. False
// with `error` "Export layout file error!" and the cause after it (also for
// a name that is no layout name).
bool ExportLayout(CDiscwrightDoc& doc, int faceId, const QString& name, QString* error);
// Writes the thumbnail (JPEG, quality 100), creating the folder; false when
// it could not be written.
bool ExportLayoutThumbnail(CDiscwrightDoc& doc, int faceId, const QString& name);
