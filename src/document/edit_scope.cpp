#include "edit_scope.h"

#include "discwright_doc.h"
#include "objects/cir_text.h"
#include "objects/shape.h"
#include "objects/text.h"

PaintArea PaintAreaOf(const CBaseObject& object) {
    PaintArea area;
    area.units = QRect(object.X(), object.Y(), object.Width(), object.Height());
    // Text runs on below its rectangle and a long word past its side; circular
    // text follows a circle that may leave its rectangle.
    area.wholeCanvas = dynamic_cast<const CCirText*>(&object) != nullptr ||
                       dynamic_cast<const CText*>(&object) != nullptr;
    if (const auto* shape = dynamic_cast<const CShape*>(&object))
        area.outline = std::max(1, shape->LineWidth());
    return area;
}

EditScope::EditScope(CDiscwrightDoc& doc, int faceId)
    : m_doc(&doc), m_faceId(faceId >= 0 && faceId < kFaceCount ? faceId : doc.ActiveFaceId()) {
    m_doc->BeginEdit();
}

EditScope::EditScope(EditScope&& other) noexcept : m_doc(other.m_doc), m_faceId(other.m_faceId) {
    other.m_doc = nullptr;
}

EditScope::~EditScope() {
    if (m_doc != nullptr)
        m_doc->EndEdit();
}

Face& EditScope::GetFace() {
    return m_doc->GetFace(m_faceId);
}

void EditScope::Touch(CBaseObject& object) {
    m_doc->TouchObject(m_faceId, object);
}

void EditScope::Touched(CBaseObject& object, const PaintArea& before) {
    m_doc->TouchObject(m_faceId, object, &before);
}

void EditScope::TouchFace() {
    m_doc->TouchWhole(m_faceId);
}

void EditScope::TouchProject() {
    m_doc->TouchWhole(-1);
}

bool EditScope::Changed() const {
    return m_doc->m_edit.changed;
}

bool EditScope::MoveTo(CBaseObject& object, int x, int y) {
    if (object.X() == x && object.Y() == y)
        return false;
    Touch(object);
    object.SetX(x);
    object.SetY(y);
    return true;
}

bool EditScope::SetRect(CBaseObject& object, int x, int y, int width, int height) {
    if (object.X() == x && object.Y() == y && object.Width() == width && object.Height() == height)
        return false;
    Touch(object);
    object.SetX(x);
    object.SetY(y);
    object.SetWidth(width);
    object.SetHeight(height);
    return true;
}

bool EditScope::SetCornerRadii(CShape& shape, int radiusX, int radiusY) {
    if (shape.RadiusX() == radiusX && shape.RadiusY() == radiusY)
        return false;
    Touch(shape);
    shape.SetRadii(radiusX, radiusY);
    return true;
}

void EditScope::SetBackgroundColour(unsigned colour) {
    TouchFace();
    GetFace().SetBackgroundColour(colour);
}

void EditScope::SetLocked(CBaseObject& object, bool locked) {
    if ((object.Locked() != 0) == locked)
        return;
    // A lock is not drawn: the step is recorded, nothing is drawn again.
    m_doc->MarkChanged(m_faceId);
    object.SetLocked(locked ? 1 : 0);
}

void EditScope::Update() {
    m_doc->ShowEditSoFar(m_faceId);
}
