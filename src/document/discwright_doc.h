#pragma once

#include "edit_scope.h"
#include "face.h"
#include "labelstock/label_stock.h"
#include "tracks/album_data.h"
#include "undo_history.h"

#include <QObject>
#include <QString>

#include <array>
#include <memory>
#include <unordered_set>

class Archive;
class CBaseObject;
class CImage;
struct ProjectContent;

// What a new document takes from the program's settings: the three label
// stock files and the print choices.
struct DocumentSettings {
    QString discStockPath;
    QString frontStockPath; // front and inside faces
    QString backStockPath;
    int printDisc = 1;
    int printFrontInside = 1;
    int printBack = 1;
    int printBorder = 0;
};

// The one project document: four faces, the three label stocks that size and
// place them, the album data that placeholders show, the active face and the
// grid. It is created once and reused for every New and Open. Its undo
// history snapshots the whole project in the project file's bytes.
//
// The document owns the faces, and through them every object. It signals
// what changed, so that the view, its tools and the property bar follow
// without each command telling them: the content as a whole (New, Open,
// undo, redo), objects about to be destroyed or to leave a face, a face's
// selection and a face's drawing. Whoever keeps a pointer to an object
// drops it on ContentAboutToBeReplaced and ObjectsAboutToBeRemoved.
class CDiscwrightDoc : public QObject, public UndoHistory, private FaceObserver {
    Q_OBJECT
public:
    explicit CDiscwrightDoc(const DocumentSettings& settings, QObject* parent = nullptr);
    ~CDiscwrightDoc() override;

    // New: empties the project; label stocks, active face and grid are kept.
    bool OnNewDocument();
    // What a failed Open leaves: an empty project, or the project as it was
    // (the window's Open, so that a bad file loses nothing).
    enum class OnOpenFailure { kEmpty, kKeepCurrent };
    // Why an Open failed: the file could not be read at all, or its bytes are
    // not a project (another kind of file, or a damaged project).
    enum class OpenError { kNone, kUnreadable, kNotAProject };
    // Open: reads `path` and replaces the project with it. On failure `error`
    // says which file and what was wrong (for a file that is not a project,
    // at which byte), and `kind` which of the two it was.
    bool OnOpenDocument(const QString& path, QString* error,
                        OnOpenFailure onFailure = OnOpenFailure::kEmpty, OpenError* kind = nullptr);
    // What the last successful Open got past and left empty (a vector picture
    // without a metafile...), one line per kind of fault with how often it
    // occurred; empty when the whole project was read.
    const QStringList& OpenNotes() const { return m_openNotes; }
    // Save: writes the project to `path` through a temporary file, so a failed
    // save leaves the old file intact; `error` names the file and the cause.
    bool OnSaveDocument(const QString& path, QString* error);
    // Empties every face and resets the album data to its defaults.
    void DeleteContents();
    // Writes the project to a storing archive, or reads it from a loading one
    // into this emptied document (then taking the label stocks from the
    // stored paths and the face sizes from the stocks). Throws ArchiveError.
    void Serialize(Archive& ar);
    // The text with its placeholders filled from the album data.
    QString ExpandPlaceholders(const QString& text) const;

    Face& GetFace(int faceId) { return m_faces[faceId]; }
    const Face& GetFace(int faceId) const { return m_faces[faceId]; }
    Face& ActiveFace() { return m_faces[m_activeFace]; }
    int ActiveFaceId() const { return m_activeFace; }
    void SetActiveFace(int faceId);

    LabelStock& DiscStock() { return m_discStock; }
    LabelStock& FrontStock() { return m_frontStock; }
    LabelStock& BackStock() { return m_backStock; }
    // The stock a face prints on: the front stock serves the front and inside faces.
    LabelStock& StockOfFace(int faceId);
    const LabelStock& StockOfFace(int faceId) const;
    // Gives every face the label size of its stock.
    void ApplyLabelSizes();
    // Reads each stock again from its stored path.
    void ReloadLabelStocks();

    AlbumData& Album() { return m_album; }
    const AlbumData& Album() const { return m_album; }

    // Starts an action on face `faceId` (the active face without one): what
    // changes goes through the scope, which records one undo step at its end
    // and tells the views (Edited). See EditScope.
    EditScope Edit(int faceId) { return EditScope(*this, faceId); }
    EditScope Edit() { return EditScope(*this, m_activeFace); }
    // Whether an action is under way (a scope is open).
    bool Editing() const { return m_edit.depth > 0; }

    // The operations below change faces without an undo step of their own:
    // inside an action they join its step, outside one they only tell
    // FaceChanged (reading a project, tests, the command line).

