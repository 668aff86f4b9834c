#include "track_info_dialog.h"

#include "cover_choice.h"
#include "document/discwright_doc.h"
#include "match_chooser_dialog.h"
#include "track_lookup.h"
#include "tracks/track_import.h"

#include <QApplication>
#include <QCheckBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QGridLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QMimeData>
#include <QProgressDialog>
#include <QPushButton>
#include <QRegularExpression>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QToolTip>
#include <QUrl>
#include <QVBoxLayout>

#include <algorithm>
#include <atomic>
#include <functional>

namespace {

QStringList ImportFilters() {
    const char* const filters[] = {
        QT_TRANSLATE_NOOP("CTrackInfoDialog",
                          "Music files (*.mp3 *.flac *.ogg *.oga *.opus *.m4a *.mp4 *.aac *.wav "
                          "*.aiff *.aif *.wma *.ape *.pls *.m3u)"),
        QT_TRANSLATE_NOOP("CTrackInfoDialog", "mp3 files(*.mp3)"),
        QT_TRANSLATE_NOOP("CTrackInfoDialog", "mp4 files(*.mp4,*.m4a) (*.mp4 *.m4a)"),
        QT_TRANSLATE_NOOP("CTrackInfoDialog", "flac files (*.flac)"),
        QT_TRANSLATE_NOOP("CTrackInfoDialog", "ogg files (*.ogg *.oga *.opus)"),
        QT_TRANSLATE_NOOP("CTrackInfoDialog", "wav files (*.wav)"),
        QT_TRANSLATE_NOOP("CTrackInfoDialog", "pls files (*.pls)"),
        QT_TRANSLATE_NOOP("CTrackInfoDialog", "m3u files (*.m3u)"),
        QT_TRANSLATE_NOOP("CTrackInfoDialog", "All files (*)"),
    };
    QStringList list;
    for (const char* filter : filters)
        list.append(QCoreApplication::translate("CTrackInfoDialog", filter));
    return list;
}

// Imports of more files than this show their progress.
constexpr int kProgressFrom = 25;

// The local files and folders of a drag, or none when it carries no such.
QStringList DroppedPaths(const QMimeData* mime) {
    QStringList paths;
    if (mime == nullptr || !mime->hasUrls())
        return paths;
    for (const QUrl& url : mime->urls())
        if (url.isLocalFile())
            if (const QString path = url.toLocalFile();
                QFileInfo(path).isDir() || IsImportableFile(path))
                paths << path;
    return paths;
}

// The longest text a cell keeps.
constexpr int kMaxCellText = 255;

QTableWidgetItem* Cell(const QString& text, bool editable,
                       Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter) {
    auto* item = new QTableWidgetItem(text);
    item->setTextAlignment(alignment);
    item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled |
                   (editable ? Qt::ItemIsEditable : Qt::NoItemFlags));
    return item;
}

// m:ss or mm:ss with any number of minutes, or h:mm:ss.
const QRegularExpression& PlayTimePattern() {
    static const QRegularExpression pattern(
        QStringLiteral("^(?:[0-9]+:[0-5][0-9]|[0-9]+:[0-5][0-9]:[0-5][0-9])$"));
    return pattern;
}

// Edits artist, title and play time in place. A play time that is no time is
// refused with a message at the field: Enter and Tab leave the editor open
// on it, and leaving it otherwise keeps the cell's previous time.
class TrackCellDelegate : public QStyledItemDelegate {
public:
    using Refuse = std::function<void(QWidget* field)>;
    TrackCellDelegate(QObject* parent, Refuse refuse)
        : QStyledItemDelegate(parent), m_refuse(std::move(refuse)) {}

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override {
        QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
        if (auto* line = qobject_cast<QLineEdit*>(editor)) {
            line->setMaxLength(kMaxCellText);
            line->setProperty("playTime", index.column() == CTrackInfoDialog::kPlayTimeColumn);
        }
        return editor;
    }

    void setModelData(QWidget* editor, QAbstractItemModel* model,
                      const QModelIndex& index) const override {
        if (index.column() == CTrackInfoDialog::kPlayTimeColumn && !Acceptable(editor)) {
            m_refuse(editor);
            return;
        }
        QStyledItemDelegate::setModelData(editor, model, index);
    }

