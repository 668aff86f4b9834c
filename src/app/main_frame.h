#pragma once

#include <QMainWindow>

struct AppSettings;
class CDiscwrightDoc;
class CDiscwrightView;
class QLabel;

// The program's one top-level window. It shows the project document and, in
// its status bar, the active face's label stock and size with the date and
// time; closing it stores the window's place in the settings file.
class CMainFrame : public QMainWindow {
    Q_OBJECT
public:
    CMainFrame(AppSettings& settings, CDiscwrightDoc& doc, QWidget* parent = nullptr);

    // Puts the window at the rectangle of the settings (no clamping to the screen).
    void PlaceFromSettings();
    // Shows, raises and focuses the window (another start asked for it).
    void BringToFront();
    // The face information text of the status bar, for example
    // "Plain Paper (A4) - (120,120)mm".
    QString FaceInformation() const;
    // The editing view in the middle of the window.
    CDiscwrightView* View() const { return m_view; }

public Q_SLOTS:
    void UpdateTitle();
    void UpdateFaceInformation();
    // Edit > "Edit Tracks Information...": the album data dialog.
    void OnEditTracksInformation();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void UpdateClock();

    AppSettings& m_settings;
    CDiscwrightDoc& m_doc;
    CDiscwrightView* m_view = nullptr;
    QLabel* m_faceInfoPane = nullptr;
    QLabel* m_datePane = nullptr;
    QLabel* m_timePane = nullptr;
};
