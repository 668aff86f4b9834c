#pragma once

#include "tracks/album_data.h"
#include "tracks/cddb_types.h"

#include <QDialog>

#include <functional>
#include <memory>
#include <vector>

class CDiscwrightDoc;
class CoverChoice;
class QLabel;
class QLineEdit;
class QProgressDialog;
class QPushButton;
class QTableWidget;
struct CddbLookupState;

// "CD Tracks Information": edits a copy of the project's album data (track
// rows and album artist, title and year). Rows come from the CDDB lookup,
// from music files and playlists, and from Add; artist, title and play time
// (m:ss or mm:ss) are edited in place by double-click, F2 or Enter. OK
// writes them into the document, Cancel leaves it alone. The lookup runs on a worker thread behind
// a progress dialog whose Cancel closes the connection.
class CTrackInfoDialog : public QDialog {
    Q_OBJECT
public:
    enum ControlId {
        kArtistEdit = 1062,
        kYearEdit = 1042,
        kAlbumTitleEdit = 1041,
        kTrackList = 1032,
        kUpButton = 1010,
        kDownButton = 1035,
        kAddButton = 1012,
        kDeleteButton = 1014,
        kImportButton = 1036,
        kQueryButton = 1040,
    };
    enum Column { kNumberColumn, kArtistColumn, kTitleColumn, kPlayTimeColumn };

    CTrackInfoDialog(CDiscwrightDoc& doc, const CddbSettings& cddb, QWidget* parent = nullptr);
    ~CTrackInfoDialog() override;

    // What the dialog shows now: the rows and the three album fields.
    AlbumData ShownAlbum() const;
    QTableWidget* TrackList() const { return m_list; }
    QWidget* Control(ControlId id) const;

    // Adds the rows that importing `paths` gives (Import... after its file
    // dialog, or files and folders dropped on the dialog); folders are
    // walked. The album fields follow when the files agree on the album, and
    // an embedded front cover is offered for "Use as front cover".
    void ImportFiles(const QStringList& paths);
    // The line under the list that says where the rows came from.
    QString StatusText() const;
    // The most files one import reads from dropped folders.
    static constexpr int kMaxImportFiles = 2000;
    // Offers a cover picture (the bytes of a JPEG, PNG, GIF or BMP file) for
    // "Use as front cover"; `source` tells the user where it came from. On
    // OK a chosen cover becomes the front face's background picture, in the
    // same undo step as the rest of the dialog's changes. False when the
    // bytes are no picture (the previous cover stays).
    bool SetCoverCandidate(const QByteArray& bytes, const QString& source);
    CoverChoice* Cover() const { return m_cover; }
    // Whether a CDDB lookup is running.
    bool LookupRunning() const { return m_lookup != nullptr; }

    // Tests replace the message boxes: `message` shows a text, `question`
    // answers the delete question (true for Yes).
    void SetMessageHandlers(std::function<void(const QString&)> message,
                            std::function<bool(const QString&)> question);

public Q_SLOTS:
    void OnUp();
    void OnDown();
    void OnAdd();
    void OnDelete();
    void OnImport();
    void OnQueryCddb();
    void accept() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    // Opens the editor on a cell of `row` (the artist when `column` is the number).
    void EditCell(int row, int column);
    void AddRow(const TrackEntry& entry);
    void Renumber();
    void SwapWith(int offset);
    void OnLookupFinished(const std::shared_ptr<CddbLookupState>& state);
    void ShowMessage(const QString& text);
    void SetStatus(const QString& text);

    CDiscwrightDoc& m_doc;
    CddbSettings m_cddb;
    QLineEdit* m_artist = nullptr;
    QLineEdit* m_year = nullptr;
    QLineEdit* m_albumTitle = nullptr;
    QTableWidget* m_list = nullptr;
    CoverChoice* m_cover = nullptr;
    QLabel* m_status = nullptr;
    bool m_cdTextShown = false; // the rows are the disc's CD-TEXT
    std::vector<std::pair<ControlId, QWidget*>> m_controls;
    std::shared_ptr<CddbLookupState> m_lookup;
    QProgressDialog* m_progress = nullptr;
    std::function<void(const QString&)> m_message;
    std::function<bool(const QString&)> m_question;
};
