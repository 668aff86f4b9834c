#include "app/cover_choice.h"
#include "app/match_chooser_dialog.h"
#include "app/track_info_dialog.h"
#include "document/discwright_doc.h"
#include "imaging/raster_image.h"
#include "music_encoders.h"
#include "music_fixtures.h"
#include "musicbrainz_test_server.h"
#include "objects/image.h"
#include "support/test_support.h"
#include "tracks_test_support.h"

#include <QApplication>
#include <QCheckBox>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QMimeData>
#include <QProgressDialog>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>
#include <QUrl>

#include <gtest/gtest.h>

namespace {

// Runs the event loop until `done` holds or `timeoutMs` pass.
bool WaitFor(const std::function<bool()>& done, int timeoutMs = 10000) {
    QElapsedTimer clock;
    clock.start();
    while (!done() && clock.elapsed() < timeoutMs)
        QTest::qWait(10);
    return done();
}

class TrackDialogTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_doc.Album().tracks = {{"A1", "T1", "1:00"}, {"A2", "T2", "2:00"}};
        m_doc.Album().artist = QStringLiteral("Band");
        qputenv("LUMVANE_CDROM", MakeExampleDisc(m_dir.path()).toUtf8());
    }
    void TearDown() override { qunsetenv("LUMVANE_CDROM"); }

    std::unique_ptr<CTrackInfoDialog> Dialog(int port = 1) {
        CddbSettings cddb;
        cddb.server = QStringLiteral("127.0.0.1");
        cddb.port = port;
        auto dialog = std::make_unique<CTrackInfoDialog>(m_doc, cddb);
        dialog->SetMessageHandlers([this](const QString& text) { m_messages << text; },
                                   [this](const QString& text) {
                                       m_messages << text;
                                       return m_answer;
                                   });
        return dialog;
    }
    static void Click(CTrackInfoDialog& dialog, CTrackInfoDialog::ControlId id) {
        QTest::mouseClick(static_cast<QPushButton*>(dialog.Control(id)), Qt::LeftButton);
    }
    static QWidget* Control(CTrackInfoDialog& dialog, CTrackInfoDialog::ControlId id) {
        return dialog.Control(id);
    }
    static QStringList Column(const CTrackInfoDialog& dialog, int column) {
        QStringList texts;
        for (int row = 0; row < dialog.TrackList()->rowCount(); ++row)
            texts << dialog.TrackList()->item(row, column)->text();
        return texts;
    }
    static void SelectRow(CTrackInfoDialog& dialog, int row) {
        dialog.TrackList()->clearSelection();
        dialog.TrackList()->selectRow(row);
    }

    QTemporaryDir m_dir;
    TempProgramFolder m_home;
    CDiscwrightDoc m_doc{DocumentSettings{}};
    QStringList m_messages;
    bool m_answer = true;
};

} // namespace

TEST_F(TrackDialogTest, ShowsTheDocumentAndNumbersRowsAfterAddAndDelete) {
    auto dialog = Dialog();
    EXPECT_EQ(dialog->windowTitle(), u"CD Tracks Information");
    EXPECT_EQ(dialog->ShownAlbum(), m_doc.Album());
    EXPECT_EQ(dialog->TrackList()->horizontalHeaderItem(3)->text(), u"Play Time");
    EXPECT_EQ(dialog->TrackList()->columnWidth(2), 200);

    dialog->TrackList()->setRowCount(0);
    for (int i = 0; i < 3; ++i)
        Click(*dialog, CTrackInfoDialog::kAddButton);
    EXPECT_EQ(Column(*dialog, 3), QStringList({"0:00", "0:00", "0:00"}));
    SelectRow(*dialog, 1);
    m_answer = false;
    Click(*dialog, CTrackInfoDialog::kDeleteButton);
    EXPECT_EQ(dialog->TrackList()->rowCount(), 3);
    m_answer = true;
    Click(*dialog, CTrackInfoDialog::kDeleteButton);
    EXPECT_EQ(m_messages, QStringList(2, "Delete the item(s) you have selected?"));
    Click(*dialog, CTrackInfoDialog::kAddButton);
    EXPECT_EQ(Column(*dialog, 0), QStringList({"1", "2", "3"}));

    dialog->TrackList()->clearSelection();
    Click(*dialog, CTrackInfoDialog::kDeleteButton); // nothing selected: no question
    EXPECT_EQ(m_messages.size(), 2);
}

