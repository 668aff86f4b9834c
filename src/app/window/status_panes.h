#pragma once

#include <QObject>
#include <QPoint>
#include <QString>

class CDiscwrightDoc;
class CDiscwrightView;
class QLabel;
class QStatusBar;

// The status bar's panes after the menu prompt: the active face's label stock
// and size, the view's zoom, the pointer's place on the face in millimetres
// (x from the left edge, y down from the top edge, as the property bar shows
// positions; empty while the pointer is off the view), the date and the time.
// The panes follow the document and the view on their own.
class StatusPanes : public QObject {
    Q_OBJECT
public:
    StatusPanes(QStatusBar* bar, CDiscwrightDoc& doc, CDiscwrightView& view);

    // For example "Plain Paper (A4) - (120,120)mm".
    static QString FaceInformation(const CDiscwrightDoc& doc);
    // For example "100%".
    static QString ZoomText(float zoom);
    // For example "12.34, 56.78 mm" for the face point (1234, -5678).
    static QString PointerText(QPoint facePoint);

    void UpdateFaceInformation();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void UpdateClock();
    QLabel* AddPane(QStatusBar* bar, const char* name);

    CDiscwrightDoc& m_doc;
    CDiscwrightView& m_view;
    QLabel* m_faceInfo;
    QLabel* m_zoom;
    QLabel* m_pointer;
    QLabel* m_date;
    QLabel* m_time;
};
