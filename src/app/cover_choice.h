#pragma once

#include <QByteArray>
#include <QString>
#include <QWidget>

#include <memory>

class CDiscwrightDoc;
class CImage;
class QCheckBox;
class QLabel;

// The cover picture the track dialog knows of (from a lookup or from the
// imported files' tags): a small preview, where it came from, and the
// "Use as front cover" check. Hidden until a picture is known.
class CoverChoice : public QWidget {
    Q_OBJECT
public:
    explicit CoverChoice(QWidget* parent = nullptr);
    ~CoverChoice() override;

    // Takes the bytes of a picture file (JPEG, PNG, GIF or BMP) as the cover;
    // `source` says where it came from ("Embedded in Song.flac"). A picture
    // that does not decode is refused and the previous cover stays. The check
    // starts on unless the front face has a background picture of its own:
    // that one is not replaced without the user asking.
    bool SetCandidate(const QByteArray& bytes, const QString& source, bool frontHasBackground);
    // Takes the offer back (hidden again).
    void Clear();
    bool HasCandidate() const { return m_picture != nullptr; }
    const QString& Source() const { return m_source; }
    const QByteArray& Bytes() const { return m_bytes; }
    QCheckBox* UseCheck() const { return m_use; }
    bool UseAsFrontCover() const;

    // When chosen, makes the picture the front face's background, covering
    // the face (the picture goes to the document). The caller records the
    // change with the rest of the dialog's.
    bool ApplyTo(CDiscwrightDoc& doc);

private:
    std::unique_ptr<CImage> m_picture;
    QByteArray m_bytes;
    QString m_source;
    QLabel* m_preview = nullptr;
    QLabel* m_sourceLabel = nullptr;
    QCheckBox* m_use = nullptr;
};