TEST_F(TrackDialogTest, UpAndDownMoveTextsAndSelection) {
    auto dialog = Dialog();
    Click(*dialog, CTrackInfoDialog::kAddButton);
    SelectRow(*dialog, 0);
    Click(*dialog, CTrackInfoDialog::kUpButton); // at the top: nothing
    EXPECT_EQ(Column(*dialog, 2), QStringList({"T1", "T2", ""}));
    Click(*dialog, CTrackInfoDialog::kDownButton);
    EXPECT_EQ(Column(*dialog, 2), QStringList({"T2", "T1", ""}));
    EXPECT_EQ(Column(*dialog, 1), QStringList({"A2", "A1", ""}));
    EXPECT_EQ(Column(*dialog, 0), QStringList({"1", "2", "3"}));
    EXPECT_TRUE(dialog->TrackList()->item(1, 2)->isSelected());
    EXPECT_FALSE(dialog->TrackList()->item(0, 2)->isSelected());
    SelectRow(*dialog, 2);
    Click(*dialog, CTrackInfoDialog::kDownButton); // at the bottom: nothing
    EXPECT_EQ(Column(*dialog, 3), QStringList({"2:00", "1:00", "0:00"}));
    Click(*dialog, CTrackInfoDialog::kUpButton);
    EXPECT_EQ(Column(*dialog, 3), QStringList({"2:00", "0:00", "1:00"}));
}

TEST_F(TrackDialogTest, ImportAddsRowsFromEveryKind) {
    const QString folder = m_dir.path() + u'/';
    WriteSparseFile(folder + "a.mp3", Mp3Frames(0xFFFB9000, 6, 417), 413 * 2000,
                    Id3v1Tag("Song", "Singer", 1));
    WriteWav(folder + "b.wav", 8000, 61);
    WriteM4a(folder + "c.m4a", 5000);
    WriteTextFile(folder + "d.pls", "[playlist]\nFile1=a.mp3\nFile2=x.mp3\nTitle2=X\nLength2=75\n");
    WriteTextFile(folder + "e.m3u", "#EXTM3U\nnothing.mp3\n");
    auto dialog = Dialog();
    dialog->TrackList()->setRowCount(0);
    dialog->ImportFiles(
        {folder + "a.mp3", folder + "b.wav", folder + "c.m4a", folder + "d.pls", folder + "e.m3u"});
    EXPECT_EQ(Column(*dialog, 2), QStringList({"Song", "b", "c", "Song", "X", "nothing"}));
    EXPECT_EQ(Column(*dialog, 3), QStringList({"0:52", "1:01", "0:05", "0:52", "1:15", "0:00"}));
    EXPECT_EQ(Column(*dialog, 0), QStringList({"1", "2", "3", "4", "5", "6"}));
}

TEST_F(TrackDialogTest, QueryFillsRowsAndOkWritesTheDocument) {
    CddbTestServer server(ExampleCddbServer);
    auto dialog = Dialog(server.Port());
    Click(*dialog, CTrackInfoDialog::kQueryButton);
    EXPECT_TRUE(dialog->LookupRunning());
    EXPECT_EQ(dialog->TrackList()->rowCount(), 0); // emptied at once
    ASSERT_TRUE(WaitFor([&] { return !dialog->LookupRunning(); }));
    EXPECT_TRUE(m_messages.isEmpty()) << m_messages.join(u'\n').toStdString();
    EXPECT_EQ(Column(*dialog, 2), QStringList({"One", QStringLiteral("Tw\u00f6"), "Three"}));
    EXPECT_EQ(Column(*dialog, 3), QStringList({"03:08", "03:30", "03:20"}));
    const AlbumData before = m_doc.Album();
    const AlbumData shown = dialog->ShownAlbum();
    EXPECT_EQ(shown.title, u"Some Album");
    EXPECT_EQ(shown.year, u"1999");
    EXPECT_EQ(m_doc.Album(), before); // nothing changes before OK
    dialog->accept();
    EXPECT_EQ(m_doc.Album(), shown);
}