    // Whether `editor` holds what its cell may take.
    static bool Acceptable(const QWidget* editor) {
        const auto* line = qobject_cast<const QLineEdit*>(editor);
        return line == nullptr || !line->property("playTime").toBool() ||
               PlayTimePattern().match(line->text().trimmed()).hasMatch();
    }

protected:
    bool eventFilter(QObject* object, QEvent* event) override {
        auto* editor = qobject_cast<QWidget*>(object);
        if (editor != nullptr && event->type() == QEvent::KeyPress && !Acceptable(editor)) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Tab ||
                key == Qt::Key_Backtab) {
                m_refuse(editor);
                return true;
            }
        }
        return QStyledItemDelegate::eventFilter(object, event);
    }

private:
    Refuse m_refuse;
};

QString CellText(const QTableWidget* list, int row, int column) {
    const QTableWidgetItem* item = list->item(row, column);
    return item != nullptr ? item->text() : QString();
}

} // namespace

CTrackInfoDialog::CTrackInfoDialog(CDiscwrightDoc& doc, const CddbSettings& cddb, QWidget* parent)
    : QDialog(parent), m_doc(doc), m_cddb(cddb) {
    setWindowTitle(tr("CD Tracks Information"));
    setObjectName(QStringLiteral("TrackInfoDialog"));
    setFont(QFont(QStringLiteral("Arial"), 9));

    m_artist = new QLineEdit(m_doc.Album().artist, this);
    m_year = new QLineEdit(m_doc.Album().year, this);
    m_albumTitle = new QLineEdit(m_doc.Album().title, this);
    auto* fields = new QGridLayout;
    fields->addWidget(new QLabel(tr("Artist"), this), 0, 0);
    fields->addWidget(m_artist, 0, 1);
    fields->addWidget(new QLabel(tr("Year"), this), 0, 2);
    fields->addWidget(m_year, 0, 3);
    fields->addWidget(new QLabel(tr("Album Title"), this), 1, 0);
    fields->addWidget(m_albumTitle, 1, 1, 1, 3);

    m_list = new QTableWidget(0, 4, this);
    m_list->setHorizontalHeaderLabels({tr("#"), tr("Artist"), tr("Title"), tr("Play Time")});
    m_list->verticalHeader()->hide();
    m_list->setShowGrid(true);
    m_list->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    // Double-click, F2 or Enter edits a cell; a typed key does not, so that
    // keys keep moving through the rows.
    m_list->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed);
    m_list->setItemDelegate(
        new TrackCellDelegate(m_list, [this](QWidget* field) { RefusePlayTime(field); }));
    m_list->installEventFilter(this);
    m_list->setWordWrap(false);
    const int widths[] = {30, 110, 200, 80};
    for (int column = 0; column < 4; ++column)
        m_list->setColumnWidth(column, widths[column]);
    m_list->horizontalHeaderItem(kNumberColumn)->setTextAlignment(Qt::AlignCenter);
    m_list->horizontalHeaderItem(kPlayTimeColumn)->setTextAlignment(Qt::AlignCenter);

    const auto button = [this](ControlId id, const QString& text,
                               void (CTrackInfoDialog::*slot)()) {
        auto* b = new QPushButton(text, this);
        b->setAutoDefault(false);
        connect(b, &QPushButton::clicked, this, slot);
        m_controls.emplace_back(id, b);
        return b;
    };
    auto* side = new QVBoxLayout;
    side->addWidget(button(kUpButton, tr("Up"), &CTrackInfoDialog::OnUp));
    side->addWidget(button(kDownButton, tr("Down"), &CTrackInfoDialog::OnDown));
    side->addWidget(button(kAddButton, tr("Add"), &CTrackInfoDialog::OnAdd));
    side->addWidget(button(kDeleteButton, tr("Delete"), &CTrackInfoDialog::OnDelete));
    side->addStretch();
    side->addWidget(button(kImportButton, tr("Import..."), &CTrackInfoDialog::OnImport));
    side->addWidget(
        button(kQueryButton, tr("Query CD Info from CDDB"), &CTrackInfoDialog::OnQueryCddb));
    side->addWidget(button(kMusicBrainzButton, tr("Query CD Info from MusicBrainz"),
                           &CTrackInfoDialog::OnQueryMusicBrainz));
    m_lookup = new CTrackLookup(m_cddb, MusicBrainzSettings(), this);
    // Shown once a lookup or an import found a front cover.
    m_cover = new CoverChoice(this);
    m_controls.emplace_back(kUseCoverCheck, m_cover->UseCheck());
    m_status = new QLabel(this);
    m_status->setObjectName(QStringLiteral("TrackSourceStatus"));
    m_status->setTextFormat(Qt::PlainText);
    // Files and folders dropped anywhere on the dialog are imported.
    setAcceptDrops(true);
    m_controls.emplace_back(kArtistEdit, m_artist);
    m_controls.emplace_back(kYearEdit, m_year);
    m_controls.emplace_back(kAlbumTitleEdit, m_albumTitle);
    m_controls.emplace_back(kTrackList, m_list);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &CTrackInfoDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CTrackInfoDialog::reject);

    auto* middle = new QHBoxLayout;
    middle->addWidget(m_list, 1);
    middle->addLayout(side);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addLayout(middle, 1);
    layout->addWidget(m_status);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(m_cover);
    bottom->addStretch();
    bottom->addWidget(buttons);
    layout->addLayout(bottom);
    resize(640, 480);

    for (const TrackEntry& track : m_doc.Album().tracks)
        AddRow(track);
}

