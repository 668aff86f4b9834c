#pragma once

#include <QObject>

class CBaseObject;
class EditScope;
class PositionFields;
class QCheckBox;
class QHBoxLayout;
class QLineEdit;
class QWidget;

// The position and size of a picture, raster or vector, as the picture and
// vector panels show and edit them: the four fields and, beside them, the
// keep-aspect-ratio box the owning panel makes (and whose option it keeps).
// X and Y move the picture. After W or H the other side follows in
// proportion to the size before the edit while the box is checked and the
// size is known (width above 0, height below 0); an unknown size takes the
// fields as they stand.
class PositionSizePanel : public QObject {
    Q_OBJECT
public:
    PositionSizePanel(QCheckBox* keepAspect, QWidget* parent);

    // Adds the labelled fields, then the box, to `layout`.
    void AddTo(QHBoxLayout* layout);
    void Show(const CBaseObject& object);
    void SetEnabled(bool enabled);
    // Whether `field` is W or H.
    bool IsSizeField(const QLineEdit* field) const;
    // Writes the fields into `object` within `edit`; `edited` is the field
    // the user just finished (null for none), whose partner follows as above.
    void WriteTo(EditScope& edit, CBaseObject& object, const QLineEdit* edited) const;

    PositionFields* Fields() const { return m_position; }

Q_SIGNALS:
    // The user finished changing one field.
    void Edited(QLineEdit* field);

private:
    PositionFields* m_position;
    QCheckBox* m_keepAspect;
};
