#include "discwright_doc.h"

#include "objects/image.h"
#include "platform/archive.h"
#include "platform/archive_file.h"
#include "project_file.h"
#include "tracks/placeholders.h"

#include <new>

namespace {
// Pictures kept for reuse by undo and redo; older ones are dropped. Decoded
// pictures can be large, so only a few are kept.
constexpr size_t kMaxSpareBackgrounds = 4;

// Whether the bytes at the archive's position are exactly `picture`'s record,
// as its cached encoding gives it.
bool NextRecordIs(const Archive& ar, const CImage& picture) {
    if (picture.EncodedRecord().isEmpty())
        return false;
    QByteArray base;
    Archive baseArchive(&base);
    const_cast<CImage&>(picture).CBaseObject::Serialize(baseArchive); // storing: no change
    const QByteArrayView next = ar.Peek(base.size() + picture.EncodedRecord().size());
    return next.size() == base.size() + picture.EncodedRecord().size() &&
           next.first(base.size()) == base &&
           next.sliced(base.size()) == QByteArrayView(picture.EncodedRecord());
}
} // namespace

class CDiscwrightDoc::ReplaceScope {
public:
    explicit ReplaceScope(CDiscwrightDoc& doc) : m_doc(doc) {
        if (m_doc.m_replacing++ == 0) {
            // An action under way loses the objects it touched: its step
            // ends with nothing to record.
            m_doc.m_edit.changed = false;
            m_doc.m_edit.footprint = {-2, false, {}};
            m_doc.m_edit.objects.clear();
            m_doc.m_edit.touched.clear();
            Q_EMIT m_doc.ContentAboutToBeReplaced();
        }
    }
    ~ReplaceScope() {
        if (--m_doc.m_replacing == 0)
            Q_EMIT m_doc.ContentReplaced();
    }
    ReplaceScope(const ReplaceScope&) = delete;
    ReplaceScope& operator=(const ReplaceScope&) = delete;

private:
    CDiscwrightDoc& m_doc;
};

CDiscwrightDoc::CDiscwrightDoc(const DocumentSettings& settings, QObject* parent)
    : QObject(parent) {
    for (int id = 0; id < kFaceCount; ++id)
        m_faces[id].Attach(id, this);
    SetActiveFace(kDiscFace);
    ReadLabelStock(m_discStock, settings.discStockPath);
    ReadLabelStock(m_frontStock, settings.frontStockPath);
    ReadLabelStock(m_backStock, settings.backStockPath);
    ApplyLabelSizes();
    m_discStock.printThisKind = settings.printDisc;
    m_frontStock.printThisKind = settings.printFrontInside;
    m_backStock.printThisKind = settings.printBack;
    for (LabelStock* stock : {&m_discStock, &m_frontStock, &m_backStock})
        stock->printBorder = settings.printBorder;
}

CDiscwrightDoc::~CDiscwrightDoc() = default;

bool CDiscwrightDoc::OnNewDocument() {
    ReplaceScope replacing(*this);
    DeleteContents();
    m_pathName.clear();
    SetModifiedFlag(false);
    m_spareBackgrounds.clear();
    ResetHistory();
    return true;
}

bool CDiscwrightDoc::OnOpenDocument(const QString& path, QString* error, OnOpenFailure onFailure,
                                    OpenError* kind) {
    // The whole file is read before the project changes.
    QString why;
    QByteArray bytes;
    ProjectContent content;
    OpenError failure = OpenError::kNone;
    if (!ReadWholeFileBytes(path, &bytes, &why)) {
        failure = OpenError::kUnreadable;
    } else {
        try {
            Archive ar(bytes, ObjectClasses());
            ReadProject(ar, content);
        } catch (const ArchiveError& e) {
            why = QStringLiteral("%1: %2").arg(path, e.Text());
            failure = OpenError::kNotAProject;
        } catch (const std::bad_alloc&) {
            why = QStringLiteral("%1: not enough memory to read the project").arg(path);
            failure = OpenError::kUnreadable;
        }
    }
    if (kind != nullptr)
        *kind = failure;
    if (failure != OpenError::kNone) {
        if (onFailure == OnOpenFailure::kEmpty) {
            ReplaceScope replacing(*this);
            DeleteContents();
        }
        if (error != nullptr)
            *error = why;
        return false;
    }
    ReplaceScope replacing(*this);
    DeleteContents();
    // Each kind of fault once, with how often it occurred.
    m_openNotes.clear();
    QStringList seen;
    for (const QString& note : content.notes) {
        if (seen.contains(note))
            continue;
        seen.append(note);
        const qsizetype times = content.notes.count(note);
        m_openNotes.append(times > 1 ? QStringLiteral("%1 (%2 times)").arg(note).arg(times) : note);
    }
    Adopt(content, true);
    m_pathName = path;
    SetModifiedFlag(false);
    m_spareBackgrounds.clear();
    ResetHistory();
    return true;
}