CTrackInfoDialog::~CTrackInfoDialog() = default;

bool CTrackInfoDialog::LookupRunning() const {
    return m_lookup->Running();
}

CMatchChooserDialog* CTrackInfoDialog::MatchChooser() const {
    return m_lookup->Chooser();
}

void CTrackInfoDialog::SetMusicBrainzSettings(const MusicBrainzSettings& settings) {
    m_lookup->SetMusicBrainzSettings(settings);
}

QByteArray CTrackInfoDialog::ChosenCover() const {
    return m_cover->UseAsFrontCover() ? m_cover->Bytes() : QByteArray();
}

bool CTrackInfoDialog::SetCoverCandidate(const QByteArray& bytes, const QString& source) {
    return m_cover->SetCandidate(bytes, source, m_doc.GetFace(kFrontFace).Background() != nullptr);
}

QString CTrackInfoDialog::StatusText() const {
    return m_status->text();
}

void CTrackInfoDialog::SetStatus(const QString& text) {
    m_status->setText(text);
}

QWidget* CTrackInfoDialog::Control(ControlId id) const {
    for (const auto& [controlId, widget] : m_controls)
        if (controlId == id)
            return widget;
    return nullptr;
}

void CTrackInfoDialog::SetMessageHandlers(std::function<void(const QString&)> message,
                                          std::function<bool(const QString&)> question) {
    m_message = std::move(message);
    m_question = std::move(question);
}

AlbumData CTrackInfoDialog::ShownAlbum() const {
    AlbumData album{m_albumTitle->text(), m_artist->text(), m_year->text(), {}};
    for (int row = 0; row < m_list->rowCount(); ++row)
        album.tracks.push_back(TrackEntry{CellText(m_list, row, kArtistColumn),
                                          CellText(m_list, row, kTitleColumn),
                                          CellText(m_list, row, kPlayTimeColumn)});
    return album;
}

void CTrackInfoDialog::AddRow(const TrackEntry& entry) {
    const int row = m_list->rowCount();
    m_list->insertRow(row);
    m_list->setItem(row, kNumberColumn, Cell(QString::number(row + 1), false, Qt::AlignCenter));
    m_list->setItem(row, kArtistColumn, Cell(entry.artist, true));
    m_list->setItem(row, kTitleColumn, Cell(entry.title, true));
    m_list->setItem(row, kPlayTimeColumn, Cell(entry.playTime, true, Qt::AlignCenter));
}

void CTrackInfoDialog::Renumber() {
    for (int row = 0; row < m_list->rowCount(); ++row)
        m_list->item(row, kNumberColumn)->setText(QString::number(row + 1));
}

void CTrackInfoDialog::SwapWith(int offset) {
    const QList<QTableWidgetItem*> selected = m_list->selectedItems();
    if (selected.isEmpty())
        return;
    int first = m_list->rowCount();
    for (const QTableWidgetItem* item : selected)
        first = qMin(first, item->row());
    const int other = first + offset;
    if (other < 0 || other >= m_list->rowCount())
        return;
    for (int column = kArtistColumn; column <= kPlayTimeColumn; ++column) {
        const QString text = m_list->item(first, column)->text();
        m_list->item(first, column)->setText(m_list->item(other, column)->text());
        m_list->item(other, column)->setText(text);
    }
    // The selection goes with the texts.
    const bool firstSelected = m_list->item(first, 0)->isSelected();
    const bool otherSelected = m_list->item(other, 0)->isSelected();
    for (int column = 0; column < m_list->columnCount(); ++column) {
        m_list->item(first, column)->setSelected(otherSelected);
        m_list->item(other, column)->setSelected(firstSelected);
    }
    m_list->setFocus();
}