TEST_F(TrackDialogTest, CancelChangesNothingAndQueryFailuresShowTheirMessage) {
    CddbTestServer server(
        [](const QByteArray&) { return CannedReply{HttpReply("202 No match.\r\n")}; });
    auto dialog = Dialog(server.Port());
    Click(*dialog, CTrackInfoDialog::kAddButton);
    Click(*dialog, CTrackInfoDialog::kQueryButton);
    ASSERT_TRUE(WaitFor([&] { return !dialog->LookupRunning(); }));
    EXPECT_EQ(m_messages, QStringList("No match found!"));
    EXPECT_EQ(dialog->TrackList()->rowCount(), 0);
    const AlbumData before = m_doc.Album();
    dialog->reject();
    EXPECT_EQ(m_doc.Album(), before);
}

TEST_F(TrackDialogTest, CancellingTheLookupClosesTheConnection) {
    CddbTestServer server([](const QByteArray&) {
        return CannedReply{HttpReply("210 x\r\n"), 0, 0, true};
    });
    auto dialog = Dialog(server.Port());
    Click(*dialog, CTrackInfoDialog::kQueryButton);
    auto* progress = dialog->findChild<QProgressDialog*>(QStringLiteral("CddbProgress"));
    ASSERT_NE(progress, nullptr);
    ASSERT_TRUE(WaitFor([&] { return !server.Requests().empty(); }));
    auto* cancel = progress->findChild<QPushButton*>();
    ASSERT_NE(cancel, nullptr);
    QTest::mouseClick(cancel, Qt::LeftButton);
    // Well before the 2-second reception limit.
    EXPECT_TRUE(WaitFor([&] { return !dialog->LookupRunning(); }, 1000));
    EXPECT_TRUE(m_messages.isEmpty());
    EXPECT_EQ(dialog->TrackList()->rowCount(), 0);
}

// Several matches: the chooser lists them in the server's order with the
// first preselected; Down and Enter read the second, Escape ends the lookup
// without a message.
TEST_F(TrackDialogTest, SeveralMatchesAreOfferedInTheChooser) {
    CddbTestServer server(ThreeMatchCddbServer);
    auto dialog = Dialog(server.Port());
    dialog->show();
    Click(*dialog, CTrackInfoDialog::kQueryButton);
    ASSERT_TRUE(WaitFor([&] { return dialog->MatchChooser() != nullptr; }));
    CMatchChooserDialog* chooser = dialog->MatchChooser();
    QTreeWidget* list = chooser->List();
    ASSERT_EQ(list->topLevelItemCount(), 3);
    EXPECT_EQ(list->topLevelItem(1)->text(0), u"misc");
    EXPECT_EQ(list->topLevelItem(1)->text(1), u"10025603");
    EXPECT_EQ(list->topLevelItem(2)->text(2), u"Third Artist");
    EXPECT_EQ(list->currentItem(), list->topLevelItem(0));
    EXPECT_TRUE(dialog->LookupRunning());
    QTest::keyClick(list, Qt::Key_Down);
    QTest::keyClick(list, Qt::Key_Return);
    ASSERT_TRUE(WaitFor([&] { return !dialog->LookupRunning(); }));
    EXPECT_TRUE(m_messages.isEmpty()) << m_messages.join(u'\n').toStdString();
    EXPECT_EQ(dialog->ShownAlbum().title, u"Album misc");
    EXPECT_EQ(Column(*dialog, 2), QStringList({"One", QStringLiteral("Tw\u00f6"), "Three"}));
    EXPECT_TRUE(server.Requests().back().contains("cmd=cddb+read+misc+10025603&"));

    Click(*dialog, CTrackInfoDialog::kQueryButton);
    ASSERT_TRUE(WaitFor([&] { return dialog->MatchChooser() != nullptr; }));
    const size_t requests = server.Requests().size();
    QTest::keyClick(dialog->MatchChooser()->List(), Qt::Key_Escape);
    ASSERT_TRUE(WaitFor([&] { return !dialog->LookupRunning(); }));
    EXPECT_TRUE(m_messages.isEmpty());
    EXPECT_EQ(server.Requests().size(), requests); // nothing read
    EXPECT_TRUE(Control(*dialog, CTrackInfoDialog::kQueryButton)->isEnabled());
}

