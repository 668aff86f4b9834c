#pragma once

#include <QDialog>

#include <array>
#include <functional>

class QCheckBox;
class QLineEdit;

// "Export Layout": a layout name and the faces to save under it (all four
// checked at first). OK does nothing while the name is empty, and refuses,
// with a message, a name that is no file name ("/" in it, or a leading ".").
class ExportLayoutDialog : public QDialog {
    Q_OBJECT
public:
    explicit ExportLayoutDialog(QWidget* parent = nullptr);

    QString LayoutName() const;
    bool IsFaceChecked(int faceId) const;

    QLineEdit& NameEdit() const { return *m_name; }
    QCheckBox& FaceBox(int faceId) const { return *m_faces[size_t(faceId)]; }
    // The face's check box caption without its mnemonic ("Disk"...).
    static QString FaceCaption(int faceId);

    // Shows a message; tests read it instead of a message box.
    using Inform = std::function<void(const QString& text)>;
    void SetInform(Inform inform) { m_inform = std::move(inform); }

    void accept() override;

private:
    QLineEdit* m_name;
    std::array<QCheckBox*, 4> m_faces{};
    Inform m_inform;
};
