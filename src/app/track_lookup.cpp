#include "track_lookup.h"

#include "match_chooser_dialog.h"
#include "tracks/cddb_lookup.h"
#include "tracks/cdtext_lookup.h"
#include "tracks/musicbrainz_lookup.h"
#include "tracks/musicbrainz_reply.h"

#include <QProgressDialog>
#include <QThread>
#include <QWidget>

// One worker step's cancel flag, shared with the worker.
struct CTrackLookup::Step {
    std::atomic<bool> cancelled{false};
};

CTrackLookup::CTrackLookup(const CddbSettings& cddb, const MusicBrainzSettings& musicBrainz,
                           QWidget* parent)
    : QObject(parent), m_parent(parent), m_cddb(cddb), m_musicBrainz(musicBrainz) {
}

CTrackLookup::~CTrackLookup() {
    // A running step stops on its own soon; its result is not wanted.
    if (m_step)
        m_step->cancelled = true;
}

void CTrackLookup::Start(TrackLookupSource source, Finished finished) {
    if (Running())
        return;
    m_finished = std::move(finished);
    if (source == TrackLookupSource::CdTextThenCddb)
        StartCdText();
    else if (source == TrackLookupSource::Cddb)
        StartCddb();
    else
        StartMusicBrainz();
}

void CTrackLookup::ShowProgress(const QString& text, const QString& name) {
    if (!m_progress) {
        m_progress = new QProgressDialog(text, tr("Cancel"), 0, 0, m_parent);
        m_progress->setWindowModality(Qt::WindowModal);
        m_progress->setMinimumDuration(0);
        m_progress->setAutoClose(false);
        m_progress->setAutoReset(false);
        connect(m_progress, &QProgressDialog::canceled, this, [this] {
            if (m_step)
                m_step->cancelled = true;
        });
    }
    m_progress->setObjectName(name);
    m_progress->setLabelText(text);
    m_progress->show();
}

void CTrackLookup::RunStep(std::function<void(const std::atomic<bool>*)> work,
                           std::function<void()> then) {
    auto step = std::make_shared<Step>();
    m_step = step;
    QThread* worker = QThread::create([step, work = std::move(work)] { work(&step->cancelled); });
    connect(worker, &QThread::finished, worker, &QObject::deleteLater);
    connect(worker, &QThread::finished, this, [this, step, then = std::move(then)] {
        if (step != m_step)
            return;
        m_step.reset();
        if (step->cancelled) {
            TrackLookupOutcome outcome;
            outcome.cancelled = true;
            Finish(outcome);
            return;
        }
        then();
    });
    worker->start();
}

void CTrackLookup::Choose(const QStringList& headers, const std::vector<QStringList>& rows,
                          std::function<void(int)> chosen) {
    if (m_progress)
        m_progress->hide();
    m_chooser = new CMatchChooserDialog(tr("Choose the Disc"), headers, rows, m_parent);
    m_chooser->setAttribute(Qt::WA_DeleteOnClose);
    m_chooser->setWindowModality(Qt::WindowModal);
    CMatchChooserDialog* chooser = m_chooser;
    connect(chooser, &QDialog::finished, this, [this, chooser, chosen = std::move(chosen)] {
        const int row = chooser->ChosenRow();
        m_chooser = nullptr;
        if (row < 0) {
            TrackLookupOutcome outcome;
            outcome.cancelled = true;
            Finish(outcome);
            return;
        }
        chosen(row);
    });
    chooser->open();
}

void CTrackLookup::Finish(TrackLookupOutcome outcome) {
    if (m_progress) {
        m_progress->hide();
        m_progress->deleteLater();
        m_progress = nullptr;
    }
    Finished finished = std::move(m_finished);
    m_finished = nullptr;
    if (finished)
        finished(outcome);
}

