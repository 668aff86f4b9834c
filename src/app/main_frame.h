#pragma once

#include "window/tool_bars.h"

#include <QMainWindow>

struct AppSettings;
class ArtGallery;
class CDiscwrightDoc;
class CDiscwrightView;
class CFaceTabBar;
class CPropertyBar;
class CSizableBar;
class CommandRouter;
class DropHandler;
class FileCommands;
class ImageBrowser;
class PrintCommands;
class StatusPanes;
class QMenu;

// The program's one top-level window: the editing view over the face tabs,
// the menus and tool bars, the art gallery and object property bars, and a
// status bar with the menu prompt, the active face's label stock and size,
// the date and the time. It only wires the parts together: commands live in
// the router, the file commands and the view.
class CMainFrame : public QMainWindow {
    Q_OBJECT
public:
    CMainFrame(AppSettings& settings, CDiscwrightDoc& doc, QWidget* parent = nullptr);
    ~CMainFrame() override;

    // Puts the window at the rectangle of the settings (no clamping to the
    // screen). At first start (no saved bar layout) the object property bar
    // floats where it does not cover the face: under the window, or beside it
    // when the screen has no room there.
    void PlaceFromSettings();
    // Shows, raises and focuses the window (another start asked for it).
    void BringToFront();
    // The face information text of the status bar, for example
    // "Plain Paper (A4) - (120,120)mm".
    QString FaceInformation() const;

    CDiscwrightView* View() const { return m_view; }
    CommandRouter& Router() const { return *m_router; }
    FileCommands& Files() const { return *m_files; }
    PrintCommands& Printing() const { return *m_printing; }
    DropHandler& Drops() const { return *m_drops; }
    CFaceTabBar* FaceTabs() const { return m_tabs; }
    const ToolBars& Bars() const { return m_toolBars; }
    CSizableBar* GalleryBar() const { return m_gallery; }
    CSizableBar* PropertiesBar() const { return m_properties; }
    ArtGallery* Gallery() const { return m_artGallery; }
    // The image browser, made on first use; null before.
    ImageBrowser* Browser() const { return m_imageBrowser; }
    void ShowImageBrowser();
    CPropertyBar* PropertyBar() const { return m_propertyBar; }
    QMenu* ContextMenu() const { return m_contextMenu; }

public Q_SLOTS:
    void UpdateTitle();
    void UpdateFaceInformation();
    // Edit > "Edit Tracks Information...": the album data dialog.
    void OnEditTracksInformation();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildCentralArea();
    void BuildStatusBar();
    void BuildDockBars();
    void SetFrameHandlers();
    // The View menu's items that show and hide each bar.
    void SetBarToggles();
    void ConnectStateChanges();
    void RestoreLayout();
    void PlacePropertiesBarClear();
    void SaveLayout();

    AppSettings& m_settings;
    CDiscwrightDoc& m_doc;
    CDiscwrightView* m_view = nullptr;
    CFaceTabBar* m_tabs = nullptr;
    CommandRouter* m_router = nullptr;
    FileCommands* m_files = nullptr;
    PrintCommands* m_printing = nullptr;
    DropHandler* m_drops = nullptr;
    ToolBars m_toolBars;
    CSizableBar* m_gallery = nullptr;
    ArtGallery* m_artGallery = nullptr;
    ImageBrowser* m_imageBrowser = nullptr;
    CSizableBar* m_properties = nullptr;
    CPropertyBar* m_propertyBar = nullptr;
    QMenu* m_contextMenu = nullptr;
    StatusPanes* m_statusPanes = nullptr;
    bool m_layoutRestored = false;
};
