#pragma once

#include "labelstock/label_stock.h"
#include "platform/ini_document.h"

#include <QWidget>

// A label stock sheet drawn to scale: the sheet in white on a dark grey
// ground, each label's outline and hole and its guide lines. In clickable
// mode (the print dialog) labels of the record's kind show blue when they
// will be printed and white when not; clicking one toggles it; labels of
// other kinds, and every label of a kind that is not printed, are grey.
//
// The control does not own the record it shows; ShowLabelStock reads the
// file's label positions into it (and keeps the file for drawing).
class LabelStockPreview : public QWidget {
    Q_OBJECT
public:
    explicit LabelStockPreview(QWidget* parent = nullptr);

    // Reads `path` into `record` (ReadLabelLayout) and shows it.
    void ShowLabelStock(const QString& path, LabelStock* record);
    LabelStock* Record() const { return m_record; }

    void SetClickable(bool on) { m_clickable = on; }
    bool Clickable() const { return m_clickable; }

    // The sheet and label rectangles in the control's pixels, as last drawn
    // (also stored in each slot's preview rectangle).
    QRect SheetRect() const;
    QRect LabelRect(int slot) const;

    QSize sizeHint() const override { return {150, 190}; }

    // a * b / c rounded to the nearest integer, halves away from zero; -1
    // when c is 0.
    static int MulDiv(int a, int b, int c);

Q_SIGNALS:
    // A click changed which labels are chosen.
    void LabelsToggled();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    void UpdatePreviewRects();

    LabelStock* m_record = nullptr;
    IniDocument m_file;
    bool m_clickable = false;
};
