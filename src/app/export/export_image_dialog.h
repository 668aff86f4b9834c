#pragma once

#include "document/face_export.h"

#include <QDialog>

#include <array>
#include <functional>

class QCheckBox;
class QComboBox;
class QLineEdit;

// "Export Image": an image name, a folder, the faces to write, and (beyond
// the classic dialog) the file format and a print resolution.
class ExportImageDialog : public QDialog {
    Q_OBJECT
public:
    explicit ExportImageDialog(const QString& folder, QWidget* parent = nullptr);

    QString ImageName() const;
    QString Folder() const;
    bool IsFaceChecked(int faceId) const;
    FaceExportOptions Options() const;

    // The widgets, for tests and the window's own checks.
    QLineEdit& NameEdit() const { return *m_name; }
    QLineEdit& FolderEdit() const { return *m_folder; }
    QCheckBox& FaceBox(int faceId) const { return *m_faces[size_t(faceId)]; }
    QComboBox& FormatBox() const { return *m_format; }
    QComboBox& ResolutionBox() const { return *m_resolution; }

    // Tells the user why OK did nothing; tests catch the text instead.
    using Inform = std::function<void(const QString& text)>;
    void SetInform(Inform inform) { m_inform = std::move(inform); }

    // The first check OK fails, or an empty text when the dialog may close.
    QString Problem() const;

    void accept() override;

private:
    void ChooseFolder();

    QLineEdit* m_name;
    QLineEdit* m_folder;
    std::array<QCheckBox*, 4> m_faces{};
    QComboBox* m_format;
    QComboBox* m_resolution;
    Inform m_inform;
};
