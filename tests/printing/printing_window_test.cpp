// The label stock chooser, "Change Label Stock...", the print dialog's sheet
// and the settings dialog, in the real window.

#include "app/main_window_fixture.h"

#include "app/printing/calibration_sheet.h"
#include "app/printing/disc_tray_alignment_box.h"
#include "app/printing/label_stock_dialog.h"
#include "app/printing/label_stock_preview.h"
#include "app/printing/print_commands.h"
#include "app/printing/print_dialog.h"
#include "app/settings/settings_dialog.h"
#include "document/print_plan.h"
#include "imaging/raster_image.h"
#include "objects/image.h"
#include "toolkit/colour_button.h"
#include "view/command_ids.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>

namespace {

class PrintingWindow : public MainWindowTest {
protected:
    QString Stock(const char* relative) const {
        return program.File(QStringLiteral("label stock/") + QLatin1String(relative));
    }
    LabelStockDialog* MakeChooser() {
        chooser = std::make_unique<LabelStockDialog>(
            settings->m_dataFolders, std::array<const LabelStock*, 3>{
                                         &doc->DiscStock(), &doc->FrontStock(), &doc->BackStock()});
        return chooser.get();
    }
    std::unique_ptr<LabelStockDialog> chooser;
};

TEST(LabelStockPreviewMath, MulDivRoundsHalvesAwayFromZero) {
    const struct {
        int a, b, c, expected;
    } cases[] = {{5, 1, 2, 3},  {-5, 1, 2, -3}, {4, 1, 3, 1}, {12000, 150, 21000, 86},
                 {1, 1, 0, -1}, {7, -3, 2, -11}};
    for (const auto& c : cases)
        EXPECT_EQ(LabelStockPreview::MulDiv(c.a, c.b, c.c), c.expected) << c.a << " " << c.b;
}

TEST_F(PrintingWindow, ChooserListsEveryShippedStockAndFiltersByMakerOrNumber) {
    LabelStockDialog* dialog = MakeChooser();
    int total = 0;
    for (int kind = 0; kind < 3; ++kind) {
        dialog->KindList()->setCurrentRow(kind);
        total += dialog->StockList()->count();
    }
    EXPECT_EQ(total, 97);
    dialog->KindList()->setCurrentRow(0);
    // The current stock starts selected, with its size in millimetres.
    ASSERT_NE(dialog->StockList()->currentItem(), nullptr);
    EXPECT_EQ(dialog->StockList()->currentItem()->text(),
              QStringLiteral("Plain Paper (A4) - 120 x 120 mm"));
    QTest::keyClicks(dialog->Filter(), QStringLiteral("avery 8676"));
    int shown = 0;
    for (int i = 0; i < dialog->StockList()->count(); ++i)
        shown += dialog->StockList()->item(i)->isHidden() ? 0 : 1;
    EXPECT_EQ(shown, 1);
    // The one entry left is the choice; the project's record is not touched.
    EXPECT_EQ(dialog->ChosenPath(0), Stock("disc/Avery 8676.ini"));
    EXPECT_EQ(doc->DiscStock().path, Stock("disc/plain paper(A4).ini"));
}

TEST_F(PrintingWindow, ChangeLabelStockResizesFacesAndBackgroundsInOneUndoStep) {
    auto picture = std::make_unique<CImage>();
    CRasterImage pixels;
    pixels.Allocate(4, 4, 24, 0);
    picture->SetImage(pixels);
    picture->m_width = doc->GetFace(kFrontFace).m_width;
    picture->m_height = -doc->GetFace(kFrontFace).m_height;
    doc->GetFace(kFrontFace).SetBackground(std::move(picture));
    doc->CheckPoint();
    doc->SetModifiedFlag(false);
    const int undoCount = doc->UndoCount();

    frame->Printing().ApplyLabelStocks(Stock("disc/Avery 8676.ini"),
                                       Stock("front inside/Neato 69143.ini"),
                                       Stock("back/Avery 8435B.ini"));
    LabelStock neato(kFrontKind);
    ReadLabelStock(neato, Stock("front inside/Neato 69143.ini"));
    EXPECT_EQ(doc->GetFace(kDiscFace).m_width, 11748);
    EXPECT_EQ(doc->GetFace(kFrontFace).m_width, neato.labelWidth);
    EXPECT_EQ(doc->GetFace(kInsideFace).m_height, neato.labelHeight);
    const CImage* background = doc->GetFace(kFrontFace).Background();
    EXPECT_EQ(background->m_width, neato.labelWidth);
    EXPECT_EQ(background->m_height, -neato.labelHeight);
    EXPECT_TRUE(doc->IsModified());
    EXPECT_EQ(doc->UndoCount(), undoCount + 1);
    EXPECT_EQ(settings->m_discStockPath, Stock("disc/Avery 8676.ini"));
    EXPECT_TRUE(frame->FaceInformation().startsWith(QStringLiteral("Avery 8676")));

    frame->Router().Run(CommandId::kUndo);
    EXPECT_EQ(doc->DiscStock().path, Stock("disc/plain paper(A4).ini"));
    EXPECT_EQ(doc->GetFace(kDiscFace).m_width, 12000);
    EXPECT_EQ(doc->GetFace(kFrontFace).m_width, 12000);
    EXPECT_EQ(doc->GetFace(kFrontFace).Background()->m_width, 12000);
    EXPECT_EQ(doc->GetFace(kFrontFace).Background()->m_height, -12000);
    EXPECT_TRUE(frame->FaceInformation().startsWith(QStringLiteral("Plain Paper (A4)")));
}

TEST_F(PrintingWindow, PrintDialogClicksChooseLabelsOfTheShownKindOnly) {
    settings->m_printBack = 0;
    PrintDialog dialog(*doc, *settings);
    dialog.resize(600, 500);
    dialog.show();
    LabelStockPreview* sheet = dialog.Preview();
    EXPECT_EQ(doc->BackStock().printThisKind, 0); // opening takes the settings' defaults
    // A blue disc turns white and back.
    const QPoint disc = sheet->LabelRect(0).center();
    QTest::mouseClick(sheet, Qt::LeftButton, {}, disc);
    EXPECT_EQ(doc->DiscStock().labels[0].selected, 0);
    QTest::mouseClick(sheet, Qt::LeftButton, {}, disc);
    EXPECT_EQ(doc->DiscStock().labels[0].selected, 1);
    // The back kind is not printed: its sheet is grey and clicks do nothing.
    dialog.Tabs()->setCurrentIndex(2);
    QTest::mouseClick(sheet, Qt::LeftButton, {}, sheet->LabelRect(0).center());
    EXPECT_EQ(doc->BackStock().labels[0].selected, 1);
    // Unticking "Print Disk" leaves two sheets (front/inside, back off).
    dialog.Tabs()->setCurrentIndex(0);
    dialog.PrintBox(0)->click();
    EXPECT_EQ(doc->DiscStock().printThisKind, 0);
    EXPECT_EQ(PlanPrintPages(*doc).size(), 1u);
}

TEST_F(PrintingWindow, SettingsOkWritesTheShownPagesToTheFile) {
    settings->m_proxyAddress = QStringLiteral("proxy.example");
    {
        SettingsDialog dialog(*settings);
        dialog.OffsetX()->setValue(2);
        dialog.OffsetY()->setValue(-1);
        dialog.ExpandWidth()->setValue(3);
        dialog.accept();
    }
    EXPECT_EQ(settings->m_printOffsetX, 2);
    EXPECT_EQ(settings->m_printOffsetY, -1);
    EXPECT_EQ(settings->m_printExpandWidth, 3);
    // Written at once, keys in their order, the unshown pages as they were.
    const QStringList lines =
        QString::fromUtf8(ReadWholeFile(settings->m_settingsFile.Path())).split(u'\n');
    QStringList keys;
    for (const QString& line : lines)
        if (line.contains(u'=') && !line.startsWith(u"Password"))
            keys.append(line.section(u'=', 0, 0));
    const QStringList expected = {"User",
                                  "CDDDProxyAddress",
                                  "CDBBUseProxy",
                                  "CDBBUseAuthentication",
                                  "CDBBProxyPort",
                                  "CDDBServer",
                                  "CDDBPort",
                                  "CDDBTimeout",
                                  "MusicBrainzServer",
                                  "MusicBrainzPort",
                                  "Left",
                                  "Top",
                                  "Width",
                                  "Height",
                                  "Offset_X",
                                  "Offset_Y",
                                  "Expand Width",
                                  "Expand Height",
                                  "UserName",
                                  "borderlinecolor",
                                  "borderlinestyle",
                                  "printdisc",
                                  "printfrontinside",
                                  "printback",
                                  "printborder",
                                  "Disc",
                                  "FrontInside",
                                  "Back"};
    EXPECT_EQ(keys, expected);
    EXPECT_TRUE(lines.contains(QStringLiteral("Offset_X=2")));
    EXPECT_TRUE(lines.contains(QStringLiteral("CDDDProxyAddress=proxy.example")));
}

TEST_F(PrintingWindow, SettingsPagesFollowTheirRules) {
    SettingsDialog dialog(*settings);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Settings..."));
    ASSERT_EQ(dialog.Pages()->count(), 3);
    EXPECT_EQ(dialog.Pages()->tabText(1), QStringLiteral("Internet Connection"));
    dialog.Pages()->setCurrentIndex(SettingsDialog::kInternetPage);
    // Proxy off: the other five are disabled; authentication needs the proxy.
    for (QWidget* w : std::initializer_list<QWidget*>{dialog.ProxyServer(), dialog.ProxyPort(),
                                                      dialog.Authentication(), dialog.UserName(),
                                                      dialog.Password()})
        EXPECT_FALSE(w->isEnabled());
    dialog.UseProxy()->click();
    EXPECT_TRUE(dialog.ProxyServer()->isEnabled() && dialog.Authentication()->isEnabled());
    EXPECT_FALSE(dialog.UserName()->isEnabled());
    dialog.Authentication()->click();
    EXPECT_TRUE(dialog.UserName()->isEnabled() && dialog.Password()->isEnabled());
    dialog.CddbServer()->setText(QStringLiteral("freedb.example"));
    dialog.Pages()->setCurrentIndex(SettingsDialog::kDefaultPage);
    dialog.Dashed()->click();
    dialog.PrintKind(2)->click();
    dialog.accept();
    EXPECT_EQ(settings->m_useProxy, 1);
    EXPECT_EQ(settings->m_cddbServer, QStringLiteral("freedb.example"));
    EXPECT_EQ(settings->m_borderLineStyle, 1);
    EXPECT_EQ(settings->m_printBack, 0);
    SettingsDialog again(*settings);
    again.Pages()->setCurrentIndex(SettingsDialog::kDefaultPage);
    EXPECT_TRUE(again.Dashed()->isChecked());
    // Cancel after edits leaves the record alone.
    again.Solid()->click();
    again.reject();
    EXPECT_EQ(settings->m_borderLineStyle, 1);
}

TEST_F(PrintingWindow, CalibrationSheetMarksEveryLabelsCentreAndEdges) {
    LabelStock stock = doc->DiscStock();
    ReadLabelLayout(stock, stock.path);
    constexpr double kDotsPerMm = 10.0;
    QImage sheet(2100, 2970, QImage::Format_RGB32);
    sheet.fill(Qt::white);
    {
        QPainter painter(&sheet);
        PaintCalibrationSheet(painter, stock, kDotsPerMm);
    }
    auto darkNear = [&](double xMm, double yMm) {
        for (int dy = -2; dy <= 2; ++dy)
            for (int dx = -2; dx <= 2; ++dx)
                if (qGray(sheet.pixel(int(xMm * kDotsPerMm) + dx, int(yMm * kDotsPerMm) + dy)) <
                    128)
                    return true;
        return false;
    };
    // Both discs of "plain paper(A4)": centres, and the rulers' zero marks on
    // the left, right, top and bottom edges.
    for (double top : {20.0, 155.0}) {
        EXPECT_TRUE(darkNear(105, top + 60));
        EXPECT_TRUE(darkNear(45, top + 60 - 3));
        EXPECT_TRUE(darkNear(165, top + 60 + 3));
        EXPECT_TRUE(darkNear(105 - 3, top));
        EXPECT_TRUE(darkNear(105 + 3, top + 120));
    }
    EXPECT_FALSE(darkNear(20, 150)); // nothing between the labels
}

// A kind switch whose filter leaves one stock chooses it, as a click does:
// the highlighted entry is the one OK takes.
TEST_F(PrintingWindow, ChooserTakesTheSingleMatchLeftAfterAKindSwitch) {
    LabelStockDialog* dialog = MakeChooser();
    dialog->KindList()->setCurrentRow(1);
    dialog->Filter()->setText(QStringLiteral("avery 8676"));
    EXPECT_EQ(dialog->ChosenPath(1), doc->FrontStock().path); // no front stock matches
    dialog->KindList()->setCurrentRow(0);
    ASSERT_NE(dialog->StockList()->currentItem(), nullptr);
    EXPECT_EQ(dialog->StockList()->currentItem()->data(Qt::UserRole).toString(),
              Stock("disc/Avery 8676.ini"));
    EXPECT_EQ(dialog->ChosenPath(0), Stock("disc/Avery 8676.ini"));
    dialog->accept();
    frame->Printing().ApplyLabelStocks(dialog->ChosenPath(0), dialog->ChosenPath(1),
                                       dialog->ChosenPath(2));
    EXPECT_EQ(doc->DiscStock().path, Stock("disc/Avery 8676.ini"));
    // Disc-tray stocks say so in the list.
    dialog->Filter()->setText(QStringLiteral("tray 120"));
    EXPECT_EQ(dialog->StockList()->currentItem()->text(),
              QStringLiteral("Disc tray: 120 mm printable disc - 116.1 x 116.1 mm (disc tray)"));
}

// The sheet of a kind that is not printed (grey) stands out from the
// control's darker ground.
TEST_F(PrintingWindow, GreySheetShowsOnTheDarkGround) {
    doc->BackStock().printThisKind = 0;
    LabelStockPreview preview;
    preview.SetClickable(true);
    preview.resize(200, 260);
    preview.ShowLabelStock(doc->BackStock().path, &doc->BackStock());
    const QImage image = preview.grab().toImage();
    EXPECT_EQ(QColor(image.pixel(2, 2)), QColor(64, 64, 64));
    const QPoint inSheet = preview.SheetRect().topLeft() + QPoint(3, 3);
    EXPECT_EQ(QColor(image.pixel(inSheet)), QColor(128, 128, 128));
}

// Values outside the arrows' range are kept as the file and the user give
// them; only the arrows stop at -100 ... 100.
TEST_F(PrintingWindow, AlignmentFieldsKeepValuesBeyondTheArrows) {
    WriteTextFile(settings->m_settingsFile.Path(), "[Print]\nOffset_X=150\nOffset_Y=-250\n");
    settings->LoadSettings();
    {
        SettingsDialog dialog(*settings);
        EXPECT_EQ(dialog.OffsetX()->value(), 150);
        EXPECT_EQ(dialog.OffsetY()->value(), -250);
        dialog.ExpandWidth()->setValue(99);
        dialog.ExpandWidth()->stepBy(5);
        EXPECT_EQ(dialog.ExpandWidth()->value(), 100);
        dialog.ExpandHeight()->findChild<QLineEdit*>()->setText(QStringLiteral("300"));
        dialog.ExpandHeight()->interpretText();
        dialog.accept();
    }
    EXPECT_EQ(settings->m_printOffsetX, 150);
    EXPECT_EQ(settings->m_printOffsetY, -250);
    EXPECT_EQ(settings->m_printExpandHeight, 300);
    const QString file = QString::fromUtf8(ReadWholeFile(settings->m_settingsFile.Path()));
    EXPECT_TRUE(file.contains(QStringLiteral("Offset_X=150")));
    EXPECT_TRUE(file.contains(QStringLiteral("Expand Height=300")));
}

// Each queue keeps its own disc tray correction in its own section.
TEST_F(PrintingWindow, TrayCorrectionIsKeptPerQueue) {
    {
        SettingsDialog dialog(*settings, nullptr,
                              {QStringLiteral("r220"), QStringLiteral("ip7200")});
        DiscTrayAlignmentBox* box = dialog.TrayAlignment();
        EXPECT_EQ(box->Queue()->currentText(), QStringLiteral("r220"));
        box->Horizontal()->setValue(0.7);
        box->Vertical()->setValue(-0.4);
        box->Queue()->setCurrentIndex(1);
        EXPECT_EQ(box->Horizontal()->value(), 0.0);
        box->Vertical()->setValue(1.2);
        dialog.accept();
    }
    const TrayCorrections saved = LoadTrayCorrections(settings->m_settingsFile.Path());
    EXPECT_EQ(TrayCorrectionOf(saved, QStringLiteral("r220")), (TrayCorrection{7, -4}));
    EXPECT_EQ(TrayCorrectionOf(saved, QStringLiteral("ip7200")), (TrayCorrection{0, 12}));
    EXPECT_EQ(TrayCorrectionOf(saved, QStringLiteral("other")), (TrayCorrection{0, 0}));
    const QString file = QString::fromUtf8(ReadWholeFile(settings->m_settingsFile.Path()));
    EXPECT_TRUE(file.contains(QStringLiteral("[Disc Tray r220]\nHorizontal=7\nVertical=-4\n")))
        << file.toStdString();
    // Saving the settings again (the window's close) keeps the sections.
    ASSERT_TRUE(settings->SaveSettings());
    EXPECT_EQ(LoadTrayCorrections(settings->m_settingsFile.Path()), saved);
    SettingsDialog again(*settings, nullptr, {QStringLiteral("r220")});
    EXPECT_EQ(again.TrayAlignment()->Horizontal()->value(), 0.7);
}

// A disc-tray stock has no positions to choose but a number of discs and
// the printers with a tray; a queue without one is named.
TEST_F(PrintingWindow, PrintDialogForTheDiscTray) {
    frame->Printing().ApplyLabelStocks(Stock("disc/Disc tray 120 mm printable disc.ini"),
                                       doc->FrontStock().path, doc->BackStock().path);
    PrintDialog dialog(*doc, *settings, nullptr, QStringLiteral("q"), {QStringLiteral("r220")});
    dialog.show();
    EXPECT_TRUE(dialog.Copies()->isVisible());
    EXPECT_FALSE(dialog.Preview()->Clickable());
    EXPECT_EQ(dialog.TrayQueue(), QStringLiteral("r220"));
    EXPECT_TRUE(dialog.TrayNote()->text().startsWith(QStringLiteral("q has no disc tray")));
    dialog.Copies()->setValue(10);
    EXPECT_EQ(dialog.DiscCount(), 10);
    dialog.Tabs()->setCurrentIndex(1);
    EXPECT_FALSE(dialog.Copies()->isVisible());
    EXPECT_TRUE(dialog.Preview()->Clickable());
    PrintDialog none(*doc, *settings, nullptr, QStringLiteral("q"), {});
    for (QPushButton* button : none.findChildren<QPushButton*>()) {
        if (button->text() == QStringLiteral("Next")) {
            EXPECT_FALSE(button->isEnabled()); // no printer here has a tray
        }
    }
}

// A front stock with a single label: the dialog says the inside face is
// left out and offers a second sheet, off by default.
TEST_F(PrintingWindow, PrintDialogOffersTheInsideOnASecondSheet) {
    frame->Printing().ApplyLabelStocks(
        doc->DiscStock().path, Stock("front inside/Zweckform J8435A.ini"), doc->BackStock().path);
    PrintDialog dialog(*doc, *settings);
    dialog.show();
    EXPECT_FALSE(dialog.InsideNote()->isVisible()); // the disc tab
    dialog.Tabs()->setCurrentIndex(1);
    EXPECT_TRUE(dialog.InsideNote()->isVisible());
    EXPECT_EQ(dialog.InsideNote()->text(),
              QStringLiteral("The inside face will not be printed with this stock."));
    EXPECT_FALSE(dialog.InsideSecondSheet()->isChecked());
    EXPECT_FALSE(dialog.InsideOnSecondSheet());
    dialog.InsideSecondSheet()->click();
    EXPECT_TRUE(dialog.InsideOnSecondSheet());
    EXPECT_EQ(dialog.findChild<QLabel*>(QStringLiteral("PageSummary"))->text().left(8),
              QStringLiteral("4 sheets"));
}

} // namespace
