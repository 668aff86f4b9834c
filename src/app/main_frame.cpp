#include "main_frame.h"

#include "document/discwright_doc.h"
#include "export/export_commands.h"
#include "gallery/art_gallery.h"
#include "gallery/image_browser.h"
#include "help/support_links.h"
#include "platform/ini_document.h"
#include "printing/print_commands.h"
#include "property_bar/property_bar.h"
#include "settings/app_settings.h"
#include "track_info_dialog.h"
#include "view/arrange_commands.h"
#include "view/clipboard_commands.h"
#include "view/command_ids.h"
#include "view/discwright_view.h"
#include "window/about_box.h"
#include "window/bar_sizes.h"
#include "window/command_router.h"
#include "window/drop_handler.h"
#include "window/editing_commands.h"
#include "window/face_tab_bar.h"
#include "window/file_commands.h"
#include "window/sizable_bar.h"
#include "window/start_folders.h"
#include "window/status_panes.h"
#include "window/tip_of_the_day.h"
#include "window/window_menus.h"

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QSettings>
#include <QStatusBar>
#include <QToolBar>
#include <QVBoxLayout>

namespace {
// The per-user profile key of the docking layout.
const QString kBarStateKey = QStringLiteral("barstate");
// Where the object property bar floats until the window is placed, in screen pixels.
constexpr QPoint kPropertiesBarPlace(250, 300);
// Room between the window's edge and the property bar beside it, for the
// bar's own title.
constexpr int kPropertiesBarGap = 32;
} // namespace

CMainFrame::CMainFrame(AppSettings& settings, CDiscwrightDoc& doc, QWidget* parent)
    : QMainWindow(parent), m_settings(settings), m_doc(doc) {
    setObjectName(QStringLiteral("MainFrame"));
    BuildCentralArea();

    m_router = new CommandRouter(this);
    // Each module's command table; the view outlives the router.
    m_router->AddRows(m_view->ViewCommandRows());
    m_router->AddRows(ArrangeCommandRows(*m_view));
    m_router->AddRows(ClipboardCommandRows(*m_view));
    m_router->AddRows(HistoryCommandRows(*m_view));
    m_files = new FileCommands(m_doc, *m_view, this);
    m_printing = new PrintCommands(m_doc, *m_view, m_settings, this);
    SetFrameHandlers();
    m_printing->Register(*m_router);
    BuildMenuBar(menuBar(), *m_router);
    m_toolBars = BuildToolBars(this, *m_router);
    m_contextMenu = BuildContextMenu(*m_router, this);
    BuildStatusBar();
    BuildDockBars();
    SetBarToggles();
    RestoreLayout();
    m_drops = new DropHandler(this, *m_view, *m_files);

    ShowRecentFiles(*m_router, m_files->Recent().Files());
    ConnectStateChanges();
    UpdateFaceInformation();
    UpdateTitle();
    m_router->UpdateActions();
}

CMainFrame::~CMainFrame() {
    // Bars and the view report their hiding while the window is taken apart;
    // nothing is left to update by then.
    delete m_router;
    m_router = nullptr;
    m_doc.disconnect(this);
}

void CMainFrame::BuildCentralArea() {
    auto* area = new QWidget(this);
    auto* layout = new QVBoxLayout(area);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    m_view = new CDiscwrightView(m_doc, area);
    // The picture tool asks through the window's picture dialog, which starts
    // in the project's folder, else where pictures came from last.
    ToolPrompts prompts = m_view->Prompts();
    prompts.chooseImageFile = [this](QWidget* parent) {
        return ChoosePictureFile(parent, m_doc.PathName());
    };
    m_view->SetPrompts(std::move(prompts));
    m_tabs = new CFaceTabBar(m_doc, *m_view, area);
    layout->addWidget(m_view, 1);
    layout->addWidget(m_tabs, 0);
    setCentralWidget(area);
    // The arrow keys, Tab and Delete go to the page from the start.
    m_view->setFocus();
    connect(m_view, &CDiscwrightView::ContextMenuRequested, this,
            [this](QPoint globalPos) { m_contextMenu->popup(globalPos); });
}

void CMainFrame::BuildStatusBar() {
    statusBar()->showMessage(tr("Ready"));
    m_statusPanes = new StatusPanes(statusBar(), m_doc, *m_view);
}

