#include "discwright_doc.h"

#include "project_file.h"

CDiscwrightDoc::CDiscwrightDoc(const DocumentSettings& settings, QObject* parent)
    : QObject(parent) {
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
    DeleteContents();
    m_pathName.clear();
    SetModifiedFlag(false);
    return true;
}

bool CDiscwrightDoc::OnOpenDocument(const QString& path, QString* error) {
    DeleteContents();
    QString why;
    if (!ReadProjectFile(*this, path, &why)) {
        DeleteContents();
        if (error != nullptr)
            *error = why;
        return false;
    }
    m_pathName = path;
    SetModifiedFlag(false);
    return true;
}

void CDiscwrightDoc::DeleteContents() {
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
        m_faces[id].m_width = StockOfFace(id).labelWidth;
        m_faces[id].m_height = StockOfFace(id).labelHeight;
    }
}

void CDiscwrightDoc::ReloadLabelStocks() {
    for (LabelStock* stock : {&m_discStock, &m_frontStock, &m_backStock})
        ReadLabelStock(*stock, stock->path);
}

void CDiscwrightDoc::AddObject(std::unique_ptr<CBaseObject> object) {
    ActiveFace().AppendObject(std::move(object));
}

void CDiscwrightDoc::SetModifiedFlag(bool modified) {
    const int value = modified ? 1 : 0;
    if (value == m_modified)
        return;
    m_modified = value;
    Q_EMIT ModifiedChanged(modified);
}
