#include "face_tab_bar.h"

#include "document/discwright_doc.h"
#include "view/discwright_view.h"

#include <QSignalBlocker>

CFaceTabBar::CFaceTabBar(CDiscwrightDoc& doc, CDiscwrightView& view, QWidget* parent)
    : QTabBar(parent), m_view(view) {
    setObjectName(QStringLiteral("FaceTabs"));
    setShape(QTabBar::RoundedSouth);
    setDrawBase(false);
    setExpanding(false);
    for (const char* name :
         {QT_TR_NOOP("Disk"), QT_TR_NOOP("Front"), QT_TR_NOOP("Inside"), QT_TR_NOOP("Back")})
        addTab(tr(name));
    setCurrentIndex(doc.ActiveFaceId());
    connect(this, &QTabBar::currentChanged, &m_view, &CDiscwrightView::ShowFace);
    connect(&doc, &CDiscwrightDoc::ActiveFaceChanged, this, &CFaceTabBar::FollowDocument);
    connect(&m_view, &CDiscwrightView::FaceShown, this, &CFaceTabBar::FollowDocument);
}

void CFaceTabBar::FollowDocument(int faceId) {
    if (faceId == currentIndex())
        return;
    const QSignalBlocker quiet(this);
    setCurrentIndex(faceId);
}
