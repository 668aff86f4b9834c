// The label stock chooser, "Change Label Stock...", the print dialog's sheet
// and the settings dialog, in the real window.

#include "app/main_window_fixture.h"

#include "app/printing/calibration_sheet.h"
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
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
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
    EXPECT_EQ(total, 95);
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
    picture->SetWidth(doc->GetFace(kFrontFace).Width());
    picture->SetHeight(-doc->GetFace(kFrontFace).Height());
    doc->GetFace(kFrontFace).SetBackground(std::move(picture));
    doc->CheckPoint();
    doc->SetModifiedFlag(false);
    const int undoCount = doc->UndoCount();

    frame->Printing().ApplyLabelStocks(Stock("disc/Avery 8676.ini"),
                                       Stock("front inside/Neato 69143.ini"),
                                       Stock("back/Avery 8435B.ini"));
    LabelStock neato(kFrontKind);
    ReadLabelStock(neato, Stock("front inside/Neato 69143.ini"));
    EXPECT_EQ(doc->GetFace(kDiscFace).Width(), 11748);
    EXPECT_EQ(doc->GetFace(kFrontFace).Width(), neato.labelWidth);
    EXPECT_EQ(doc->GetFace(kInsideFace).Height(), neato.labelHeight);
    const CImage* background = doc->GetFace(kFrontFace).Background();
    EXPECT_EQ(background->Width(), neato.labelWidth);
    EXPECT_EQ(background->Height(), -neato.labelHeight);
    EXPECT_TRUE(doc->IsModified());
    EXPECT_EQ(doc->UndoCount(), undoCount + 1);
    EXPECT_EQ(settings->m_discStockPath, Stock("disc/Avery 8676.ini"));
    EXPECT_TRUE(frame->FaceInformation().startsWith(QStringLiteral("Avery 8676")));

    frame->Router().Run(CommandId::kUndo);
    EXPECT_EQ(doc->DiscStock().path, Stock("disc/plain paper(A4).ini"));
    EXPECT_EQ(doc->GetFace(kDiscFace).Width(), 12000);
    EXPECT_EQ(doc->GetFace(kFrontFace).Width(), 12000);
    EXPECT_EQ(doc->GetFace(kFrontFace).Background()->Width(), 12000);
    EXPECT_EQ(doc->GetFace(kFrontFace).Background()->Height(), -12000);
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

} // namespace