bool CDiscwrightDoc::OnSaveDocument(const QString& path, QString* error) {
    QByteArray bytes;
    QString why;
    try {
        Archive ar(&bytes);
        Serialize(ar);
    } catch (const ArchiveError& e) {
        if (error != nullptr)
            *error = QStringLiteral("%1: %2").arg(path, e.Text());
        return false;
    }
    if (!WriteFileAtomically(path, bytes, &why)) {
        if (error != nullptr)
            *error = why;
        return false;
    }
    m_pathName = path;
    SetModifiedFlag(false);
    return true;
}

void CDiscwrightDoc::Serialize(Archive& ar) {
    if (ar.IsStoring()) {
        WriteProject(ar, *this);
        return;
    }
    ProjectContent content;
    ReadProject(ar, content);
    Adopt(content, true);
}

void CDiscwrightDoc::StoreOrLoadRecord(Archive& ar, UndoRecord&) {
    if (ar.IsStoring()) {
        WriteProject(ar, *this);
        return;
    }
    // Read everything first, so a snapshot that cannot be read changes nothing.
    ProjectContent content;
    ReadProject(ar, content, [this](Archive& a, int faceId, bool* keepCurrent) {
        return ReadBackgroundForRestore(a, faceId, keepCurrent);
    });
    Adopt(content, false);
}

std::unique_ptr<CImage> CDiscwrightDoc::ReadBackgroundForRestore(Archive& ar, int faceId,
                                                                 bool* keepCurrent) {
    if (const CImage* current = m_faces[faceId].Background();
        current != nullptr && NextRecordIs(ar, *current)) {
        ar.ReadBytes(CBaseObject::kBaseRecordSize + current->EncodedRecord().size());
        *keepCurrent = true;
        return nullptr;
    }
    for (auto it = m_spareBackgrounds.begin(); it != m_spareBackgrounds.end(); ++it) {
        if (NextRecordIs(ar, **it)) {
            ar.ReadBytes(CBaseObject::kBaseRecordSize + (*it)->EncodedRecord().size());
            std::unique_ptr<CImage> picture = std::move(*it);
            m_spareBackgrounds.erase(it);
            return picture;
        }
    }
    auto picture = std::make_unique<CImage>();
    picture->Serialize(ar);
    return picture;
}

void CDiscwrightDoc::Adopt(ProjectContent& content, bool reloadAllStocks) {
    ReplaceScope replacing(*this);
    for (int id = 0; id < kFaceCount; ++id) {
        Face& face = m_faces[id];
        ProjectFace& read = content.faces[size_t(id)];
        face.SetBackgroundColour(read.backgroundColour);
        if (!read.keepCurrentBackground) {
            KeepSpareBackground(face.TakeBackground());
            if (read.background)
                face.SetBackground(std::move(read.background));
        }
        face.ReplaceObjects(std::move(read.objects));
    }
    m_album = std::move(content.album);
    bool stocksChanged = false;
    LabelStock* stocks[] = {&m_discStock, &m_frontStock, &m_backStock};
    for (size_t i = 0; i < 3; ++i) {
        if (reloadAllStocks || stocks[i]->path != content.stockPaths[i]) {
            ReadLabelStock(*stocks[i], content.stockPaths[i]);
            stocksChanged = true;
        }
    }
    if (stocksChanged)
        ApplyLabelSizes();
}

void CDiscwrightDoc::KeepSpareBackground(std::unique_ptr<CImage> picture) {
    // Only a picture that knows its record can be recognised again.
    if (!picture || picture->EncodedRecord().isEmpty())
        return;
    if (m_spareBackgrounds.size() >= kMaxSpareBackgrounds)
        m_spareBackgrounds.erase(m_spareBackgrounds.begin());
    picture->SetIsBackground(0);
    m_spareBackgrounds.push_back(std::move(picture));
}

void CDiscwrightDoc::SetBackground(CImage* objectOfFace) {
    Face& face = ActiveFace();
    if (objectOfFace == nullptr || objectOfFace == face.Background())
        return;
    std::unique_ptr<CBaseObject> taken = face.TakeObject(objectOfFace);
    if (taken)
        SetBackground(std::unique_ptr<CImage>(static_cast<CImage*>(taken.release())));
}

void CDiscwrightDoc::SetBackground(std::unique_ptr<CImage> picture) {
    SetFaceBackground(m_activeFace, std::move(picture));
}

void CDiscwrightDoc::SetFaceBackground(int faceId, std::unique_ptr<CImage> picture) {
    if (!picture || faceId < 0 || faceId >= kFaceCount)
        return;
    KeepSpareBackground(m_faces[faceId].TakeBackground());
    m_faces[faceId].SetBackground(std::move(picture));
    FaceContentChanged(faceId);
}

void CDiscwrightDoc::RemoveBackground() {
    KeepSpareBackground(ActiveFace().TakeBackground());
    FaceContentChanged(m_activeFace);
}

void CDiscwrightDoc::StretchBackground(int faceId) {
    if (faceId < 0 || faceId >= kFaceCount)
        return;
    Face& face = m_faces[faceId];
    CImage* picture = face.Background();
    if (picture == nullptr)
        return;
    picture->SetX(0);
    picture->SetY(0);
    picture->SetWidth(face.Width());
    picture->SetHeight(-face.Height());
    FaceContentChanged(faceId);
}

