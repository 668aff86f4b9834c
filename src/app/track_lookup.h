#pragma once

#include "tracks/album_data.h"
#include "tracks/cddb_types.h"
#include "tracks/musicbrainz_types.h"

#include <QByteArray>
#include <QObject>
#include <QPointer>
#include <QString>

#include <atomic>
#include <functional>
#include <memory>

class CMatchChooserDialog;
class QProgressDialog;
class QWidget;

// CdTextThenCddb: the disc's own CD-TEXT, offline, and the CDDB lookup only
// when the disc has none.
enum class TrackLookupSource { Cddb, MusicBrainz, CdTextThenCddb };

// What a lookup gave: the album, and for a MusicBrainz release its front
// cover when the Cover Art Archive has one (the picture file's bytes).
struct TrackLookupOutcome {
    bool ok = false;
    bool cancelled = false;
    QString message; // why it failed; empty when cancelled
    AlbumData album;
    QByteArray cover;
    int coverFormat = -1;
    bool fromCdText = false; // the album is the disc's CD-TEXT
};

// Runs one disc lookup for the track dialog without freezing it: every
// network step on a worker thread behind a progress dialog whose Cancel
// stops the step within a tenth of a second, and, when the server offers
// several matches (CDDB) or releases (MusicBrainz), the chooser in between.
// Escape in the chooser cancels the lookup.
class CTrackLookup : public QObject {
    Q_OBJECT
public:
    using Finished = std::function<void(const TrackLookupOutcome&)>;

    CTrackLookup(const CddbSettings& cddb, const MusicBrainzSettings& musicBrainz, QWidget* parent);
    ~CTrackLookup() override;

    void SetMusicBrainzSettings(const MusicBrainzSettings& settings) { m_musicBrainz = settings; }
    // Starts a lookup unless one is running; `finished` is called once, on
    // this thread, with the outcome.
    void Start(TrackLookupSource source, Finished finished);
    bool Running() const { return static_cast<bool>(m_finished); }
    // The chooser while it is shown, else null.
    CMatchChooserDialog* Chooser() const { return m_chooser; }

private:
    struct Step;
    // Runs `work` on a worker thread, then `then` here unless cancelled.
    void RunStep(std::function<void(const std::atomic<bool>*)> work, std::function<void()> then);
    // Shows the chooser; `chosen` gets the row taken, Escape ends the lookup.
    void Choose(const QStringList& headers, const std::vector<QStringList>& rows,
                std::function<void(int)> chosen);
    void ShowProgress(const QString& text, const QString& name);
    void Finish(TrackLookupOutcome outcome);
    void StartCdText();
    void StartCddb();
    void StartMusicBrainz();

    QWidget* m_parent;
    CddbSettings m_cddb;
    MusicBrainzSettings m_musicBrainz;
    Finished m_finished;
    std::shared_ptr<Step> m_step;
    QPointer<QProgressDialog> m_progress;
    QPointer<CMatchChooserDialog> m_chooser;
};
