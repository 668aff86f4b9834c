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
class CTrackLookup;
class QCheckBox;
class QLineEdit;
class QPushButton;
class QTableWidget;
struct TrackLookupOutcome;

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

    // Adds the rows that importing `paths` gives (Import... after its file dialog).
    void ImportFiles(const QStringList& paths);
    // Whether a CDDB or MusicBrainz lookup is running (the chooser included).
    bool LookupRunning() const;
    // The chooser of a lookup that found several matches, while it is shown.
    CMatchChooserDialog* MatchChooser() const;
    void SetMusicBrainzSettings(const MusicBrainzSettings& settings);
    // The front cover the last MusicBrainz lookup found (the picture file's
    // bytes), when "Use as front cover" is ticked; else empty.
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

private:
    // Opens the editor on a cell of `row` (the artist when `column` is the number).
    void EditCell(int row, int column);
    void AddRow(const TrackEntry& entry);
    void Renumber();
    void SwapWith(int offset);
    void StartLookup(int source);
    void OnLookupFinished(const TrackLookupOutcome& outcome);
    void ShowMessage(const QString& text);

    CDiscwrightDoc& m_doc;
    CddbSettings m_cddb;
    QLineEdit* m_artist = nullptr;
    QLineEdit* m_year = nullptr;
    QLineEdit* m_albumTitle = nullptr;
    QTableWidget* m_list = nullptr;
    std::vector<std::pair<ControlId, QWidget*>> m_controls;
    CTrackLookup* m_lookup = nullptr;
    QCheckBox* m_useCover = nullptr;
    QByteArray m_cover;
    std::function<void(const QString&)> m_message;
    std::function<bool(const QString&)> m_question;
};