    // Appends at the top of the active face's drawing order.
    void AddObject(std::unique_ptr<CBaseObject> object);
    // Destroys `objects` of face `faceId`, telling first.
    void DeleteObjects(int faceId, const std::vector<CBaseObject*>& objects);
    // Makes a picture the active face's background (see Face::SetBackground).
    // The picture it replaces is kept for a while, so that undo can bring it
    // back without decoding it again.
    void SetBackground(CImage* objectOfFace);
    void SetBackground(std::unique_ptr<CImage> picture);
    // The same on face `faceId`, active or not (a cover from the track dialog).
    void SetFaceBackground(int faceId, std::unique_ptr<CImage> picture);
    void RemoveBackground();
    // Stretches face `faceId`'s background picture over the whole face, from
    // its top-left corner, as a background always lies.
    void StretchBackground(int faceId);
    void DeleteLayoutObjects(int faceId);
    // Puts the layout file `path` onto the active face, below the objects
    // already there, replacing the objects an earlier layout insertion put on
    // it; one edit. A file that cannot be read or is damaged changes nothing:
    // false, with `error` empty for a missing file (nothing to say) and the
    // reason otherwise.
    bool InsertLayout(const QString& path, QString* error = nullptr);

    bool IsModified() const { return m_modified != 0; }
    void SetModifiedFlag(bool modified = true);

    const QString& PathName() const { return m_pathName; }
    void SetPathName(const QString& path) { m_pathName = path; }

    int m_gridVisible = 0;
    int m_gridSpacing = 500; // 5 mm

Q_SIGNALS:
    // The active face changed (the art gallery follows it).
    void ActiveFaceChanged(int faceId);
    void ModifiedChanged(bool modified);
    // A checkpoint, an undo or a redo changed what Undo and Redo can do.
    void UndoHistoryChanged();
    // Every face's objects are about to be replaced (New, Open, undo, redo),
    // and have been replaced: pointers to the old ones are no longer valid.
    void ContentAboutToBeReplaced();
    void ContentReplaced();
    // `objects` of face `faceId` are about to be destroyed or to leave the
    // face's object list.
    void ObjectsAboutToBeRemoved(int faceId, const std::vector<CBaseObject*>& objects);
    // The selection of face `faceId` changed.
    void SelectionChanged(int faceId);
    // What face `faceId` shows changed (objects added, removed or edited, its
    // background).
    void FaceChanged(int faceId);
    // An action ended having changed what `footprint` names; its undo step is
    // recorded and the project marked modified. Views draw the areas again.
    void Edited(const EditFootprint& footprint);
    // An action under way (a drag) changed face `faceId` so far; views show
    // it without drawing the face again.
    void EditUpdated(int faceId);
    // An edit could not be recorded for undo; Undo will step back over it as
    // a whole. `why` is the technical reason.
    void UndoCheckPointFailed(const QString& why);

private:
    std::array<Face, kFaceCount> m_faces;
    LabelStock m_discStock{kDiscKind};
    LabelStock m_frontStock{kFrontKind};
    LabelStock m_backStock{kBackKind};
    AlbumData m_album;
    int m_activeFace = kDiscFace;
    int m_modified = 0;
    QString m_pathName;
    QStringList m_openNotes;
    // Background pictures an undo step replaced, kept so that a later step
    // back to them reuses them instead of decoding their records again.
    std::vector<std::unique_ptr<CImage>> m_spareBackgrounds;

protected:
    void StoreOrLoadRecord(Archive& ar, UndoRecord& record) override;
    void FaceSelectionChanged(const Face& face) override;
    void FaceObjectsAboutToBeRemoved(const Face& face,
                                     const std::vector<CBaseObject*>& objects) override;
    void HistoryChanged() override { Q_EMIT UndoHistoryChanged(); }
    void CheckPointFailed(const QString& why) override { Q_EMIT UndoCheckPointFailed(why); }

private:
    friend class EditScope;
    // The action under way: how deep its scopes nest, whether it changed
    // anything, what it changed, and the objects whose areas after the
    // action belong to its footprint (faceId -2: nothing touched yet).
    struct PendingEdit {
        int depth = 0;
        bool changed = false;
        EditFootprint footprint{-2, false, {}};
        std::vector<CBaseObject*> objects;
        std::unordered_set<const CBaseObject*> touched;
    } m_edit;
    void BeginEdit() { ++m_edit.depth; }
    void EndEdit();
    void MarkChanged(int faceId);
    // Notes `object`'s area as it is now, or as `before` says it was.
    void TouchObject(int faceId, CBaseObject& object, const PaintArea* before = nullptr);
    void TouchWhole(int faceId);
    void ShowEditSoFar(int faceId);
    // Face `faceId`'s content changed: part of the action under way, or told at once.
    void FaceContentChanged(int faceId);

    // Brackets a replacement of the whole content: the outermost scope sends
    // ContentAboutToBeReplaced on entry and ContentReplaced on exit.
    class ReplaceScope;
    friend class ReplaceScope;
    int m_replacing = 0;
    // Removals while the whole content is replaced are not told one by one.
    bool Replacing() const { return m_replacing > 0; }

    // Moves the read project into the faces and the album data. Label stocks
    // whose path differs (or all, with `reloadAllStocks`) are read again and
    // the faces take their sizes.
    void Adopt(ProjectContent& content, bool reloadAllStocks);
    std::unique_ptr<CImage> ReadBackgroundForRestore(Archive& ar, int faceId, bool* keepCurrent);
    void KeepSpareBackground(std::unique_ptr<CImage> picture);
};