// MusicBrainz: the release chooser, rows with each track's artist, and the
// release's front cover offered with "Use as front cover" ticked; a release
// without a cover takes the offer back.
TEST_F(TrackDialogTest, MusicBrainzFillsRowsAndOffersTheCover) {
    MusicBrainzTestServer server(MusicBrainzMode::TwoReleases);
    auto dialog = Dialog();
    MusicBrainzSettings settings;
    settings.server = QStringLiteral("127.0.0.1");
    settings.port = server.Port();
    settings.coverArtServer = QStringLiteral("http://127.0.0.1:%1").arg(server.Port());
    dialog->SetMusicBrainzSettings(settings);
    dialog->show();

    Click(*dialog, CTrackInfoDialog::kMusicBrainzButton);
    ASSERT_TRUE(WaitFor([&] { return dialog->MatchChooser() != nullptr; }));
    QTreeWidget* list = dialog->MatchChooser()->List();
    ASSERT_EQ(list->topLevelItemCount(), 2);
    EXPECT_EQ(list->topLevelItem(0)->text(1), u"Brainz Album");
    EXPECT_EQ(list->topLevelItem(1)->text(1), u"Brainz Box");
    QTest::keyClick(list, Qt::Key_Return);
    ASSERT_TRUE(WaitFor([&] { return !dialog->LookupRunning(); }));
    EXPECT_TRUE(m_messages.isEmpty()) << m_messages.join(u'\n').toStdString();
    EXPECT_EQ(Column(*dialog, 1), QStringList({"Anna & Bob", "Guest", "Anna & Bob"}));
    EXPECT_EQ(Column(*dialog, 3), QStringList({"03:07", "03:31", "03:20"}));
    EXPECT_EQ(dialog->ShownAlbum().year, u"2001");
    auto* useCover = static_cast<QCheckBox*>(Control(*dialog, CTrackInfoDialog::kUseCoverCheck));
    EXPECT_TRUE(useCover->isVisible());
    EXPECT_TRUE(useCover->isChecked());
    EXPECT_EQ(dialog->ChosenCover(), CoverPng());

    Click(*dialog, CTrackInfoDialog::kMusicBrainzButton);
    ASSERT_TRUE(WaitFor([&] { return dialog->MatchChooser() != nullptr; }));
    QTest::keyClick(dialog->MatchChooser()->List(), Qt::Key_Down);
    QTest::keyClick(dialog->MatchChooser()->List(), Qt::Key_Return);
    ASSERT_TRUE(WaitFor([&] { return !dialog->LookupRunning(); }));
    EXPECT_EQ(Column(*dialog, 2), QStringList({"Box One", "Box Two", "Box Three"}));
    EXPECT_FALSE(useCover->isVisible());
    EXPECT_TRUE(dialog->ChosenCover().isEmpty());
}