void CMainFrame::BuildDockBars() {
    // One reading of the settings file for both bars.
    const IniDocument ini = IniDocument::Load(m_settings.m_settingsFile.Path());

    m_gallery = new CSizableBar(kArtGalleryBarId, tr("Art Gallery"), this);
    m_artGallery = new ArtGallery(*m_view, m_gallery);
    m_artGallery->SetLayoutInserter(
        [this](const QString& path) { InsertLayoutFromGallery(this, *m_view, path); });
    m_gallery->setWidget(m_artGallery);
    m_gallery->SetSizes(ReadBarSizes(ini, kArtGalleryBarId));
    addDockWidget(Qt::LeftDockWidgetArea, m_gallery);

    m_properties = new CSizableBar(kObjectPropertiesBarId, tr("Object Properties"), this);
    m_propertyBar = new CPropertyBar(*m_view, m_properties);
    m_propertyBar->SetUnits(m_view->Context().canvas);
    m_properties->setWidget(m_propertyBar);
    m_properties->setAllowedAreas(Qt::NoDockWidgetArea);
    m_properties->SetSizes(ReadBarSizes(ini, kObjectPropertiesBarId));
    addDockWidget(Qt::TopDockWidgetArea, m_properties);
    m_properties->setFloating(true);
    m_properties->move(kPropertiesBarPlace);
    connect(m_view, &CDiscwrightView::PropertyObjectChanged, m_propertyBar,
            &CPropertyBar::ShowProperties);
    connect(m_view, &CDiscwrightView::PropertyValuesChanged, m_propertyBar,
            &CPropertyBar::RefreshValues);

    m_gallery->ApplySize();
    m_properties->ApplySize();
}

void CMainFrame::ShowImageBrowser() {
    if (!m_imageBrowser)
        m_imageBrowser = new ImageBrowser(*m_view, m_view);
    m_imageBrowser->show();
    m_imageBrowser->raise();
    m_imageBrowser->activateWindow();
}

void CMainFrame::SetFrameHandlers() {
    CommandRouter& r = *m_router;
    r.SetHandler(CommandId::kFileNew, [this] { m_files->New(); });
    r.SetHandler(CommandId::kFileOpen, [this] { m_files->Open(); });
    r.SetHandler(CommandId::kFileSave, [this] { m_files->Save(); });
    r.SetHandler(CommandId::kFileSaveAs, [this] { m_files->SaveAs(); });
    for (int i = 0; i < RecentFileList::kMaxFiles; ++i)
        r.SetHandler(
            RecentFileCommand(i), [this, i] { m_files->OpenRecent(i); },
            [this, i] {
                return CommandState{i < m_files->Recent().Files().size(), false};
            });
    r.SetHandler(CommandId::kAppExit, [this] { close(); });
    r.SetHandler(CommandId::kEditTracksInformation, [this] { OnEditTracksInformation(); });
    r.SetHandler(CommandId::kImageBrowser, [this] { ShowImageBrowser(); });
    r.SetHandler(CommandId::kAppAbout, [this] { ShowAboutBox(this); });
    r.SetHandler(CommandId::kHelpContents, [this] { SupportLinks::OpenManual(this); });
    r.SetHandler(CommandId::kHelpTechSupport, [] { SupportLinks::OpenTechSupport(); });
    r.SetHandler(CommandId::kHelpHomePage, [] { SupportLinks::OpenHomePage(); });
    r.SetHandler(CommandId::kHelpTipOfTheDay, [this] {
        CTipOfTheDay tips(this);
        tips.exec();
    });
    r.SetHandler(CommandId::kExportCoverAsImages,
                 [this] { RunExportCoverAsImages(this, *m_view); });
    r.SetHandler(CommandId::kExportAsLayouts,
                 [this] { RunExportAsLayouts(this, *m_view, m_artGallery); });
}

void CMainFrame::SetBarToggles() {
    const std::pair<CommandId, QWidget*> bars[] = {
        {CommandId::kViewMainToolbar, m_toolBars.main}, {CommandId::kViewPropertyBar, m_properties},
        {CommandId::kViewObjectBar, m_toolBars.object}, {CommandId::kViewTemplateWindow, m_gallery},
        {CommandId::kViewAlignBar, m_toolBars.align},   {CommandId::kViewStatusBar, statusBar()}};
    for (const auto& entry : bars) {
        QWidget* bar = entry.second;
        m_router->SetHandler(
            entry.first, [bar] { bar->setVisible(bar->isHidden()); },
            [bar] {
                return CommandState{true, !bar->isHidden()};
            });
    }
}