void CTrackLookup::StartCdText() {
    // A real drive may take a while to spin up: off this thread too.
    ShowProgress(tr("Reading the disc's CD-TEXT..."), QStringLiteral("CddbProgress"));
    auto result = std::make_shared<CddbLookupResult>();
    RunStep([result](const std::atomic<bool>*) { *result = RunCdTextLookup(CdAudioSource()); },
            [this, result] {
                if (!result->ok) {
                    StartCddb();
                    return;
                }
                TrackLookupOutcome outcome;
                outcome.ok = true;
                outcome.album = result->album;
                outcome.fromCdText = true;
                Finish(outcome);
            });
}

void CTrackLookup::StartCddb() {
    ShowProgress(tr("Asking the CDDB server about the CD..."), QStringLiteral("CddbProgress"));
    auto query = std::make_shared<CddbQueryResult>();
    RunStep(
        [query, settings = m_cddb](const std::atomic<bool>* cancelled) {
            *query = RunCddbQuery(settings, cancelled);
        },
        [this, query] {
            const auto read = [this, query](const CCddbMatch& match) {
                ShowProgress(tr("Reading the CD's entry from the CDDB server..."),
                             QStringLiteral("CddbProgress"));
                auto result = std::make_shared<CddbLookupResult>();
                RunStep(
                    [result, settings = m_cddb, toc = query->toc,
                     match](const std::atomic<bool>* cancelled) {
                        *result = RunCddbRead(settings, toc, match, cancelled);
                    },
                    [this, result] {
                        TrackLookupOutcome outcome;
                        outcome.ok = result->ok;
                        outcome.message = result->message;
                        outcome.album = result->album;
                        Finish(outcome);
                    });
            };
            if (!query->ok) {
                TrackLookupOutcome outcome;
                outcome.message = query->message;
                Finish(outcome);
            } else if (query->matches.size() == 1) {
                read(query->matches.front());
            } else {
                std::vector<QStringList> rows;
                for (const CCddbMatch& match : query->matches)
                    rows.push_back({match.category,
                                    QStringLiteral("%1").arg(match.discId, 8, 16, QLatin1Char('0')),
                                    match.artist, match.title});
                Choose({tr("Category"), tr("Disc ID"), tr("Artist"), tr("Title")}, rows,
                       [query, read](int row) { read(query->matches[size_t(row)]); });
            }
        });
}

void CTrackLookup::StartMusicBrainz() {
    ShowProgress(tr("Asking MusicBrainz about the CD..."), QStringLiteral("MusicBrainzProgress"));
    auto query = std::make_shared<MusicBrainzQueryResult>();
    RunStep(
        [query, settings = m_musicBrainz](const std::atomic<bool>* cancelled) {
            *query = RunMusicBrainzQuery(settings, cancelled);
        },
        [this, query] {
            const auto take = [this, query](const MbRelease& release) {
                auto album =
                    std::make_shared<AlbumData>(AlbumFromMusicBrainzRelease(release, query->toc));
                ShowProgress(tr("Fetching the front cover..."),
                             QStringLiteral("MusicBrainzProgress"));
                auto cover = std::make_shared<CoverArtResult>();
                RunStep(
                    [cover, settings = m_musicBrainz,
                     id = release.id](const std::atomic<bool>* cancelled) {
                        *cover = FetchFrontCover(settings, id, cancelled);
                    },
                    [this, album, cover] {
                        // A release without a usable cover still gives its rows.
                        TrackLookupOutcome outcome;
                        outcome.ok = true;
                        outcome.album = *album;
                        if (cover->ok) {
                            outcome.cover = cover->bytes;
                            outcome.coverFormat = cover->formatId;
                        }
                        Finish(outcome);
                    });
            };
            if (!query->ok) {
                TrackLookupOutcome outcome;
                outcome.message = query->message;
                Finish(outcome);
            } else if (query->releases.size() == 1) {
                take(query->releases.front());
            } else {
                std::vector<QStringList> rows;
                for (const MbRelease& release : query->releases)
                    rows.push_back({release.artist, release.title, release.date, release.country,
                                    QString::number(release.tracks.size())});
                Choose({tr("Artist"), tr("Title"), tr("Date"), tr("Country"), tr("Tracks")}, rows,
                       [query, take](int row) { take(query->releases[size_t(row)]); });
            }
        });
}