void CTrackInfoDialog::OnUp() {
    SwapWith(-1);
}
void CTrackInfoDialog::OnDown() {
    SwapWith(1);
}

void CTrackInfoDialog::OnAdd() {
    AddRow(TrackEntry{QString(), QString(), QStringLiteral("0:00")});
    // The new row is there to be filled in: select it and start on its artist.
    const int row = m_list->rowCount() - 1;
    m_list->clearSelection();
    m_list->setCurrentCell(row, kArtistColumn);
    m_list->selectRow(row);
    m_list->setFocus();
    EditCell(row, kArtistColumn);
}

void CTrackInfoDialog::EditCell(int row, int column) {
    if (row < 0 || row >= m_list->rowCount())
        return;
    if (column <= kNumberColumn || column > kPlayTimeColumn)
        column = kArtistColumn; // the number is not edited; start on the artist
    QTableWidgetItem* item = m_list->item(row, column);
    m_list->setCurrentItem(item, QItemSelectionModel::NoUpdate);
    m_list->editItem(item);
}

bool CTrackInfoDialog::eventFilter(QObject* watched, QEvent* event) {
    // Enter on the list edits the current cell instead of pressing OK.
    if (watched == m_list && event->type() == QEvent::KeyPress &&
        m_list->indexWidget(m_list->currentIndex()) == nullptr) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) &&
            key->modifiers() == Qt::NoModifier && m_list->currentItem() != nullptr) {
            EditCell(m_list->currentRow(), m_list->currentColumn());
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void CTrackInfoDialog::OnDelete() {
    const QList<QTableWidgetItem*> selected = m_list->selectedItems();
    if (selected.isEmpty())
        return;
    const QString question = tr("Delete the item(s) you have selected?");
    const bool yes =
        m_question ? m_question(question)
                   : QMessageBox::question(this, tr("Warning"), question,
                                           QMessageBox::Yes | QMessageBox::No) != QMessageBox::No;
    if (!yes)
        return;
    std::vector<int> rows;
    for (const QTableWidgetItem* item : selected)
        rows.push_back(item->row());
    std::sort(rows.begin(), rows.end(), std::greater<>());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    for (int row : rows)
        m_list->removeRow(row);
    Renumber();
}

void CTrackInfoDialog::OnImport() {
    const QStringList paths = QFileDialog::getOpenFileNames(
        this, tr("Get Track Information"), QString(), ImportFilters().join(QStringLiteral(";;")));
    if (!paths.isEmpty())
        ImportFiles(paths);
}

void CTrackInfoDialog::ImportFiles(const QStringList& paths) {
    bool truncated = false;
    const QStringList files = ExpandImportPaths(paths, kMaxImportFiles, &truncated);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    std::unique_ptr<QProgressDialog> progress;
    if (files.size() > kProgressFrom) {
        progress = std::make_unique<QProgressDialog>(tr("Reading the music files..."), tr("Cancel"),
                                                     0, int(files.size()), this);
        progress->setWindowModality(Qt::WindowModal);
        progress->setMinimumDuration(500);
    }
    bool stopped = false;
    const TrackImport import = ImportMusicFiles(files, [&](int done, int) {
        if (progress) {
            progress->setValue(done);
            stopped = progress->wasCanceled();
        }
        return !stopped;
    });
    progress.reset();
    for (const TrackEntry& row : import.rows)
        AddRow(row);
    if (import.albumAgreed) {
        m_albumTitle->setText(import.albumTitle);
        m_artist->setText(import.albumArtist);
        if (!import.year.isEmpty())
            m_year->setText(import.year);
    }
    if (!import.cover.isEmpty())
        SetCoverCandidate(import.cover,
                          tr("Embedded in %1").arg(QFileInfo(import.coverFile).fileName()));
    QApplication::restoreOverrideCursor();
    if (truncated)
        SetStatus(tr("Only the first %n file(s) were imported.", nullptr, kMaxImportFiles));
    else if (stopped)
        SetStatus(
            tr("The import was cancelled: %n track(s) read.", nullptr, int(import.rows.size())));
    else if (!files.isEmpty())
        SetStatus(tr("%n track(s) from music files.", nullptr, int(import.rows.size())));
}

void CTrackInfoDialog::dragEnterEvent(QDragEnterEvent* event) {
    if (!DroppedPaths(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void CTrackInfoDialog::dropEvent(QDropEvent* event) {
    const QStringList paths = DroppedPaths(event->mimeData());
    if (paths.isEmpty())
        return;
    event->acceptProposedAction();
    ImportFiles(paths);
}

void CTrackInfoDialog::OnQueryCddb() {
    // The disc's own titles come first, without the network; once they are
    // shown, the next click asks the server.
    StartLookup(int(m_cdTextShown ? TrackLookupSource::Cddb : TrackLookupSource::CdTextThenCddb));
}

void CTrackInfoDialog::OnQueryMusicBrainz() {
    StartLookup(int(TrackLookupSource::MusicBrainz));
}

void CTrackInfoDialog::StartLookup(int source) {
    if (m_lookup->Running())
        return;
    m_list->setRowCount(0);
    m_cdTextShown = false;
    SetStatus(QString());
    Control(kQueryButton)->setEnabled(false);
    Control(kMusicBrainzButton)->setEnabled(false);
    m_lookup->Start(TrackLookupSource(source),
                    [this](const TrackLookupOutcome& outcome) { OnLookupFinished(outcome); });
}

void CTrackInfoDialog::OnLookupFinished(const TrackLookupOutcome& outcome) {
    Control(kQueryButton)->setEnabled(true);
    Control(kMusicBrainzButton)->setEnabled(true);
    if (outcome.cancelled)
        return;
    if (!outcome.ok) {
        if (!outcome.message.isEmpty())
            ShowMessage(outcome.message);
        return;
    }
    for (const TrackEntry& track : outcome.album.tracks)
        AddRow(track);
    m_artist->setText(outcome.album.artist);
    m_albumTitle->setText(outcome.album.title);
    // The cover belongs to this lookup's album: a later lookup without one
    // takes the offer back.
    if (outcome.cover.isEmpty() ||
        !SetCoverCandidate(outcome.cover, tr("Front cover from the Cover Art Archive")))
        m_cover->Clear();
    if (outcome.fromCdText) {
        // CD-TEXT knows no year: the field keeps what it had.
        m_cdTextShown = true;
        SetStatus(tr("Titles from the disc's CD-TEXT. Press \"%1\" again to ask the CDDB server.")
                      .arg(static_cast<QPushButton*>(Control(kQueryButton))->text()));
        return;
    }
    m_year->setText(outcome.album.year);
}

void CTrackInfoDialog::ShowMessage(const QString& text) {
    if (m_message)
        m_message(text);
    else
        QMessageBox::information(this, QApplication::applicationName(), text);
}

void CTrackInfoDialog::RefusePlayTime(QWidget* field) {
    const QString text = tr("A play time reads m:ss, mm:ss or h:mm:ss, such as 4:05 or 1:02:30.");
    if (m_message) {
        m_message(text);
        return;
    }
    // At the field, where the eye is, and gone with the next key.
    QToolTip::showText(field->mapToGlobal(QPoint(0, field->height())), text, field);
}

void CTrackInfoDialog::accept() {
    if (m_lookup->Running())
        return; // the lookup's rows are still to come
    // A cell still being edited keeps what was typed into it; a play time
    // that is no time keeps the dialog open on it.
    const QModelIndex current = m_list->currentIndex();
    if (QWidget* editor = current.isValid() ? m_list->indexWidget(current) : nullptr) {
        if (!TrackCellDelegate::Acceptable(editor)) {
            RefusePlayTime(editor);
            editor->setFocus();
            return;
        }
        m_list->itemDelegate()->setModelData(editor, m_list->model(), current);
    }
    {
        // The album and the cover are one edit: placeholders on every face show it.
        auto edit = m_doc.Edit();
        edit.TouchProject();
        m_doc.Album() = ShownAlbum();
        m_cover->ApplyTo(m_doc);
    }
    QDialog::accept();
}
