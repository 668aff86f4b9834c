#pragma once

#include <QTabBar>

class CDiscwrightDoc;
class CDiscwrightView;

// The strip of face tabs under the editing view: "Disk", "Front", "Inside",
// "Back", tab i standing for face i. Choosing a tab shows that face in the
// view; the tabs follow the document when the face changes otherwise.
class CFaceTabBar : public QTabBar {
    Q_OBJECT
public:
    CFaceTabBar(CDiscwrightDoc& doc, CDiscwrightView& view, QWidget* parent = nullptr);

private:
    void FollowDocument(int faceId);

    CDiscwrightView& m_view;
};
