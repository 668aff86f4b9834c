#pragma once

#include <QDialog>

#include <array>

class QCheckBox;
class QLineEdit;

// "Export Layout": a layout name and the faces to save under it (all four
// checked at first). OK does nothing while the name is empty.
class ExportLayoutDialog : public QDialog {
    Q_OBJECT
public:
    explicit ExportLayoutDialog(QWidget* parent = nullptr);

    QString LayoutName() const;
    bool IsFaceChecked(int faceId) const;

    QLineEdit& NameEdit() const { return *m_name; }
    QCheckBox& FaceBox(int faceId) const { return *m_faces[size_t(faceId)]; }

    void accept() override;

private:
    QLineEdit* m_name;
    std::array<QCheckBox*, 4> m_faces{};
};
