#pragma once

#include <QIconEngine>
#include <QString>

// An icon drawn from one SVG file at whatever size it is asked for, so tool
// bars and menus stay sharp at every icon size and device pixel ratio without
// relying on Qt's SVG icon plugin being installed. The disabled look comes
// from the application style when there is one.
class SvgIconEngine final : public QIconEngine {
public:
    explicit SvgIconEngine(QString path);

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override;
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override;
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state,
                         qreal scale) override;
    QIconEngine* clone() const override;
    QString key() const override;
    QString iconName() override;
    bool isNull() override;

private:
    // The picture at `device` pixels, marked with device pixel ratio `ratio`.
    QPixmap Render(const QSize& device, QIcon::Mode mode, qreal ratio) const;

    QString m_path;
    bool m_exists; // widgets ask isNull() often; the file does not come and go
};