// OK with "Use as front cover" ticked puts the cover on the front face, over
// the whole face; unticked leaves the face alone.
TEST_F(TrackDialogTest, OkPutsTheChosenCoverOnTheFrontFace) {
    MusicBrainzTestServer server(MusicBrainzMode::OneRelease);
    MusicBrainzSettings settings;
    settings.server = QStringLiteral("127.0.0.1");
    settings.port = server.Port();
    settings.coverArtServer = QStringLiteral("http://127.0.0.1:%1").arg(server.Port());
    for (const bool use : {false, true}) {
        auto dialog = Dialog();
        dialog->SetMusicBrainzSettings(settings);
        Click(*dialog, CTrackInfoDialog::kMusicBrainzButton);
        ASSERT_TRUE(WaitFor([&] { return !dialog->LookupRunning(); }));
        auto* check = static_cast<QCheckBox*>(Control(*dialog, CTrackInfoDialog::kUseCoverCheck));
        check->setChecked(use);
        dialog->accept();
        const CImage* background = m_doc.GetFace(kFrontFace).Background();
        if (!use) {
            EXPECT_EQ(background, nullptr);
            continue;
        }
        ASSERT_NE(background, nullptr);
        EXPECT_EQ(background->Image().Width(), 40);
        EXPECT_EQ(background->Width(), m_doc.GetFace(kFrontFace).Width());
        EXPECT_EQ(background->Height(), -m_doc.GetFace(kFrontFace).Height());
        EXPECT_EQ(m_doc.Album().title, u"Brainz Album");
    }
}