void CMainFrame::ConnectStateChanges() {
    CommandRouter* r = m_router;
    auto update = [r] { r->UpdateActions(); };
    connect(m_view, &CDiscwrightView::ToolChanged, r, update);
    connect(m_view, &CDiscwrightView::FaceShown, r, update);
    connect(m_view, &CDiscwrightView::PropertyObjectChanged, r, update);
    connect(m_view, &CDiscwrightView::PropertyValuesChanged, r, update);
    connect(&m_doc, &CDiscwrightDoc::ModifiedChanged, r, update);
    connect(&m_doc, &CDiscwrightDoc::ActiveFaceChanged, r, update);
    connect(QApplication::clipboard(), &QClipboard::dataChanged, r, update);
    for (QToolBar* bar : {m_toolBars.main, m_toolBars.object, m_toolBars.align})
        connect(bar, &QToolBar::visibilityChanged, r, update);
    for (CSizableBar* bar : {m_gallery, m_properties})
        connect(bar, &QDockWidget::visibilityChanged, r, update);
    connect(&m_doc, &CDiscwrightDoc::UndoHistoryChanged, r, update);

    // Undo may bring back other label stocks.
    connect(&m_doc, &CDiscwrightDoc::UndoHistoryChanged, this, &CMainFrame::UpdateFaceInformation);
    connect(m_printing, &PrintCommands::LabelStocksChanged, this, [this] {
        UpdateFaceInformation();
        m_router->UpdateActions();
    });
    // An edit that could not be recorded for undo: Undo steps back over it
    // as a whole, and the user hears why.
    connect(&m_doc, &CDiscwrightDoc::UndoCheckPointFailed, this, [this](const QString& why) {
        statusBar()->showMessage(
            tr("This change could not be recorded for Undo (%1); Undo goes back to before it.")
                .arg(why));
    });
    connect(&m_doc, &CDiscwrightDoc::ModifiedChanged, this, &CMainFrame::UpdateTitle);
    connect(m_files, &FileCommands::DocumentReplaced, this, [this] {
        UpdateTitle();
        UpdateFaceInformation();
        m_router->UpdateActions();
    });
    connect(m_files, &FileCommands::RecentFilesChanged, this, [this] {
        ShowRecentFiles(*m_router, m_files->Recent().Files());
        m_router->UpdateActions();
    });
}

void CMainFrame::RestoreLayout() {
    const QByteArray state = QSettings().value(kBarStateKey).toByteArray();
    m_layoutRestored = !state.isEmpty() && restoreState(state);
}

void CMainFrame::PlacePropertiesBarClear() {
    // Under the window, else to its right, where the screen has room; on a
    // screen too small for either, at the screen's bottom edge.
    const QScreen* screen = this->screen();
    if (screen == nullptr)
        return;
    const QRect available = screen->availableGeometry();
    const QRect window = frameGeometry().united(geometry());
    const QSize bar = m_properties->frameGeometry().size().expandedTo(m_properties->size());
    for (const QPoint place : {QPoint(window.left(), window.bottom() + 1 + kPropertiesBarGap),
                               QPoint(window.right() + 1 + kPropertiesBarGap, window.top())}) {
        if (available.contains(QRect(place, bar))) {
            m_properties->move(place);
            return;
        }
    }
    m_properties->move(available.left() + kPropertiesBarGap,
                       qMax(available.top(), available.bottom() + 1 - bar.height()));
}

void CMainFrame::SaveLayout() {
    QSettings().setValue(kBarStateKey, saveState());
    const QString path = m_settings.m_settingsFile.Path();
    IniDocument ini = IniDocument::Load(path);
    for (CSizableBar* bar : {m_gallery, m_properties}) {
        if (!bar->isHidden())
            bar->RememberSize();
        WriteBarSizes(ini, bar->BarId(), bar->Sizes());
    }
    ini.Save(path);
}

void CMainFrame::PlaceFromSettings() {
    setGeometry(m_settings.m_mainLeft, m_settings.m_mainTop, m_settings.m_mainWidth,
                m_settings.m_mainHeight);
    // At first start the bar's saved place is not known yet.
    if (!m_layoutRestored)
        PlacePropertiesBarClear();
}

void CMainFrame::BringToFront() {
    if (isMinimized())
        showNormal();
    show();
    raise();
    activateWindow();
}

QString CMainFrame::FaceInformation() const {
    return StatusPanes::FaceInformation(m_doc);
}

void CMainFrame::UpdateFaceInformation() {
    m_statusPanes->UpdateFaceInformation();
}

void CMainFrame::UpdateTitle() {
    setWindowTitle(QStringLiteral("%1[*] - Lumvane").arg(m_files->DocumentName()));
    setWindowModified(m_doc.IsModified());
}

void CMainFrame::OnEditTracksInformation() {
    CTrackInfoDialog dialog(m_doc, m_settings.ForCddb(), this);
    dialog.SetMusicBrainzSettings(m_settings.ForMusicBrainz());
    // The dialog edits the album data (and the cover) through the document.
    dialog.exec();
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    if (!m_files->SaveModified()) {
        event->ignore();
        return;
    }
    const QRect frame = geometry();
    m_settings.m_mainLeft = frame.left();
    m_settings.m_mainTop = frame.top();
    m_settings.m_mainWidth = frame.width();
    m_settings.m_mainHeight = frame.height();
    m_settings.SaveSettings();
    SaveLayout();
    event->accept();
}