QString CDiscwrightDoc::ExpandPlaceholders(const QString& text) const {
    return ::ExpandPlaceholders(text, m_album);
}

void CDiscwrightDoc::DeleteContents() {
    ReplaceScope replacing(*this);
    for (Face& face : m_faces)
        face.Clear();
    m_album = AlbumData::Defaults();
}

void CDiscwrightDoc::SetActiveFace(int faceId) {
    if (faceId < 0 || faceId >= kFaceCount)
        return;
    m_activeFace = faceId;
    Q_EMIT ActiveFaceChanged(faceId);
}

LabelStock& CDiscwrightDoc::StockOfFace(int faceId) {
    return const_cast<LabelStock&>(std::as_const(*this).StockOfFace(faceId));
}

const LabelStock& CDiscwrightDoc::StockOfFace(int faceId) const {
    switch (faceId) {
    case kDiscFace:
        return m_discStock;
    case kBackFace:
        return m_backStock;
    default:
        return m_frontStock;
    }
}

void CDiscwrightDoc::ApplyLabelSizes() {
    for (int id = 0; id < kFaceCount; ++id) {
        m_faces[id].SetWidth(StockOfFace(id).labelWidth);
        m_faces[id].SetHeight(StockOfFace(id).labelHeight);
    }
}

void CDiscwrightDoc::ReloadLabelStocks() {
    for (LabelStock* stock : {&m_discStock, &m_frontStock, &m_backStock})
        ReadLabelStock(*stock, stock->path);
}

void CDiscwrightDoc::AddObject(std::unique_ptr<CBaseObject> object) {
    ActiveFace().AppendObject(std::move(object));
    FaceContentChanged(m_activeFace);
}

void CDiscwrightDoc::DeleteObjects(int faceId, const std::vector<CBaseObject*>& objects) {
    if (faceId < 0 || faceId >= kFaceCount)
        return;
    m_faces[faceId].DeleteObjects(objects);
    FaceContentChanged(faceId);
}

void CDiscwrightDoc::DeleteLayoutObjects(int faceId) {
    if (faceId < 0 || faceId >= kFaceCount)
        return;
    m_faces[faceId].DeleteLayoutObjects();
    FaceContentChanged(faceId);
}

void CDiscwrightDoc::FaceSelectionChanged(const Face& face) {
    if (!Replacing())
        Q_EMIT SelectionChanged(face.Id());
}

void CDiscwrightDoc::FaceObjectsAboutToBeRemoved(const Face& face,
                                                 const std::vector<CBaseObject*>& objects) {
    // The action's footprint cannot name areas of objects that are gone.
    if (m_edit.depth > 0 && !Replacing())
        TouchWhole(face.Id());
    if (!Replacing())
        Q_EMIT ObjectsAboutToBeRemoved(face.Id(), objects);
}

void CDiscwrightDoc::SetModifiedFlag(bool modified) {
    const int value = modified ? 1 : 0;
    if (value == m_modified)
        return;
    m_modified = value;
    Q_EMIT ModifiedChanged(modified);
}

void CDiscwrightDoc::FaceContentChanged(int faceId) {
    if (m_edit.depth > 0)
        TouchWhole(faceId);
    else
        Q_EMIT FaceChanged(faceId);
}

void CDiscwrightDoc::MarkChanged(int faceId) {
    m_edit.changed = true;
    EditFootprint& footprint = m_edit.footprint;
    if (footprint.faceId == -2)
        footprint.faceId = faceId;
    else if (footprint.faceId != faceId)
        footprint.faceId = -1; // several faces: all of them
}

void CDiscwrightDoc::TouchObject(int faceId, CBaseObject& object, const PaintArea* before) {
    MarkChanged(faceId);
    if (m_edit.footprint.whole || !m_edit.touched.insert(&object).second)
        return;
    m_edit.footprint.areas.push_back(before != nullptr ? *before : PaintAreaOf(object));
    m_edit.objects.push_back(&object);
}

void CDiscwrightDoc::TouchWhole(int faceId) {
    MarkChanged(faceId);
    m_edit.footprint.whole = true;
    m_edit.footprint.areas.clear();
    m_edit.objects.clear();
    m_edit.touched.clear();
}

void CDiscwrightDoc::ShowEditSoFar(int faceId) {
    if (!m_edit.changed)
        return;
    SetModifiedFlag(true);
    Q_EMIT EditUpdated(faceId);
}

void CDiscwrightDoc::EndEdit() {
    if (--m_edit.depth > 0)
        return;
    PendingEdit done = std::move(m_edit);
    m_edit = PendingEdit{};
    if (!done.changed)
        return;
    EditFootprint& footprint = done.footprint;
    if (footprint.whole || footprint.faceId < 0) {
        footprint.whole = true;
        footprint.areas.clear();
    } else {
        for (const CBaseObject* object : done.objects)
            footprint.areas.push_back(PaintAreaOf(*object));
    }
    CheckPoint(footprint);
    SetModifiedFlag(true);
    Q_EMIT Edited(footprint);
}
