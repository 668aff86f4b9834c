#pragma once

#include "platform/unit_conversion.h"

#include <QPoint>
#include <QString>

#include <memory>

class CBaseObject;
class CDiscwrightDoc;

// Where a new picture goes on its face: each way in for a picture keeps its
// own rule.
struct PicturePlacement {
    enum class Rule {
        // Into `area` (the picture tool's dragged rectangle), as read.
        kRectangle,
        // Natural size with its top-left corner at `at`; a picture larger than
        // the face is fitted inside it, centred on `at` (a dropped file, the
        // image browser, the command line).
        kAtPoint,
        // Natural size at `at`; a vector picture no larger than the face, and
        // one as large as the face at its top-left corner (a gallery stamp).
        kStamp,
        // Fitted inside `area` less `inset` on every side, centred in it (a
        // pasted picture, in the part of the face in sight).
        kCentredIn,
    };
    Rule rule = Rule::kAtPoint;
    QPoint at;
    LogicalRect area;
    int inset = 0;
    // Whether the picture ends selected alone (the window); the command line
    // adds it unselected, as its saved file holds it.
    bool select = true;
};

// Reads the picture file `path`: a metafile (or SVG drawing) becomes a vector
// picture, anything else a raster picture, at its natural size (or in the
// rectangle for kRectangle). Null when neither kind can read it; `error` then
// says why when the file was meant to be a metafile.
std::unique_ptr<CBaseObject> ReadPictureFile(const QString& path, const PicturePlacement& placement,
                                             QString* error = nullptr);

// The one way a picture joins a face: placed by `placement` on face `faceId`,
// added on top of its objects and selected alone, as one edit. Returns the
// picture (owned by the face), or null for a null `picture`.
CBaseObject* InsertPicture(CDiscwrightDoc& doc, int faceId, std::unique_ptr<CBaseObject> picture,
                           const PicturePlacement& placement);
// The same for a picture file; null (nothing changes) when it is no picture
// Lumvane can read, with `error` as ReadPictureFile gives it.
CBaseObject* InsertPictureFile(CDiscwrightDoc& doc, int faceId, const QString& path,
                               const PicturePlacement& placement, QString* error = nullptr);
