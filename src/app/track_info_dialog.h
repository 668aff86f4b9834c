#pragma once

#include "tracks/album_data.h"
#include "tracks/cddb_types.h"
#include "tracks/musicbrainz_types.h"

#include <QDialog>

#include <functional>
#include <memory>
#include <vector>

class CDiscwrightDoc;
class CMatchChooserDialog;
class CoverChoice;
class CTrackLookup;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;
struct TrackLookupOutcome;

// "CD Tracks Information": edits a copy of the project's album data (track
// rows and album artist, title and year). Rows come from the disc's CD-TEXT,
// the CDDB or MusicBrainz lookup, from music files and playlists (also
// dropped on the dialog), and from Add; artist, title and play time
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
        kMusicBrainzButton = 1043,
        kUseCoverCheck = 1044,
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
    // Whether a CDDB or MusicBrainz lookup is running (the chooser included).
    bool LookupRunning() const;
    // The chooser of a lookup that found several matches, while it is shown.
    CMatchChooserDialog* MatchChooser() const;
    void SetMusicBrainzSettings(const MusicBrainzSettings& settings);
    // The cover offered (from a lookup or the imported files' tags, the
    // picture file's bytes) when "Use as front cover" is ticked; else empty.
    QByteArray ChosenCover() const;

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
    void OnQueryMusicBrainz();
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
    void StartLookup(int source);
    void OnLookupFinished(const TrackLookupOutcome& outcome);
    void ShowMessage(const QString& text);
    // Says at `field` that what it holds is no play time.
    void RefusePlayTime(QWidget* field);
    void SetStatus(const QString& text);

    CDiscwrightDoc& m_doc;
    CddbSettings m_cddb;
    QLineEdit* m_artist = nullptr;
    QLineEdit* m_year = nullptr;
    QLineEdit* m_albumTitle = nullptr;
    QTableWidget* m_list = nullptr;
    std::vector<std::pair<ControlId, QWidget*>> m_controls;
    CTrackLookup* m_lookup = nullptr;
    CoverChoice* m_cover = nullptr;
    QLabel* m_status = nullptr;
    bool m_cdTextShown = false; // the rows are the disc's CD-TEXT
    std::function<void(const QString&)> m_message;
    std::function<bool(const QString&)> m_question;
};
