#include "status_panes.h"

#include "app/property_bar/position_fields.h"
#include "document/discwright_doc.h"
#include "view/discwright_view.h"

#include <QDateTime>
#include <QLabel>
#include <QLocale>
#include <QMouseEvent>
#include <QStatusBar>
#include <QTimer>

StatusPanes::StatusPanes(QStatusBar* bar, CDiscwrightDoc& doc, CDiscwrightView& view)
    : QObject(bar), m_doc(doc), m_view(view), m_faceInfo(AddPane(bar, "FaceInformationPane")),
      m_zoom(AddPane(bar, "ZoomPane")), m_pointer(AddPane(bar, "PointerPane")),
      m_date(AddPane(bar, "DatePane")), m_time(AddPane(bar, "TimePane")) {
    m_zoom->setToolTip(tr("Zoom"));
    m_pointer->setToolTip(tr("Pointer position on the face"));
    // Wide enough for "-123.45, -123.45 mm", so the bar does not jump while
    // the mouse moves.
    m_pointer->setMinimumWidth(
        m_pointer->fontMetrics().horizontalAdvance(PointerText(QPoint(-12345, 12345))));
    m_pointer->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    connect(&m_doc, &CDiscwrightDoc::ActiveFaceChanged, this, &StatusPanes::UpdateFaceInformation);
    connect(&m_view, &CDiscwrightView::ZoomChanged, this,
            [this](float zoom) { m_zoom->setText(ZoomText(zoom)); });
    m_view.viewport()->setMouseTracking(true);
    m_view.viewport()->installEventFilter(this);

    auto* clock = new QTimer(this);
    connect(clock, &QTimer::timeout, this, &StatusPanes::UpdateClock);
    clock->start(1000);
    UpdateClock();
    UpdateFaceInformation();
    m_zoom->setText(ZoomText(m_view.Zoom()));
}

QLabel* StatusPanes::AddPane(QStatusBar* bar, const char* name) {
    auto* pane = new QLabel(bar);
    pane->setObjectName(QString::fromLatin1(name));
    bar->addPermanentWidget(pane);
    return pane;
}

QString StatusPanes::FaceInformation(const CDiscwrightDoc& doc) {
    const LabelStock& stock = doc.StockOfFace(doc.ActiveFaceId());
    // Hundredths of a millimetre shown as whole millimetres, truncated.
    return QStringLiteral("%1 - (%2,%3)mm")
        .arg(stock.name)
        .arg(stock.labelWidth / 100, 2, 10, QLatin1Char('0'))
        .arg(stock.labelHeight / 100, 2, 10, QLatin1Char('0'));
}

QString StatusPanes::ZoomText(float zoom) {
    return QStringLiteral("%1%").arg(qRound(double(zoom) * 100.0));
}

QString StatusPanes::PointerText(QPoint facePoint) {
    // Face y grows upwards from the top edge; people read it downwards.
    return QStringLiteral("%1, %2 mm")
        .arg(MillimetreNumber(facePoint.x()), MillimetreNumber(-facePoint.y()));
}

void StatusPanes::UpdateFaceInformation() {
    m_faceInfo->setText(FaceInformation(m_doc));
}

bool StatusPanes::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseMove) {
        const QPoint at = static_cast<QMouseEvent*>(event)->position().toPoint();
        m_pointer->setText(PointerText(m_view.WindowToFace(at)));
    } else if (event->type() == QEvent::Leave) {
        m_pointer->clear();
    }
    return QObject::eventFilter(watched, event);
}

void StatusPanes::UpdateClock() {
    const QDateTime now = QDateTime::currentDateTime();
    const QLocale locale;
    m_date->setText(locale.toString(now.date(), QLocale::ShortFormat));
    m_time->setText(locale.toString(now.time(), QLocale::LongFormat));
}