namespace {
// The line edit editing a cell of the dialog's list, or null.
QLineEdit* CellEditor(CTrackInfoDialog& dialog) {
    return qobject_cast<QLineEdit*>(QApplication::focusWidget()) != nullptr &&
                   dialog.TrackList()->isAncestorOf(QApplication::focusWidget())
               ? qobject_cast<QLineEdit*>(QApplication::focusWidget())
               : nullptr;
}

// Types `text` over the open cell editor and presses Enter.
void TypeIntoCell(CTrackInfoDialog& dialog, const QString& text) {
    QLineEdit* editor = CellEditor(dialog);
    ASSERT_NE(editor, nullptr);
    editor->selectAll();
    for (const QChar c : text) {
        if (c.unicode() < 0x80)
            QTest::keyClick(editor, char(c.unicode()));
        else
            QTest::sendKeyEvent(QTest::Click, editor, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
    QTest::keyClick(editor, Qt::Key_Return);
    QCoreApplication::processEvents(); // the view closes a finished editor later
}
} // namespace

TEST_F(TrackDialogTest, RowsAreTypedInPlace) {
    auto dialog = Dialog();
    dialog->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(dialog.get()));
    QTableWidget* list = dialog->TrackList();

    // Add opens the new row's artist for typing.
    Click(*dialog, CTrackInfoDialog::kAddButton);
    EXPECT_EQ(list->currentRow(), 2);
    TypeIntoCell(*dialog, QStringLiteral("Nina"));
    EXPECT_EQ(CellEditor(*dialog), nullptr);
    EXPECT_TRUE(dialog->isVisible());

    // F2 edits the current cell; Enter on the list does too and does not press OK.
    list->setCurrentCell(2, CTrackInfoDialog::kTitleColumn);
    QTest::keyClick(list, Qt::Key_F2);
    TypeIntoCell(*dialog, QStringLiteral(u"Café Song"));
    list->setCurrentCell(2, CTrackInfoDialog::kPlayTimeColumn);
    QTest::keyClick(list, Qt::Key_Return);
    EXPECT_TRUE(dialog->isVisible());
    TypeIntoCell(*dialog, QStringLiteral("4:05"));
    // The number is not edited: Enter on it starts on the artist.
    list->setCurrentCell(0, CTrackInfoDialog::kNumberColumn);
    QTest::keyClick(list, Qt::Key_Return);
    EXPECT_EQ(list->currentColumn(), CTrackInfoDialog::kArtistColumn);
    QTest::keyClick(CellEditor(*dialog), Qt::Key_Escape);
    QCoreApplication::processEvents();
    EXPECT_FALSE(list->item(0, 0)->flags() & Qt::ItemIsEditable);

    // A double-click edits too; a play time is m:ss or mm:ss (any number of
    // minutes) or h:mm:ss. Anything else is refused with a message, the
    // editor stays open on it, and the cell keeps its time.
    struct Case {
        const char* typed;
        const char* kept;
        bool refused;
    };
    const Case cases[] = {
        {"7:59", "7:59", false},       {"12:34", "12:34", false},    {"123:45", "123:45", false},
        {"1:02:30", "1:02:30", false}, {"4:5", "1:02:30", true},     {"4:60", "1:02:30", true},
        {"abc", "1:02:30", true},      {"1:60:00", "1:02:30", true}, {"12:45", "12:45", false}};
    const QString refusal =
        QStringLiteral("A play time reads m:ss, mm:ss or h:mm:ss, such as 4:05 or 1:02:30.");
    for (const Case& c : cases) {
        m_messages.clear();
        list->setCurrentCell(1, CTrackInfoDialog::kPlayTimeColumn);
        const QRect cell = list->visualItemRect(list->item(1, CTrackInfoDialog::kPlayTimeColumn));
        // A user's double-click arrives as a click, then the double-click.
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, cell.center());
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, cell.center());
        TypeIntoCell(*dialog, QString::fromLatin1(c.typed));
        EXPECT_EQ(CellEditor(*dialog) != nullptr, c.refused) << c.typed;
        EXPECT_EQ(m_messages, c.refused ? QStringList{refusal} : QStringList()) << c.typed;
        if (c.refused) {
            // OK does not take it either, and the dialog stays.
            dialog->accept();
            EXPECT_TRUE(dialog->isVisible());
            EXPECT_EQ(m_messages.size(), 2);
            QTest::keyClick(CellEditor(*dialog), Qt::Key_Escape);
            QCoreApplication::processEvents();
        }
        EXPECT_EQ(list->item(1, CTrackInfoDialog::kPlayTimeColumn)->text(), c.kept) << c.typed;
    }

    // OK takes what the rows show, also from a cell still being edited.
    list->setCurrentCell(1, CTrackInfoDialog::kArtistColumn);
    QTest::keyClick(list, Qt::Key_F2);
    QTest::keyClick(CellEditor(*dialog), Qt::Key_End);
    QTest::keyClicks(CellEditor(*dialog), QStringLiteral(" & Co"));
    dialog->accept();
    const std::vector<TrackEntry> expected = {{"A1", "T1", "1:00"},
                                              {"A2 & Co", "T2", "12:45"},
                                              {"Nina", QStringLiteral(u"Café Song"), "4:05"}};
    EXPECT_EQ(m_doc.Album().tracks, expected);
}

// Adding rows one after another (each Add leaves its artist being typed)
// and pressing Delete removes the last new row, not the first track.
TEST_F(TrackDialogTest, DeleteAfterSeveralAddsRemovesTheNewRow) {
    auto dialog = Dialog();
    dialog->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(dialog.get()));
    for (int i = 0; i < 3; ++i) {
        Click(*dialog, CTrackInfoDialog::kAddButton);
        QCoreApplication::processEvents();
    }
    ASSERT_EQ(dialog->TrackList()->rowCount(), 5);
    Click(*dialog, CTrackInfoDialog::kDeleteButton);
    QCoreApplication::processEvents();
    EXPECT_EQ(Column(*dialog, 1), QStringList({"A1", "A2", "", ""}));
    EXPECT_EQ(Column(*dialog, 0), QStringList({"1", "2", "3", "4"}));
}

TEST_F(TrackDialogTest, DroppedFolderFillsRowsAlbumAndCoverFromTags) {
    const QString folder = m_dir.filePath("album");
    const QString cover = m_dir.filePath("cover.png");
    WritePictureFile(cover, Qt::red);
    const auto tags = [](const char* title, int track) {
        EncoderTags t;
        t.title = QString::fromUtf8(title);
        t.artist = QStringLiteral("Band");
        t.album = QStringLiteral("Songs");
        t.year = QStringLiteral("2020");
        t.track = track;
        return t;
    };
    ASSERT_TRUE(EncodeMusic(Encoder::Opus, folder + "/a.opus", tags("Zwei", 2)));
    ASSERT_TRUE(EncodeMusic(Encoder::Flac, folder + "/b.flac", tags("Eins", 1), cover));
    auto dialog = Dialog();
    dialog->TrackList()->setRowCount(0);

    QMimeData mime;
    mime.setUrls({QUrl::fromLocalFile(folder)});
    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(dialog.get(), &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(dialog.get(), &drop);

    EXPECT_EQ(Column(*dialog, 2), QStringList({"Eins", "Zwei"})); // in track order
    EXPECT_EQ(Column(*dialog, 1), QStringList({"Band", "Band"}));
    const AlbumData shown = dialog->ShownAlbum();
    EXPECT_EQ(shown.title, "Songs");
    EXPECT_EQ(shown.artist, "Band");
    EXPECT_EQ(shown.year, "2020");
    ASSERT_TRUE(dialog->Cover()->HasCandidate());
    EXPECT_EQ(dialog->Cover()->Source(), "Embedded in b.flac");
    EXPECT_EQ(dialog->StatusText(), "2 track(s) from music files.");

    // A drag of anything else is not taken.
    QMimeData text;
    text.setText(QStringLiteral("hello"));
    QDragEnterEvent other(QPoint(10, 10), Qt::CopyAction, &text, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(dialog.get(), &other);
    EXPECT_FALSE(other.isAccepted());
}

TEST_F(TrackDialogTest, QueryTakesTheDiscsCdTextFirstAndTheServerOnTheNextClick) {
    qputenv("LUMVANE_CDROM", MakeCdTextImage(m_dir.path(), "PERFORMER \"Band\"\nTITLE \"Live\"\n",
                                             {"    TITLE \"A\"\n", "    TITLE \"B\"\n",
                                              "    TITLE \"C\"\n    PERFORMER \"Guest\"\n"})
                                 .toUtf8());
    CddbTestServer server(ExampleCddbServer);
    auto dialog = Dialog(server.Port());
    static_cast<QLineEdit*>(dialog->Control(CTrackInfoDialog::kYearEdit))->setText("1977");
    Click(*dialog, CTrackInfoDialog::kQueryButton);
    ASSERT_TRUE(WaitFor([&] { return !dialog->LookupRunning(); }));
    EXPECT_TRUE(m_messages.isEmpty()) << m_messages.join(u'\n').toStdString();
    EXPECT_TRUE(server.Requests().empty()); // offline
    EXPECT_EQ(Column(*dialog, 2), QStringList({"A", "B", "C"}));
    EXPECT_EQ(Column(*dialog, 1), QStringList({"Band", "Band", "Guest"}));
    AlbumData shown = dialog->ShownAlbum();
    EXPECT_EQ(shown.title, "Live");
    EXPECT_EQ(shown.artist, "Band");
    EXPECT_EQ(shown.year, "1977"); // CD-TEXT has none: the field keeps its own
    EXPECT_TRUE(dialog->StatusText().startsWith("Titles from the disc's CD-TEXT"));

    Click(*dialog, CTrackInfoDialog::kQueryButton);
    ASSERT_TRUE(WaitFor([&] { return !dialog->LookupRunning(); }));
    EXPECT_FALSE(server.Requests().empty());
    EXPECT_EQ(Column(*dialog, 2), QStringList({"One", QStringLiteral("Tw\u00f6"), "Three"}));
    EXPECT_EQ(dialog->ShownAlbum().year, "1999");
}
