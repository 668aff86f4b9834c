#include "font_face_list.h"

#include <QAbstractItemView>
#include <QFontInfo>
#include <QStyleOptionComboBox>
#include <QStylePainter>

namespace {

// Faces made to the metrics of common Windows fonts, so that text set in one
// takes the same room in the other.
struct MetricAlias {
    const char* face;
    const char* compatible[2];
};
constexpr MetricAlias kMetricAliases[] = {
    {"Arial", {"Liberation Sans", "Arimo"}},
    {"Helvetica", {"Liberation Sans", "Arimo"}},
    {"Times New Roman", {"Liberation Serif", "Tinos"}},
    {"Courier New", {"Liberation Mono", "Cousine"}},
    {"Arial Narrow", {"Liberation Sans Narrow", nullptr}},
    {"Calibri", {"Carlito", nullptr}},
    {"Cambria", {"Caladea", nullptr}},
    {"Georgia", {"Gelasio", nullptr}},
};

} // namespace

FontFaceList::FontFaceList(QWidget* parent) : QFontComboBox(parent) {
    setFontFilters(QFontComboBox::ScalableFonts);
    setEditable(false);
    view()->setMinimumWidth(300);
    // Choosing an entry names that face itself.
    connect(this, &QComboBox::activated, this, [this] {
        m_substituted.clear();
        update();
    });
}

QString FontFaceList::MetricCompatibleFace(const QString& name) {
    const QString drawnWith = QFontInfo(QFont(name)).family();
    for (const MetricAlias& alias : kMetricAliases) {
        if (name.compare(QLatin1String(alias.face), Qt::CaseInsensitive) != 0)
            continue;
        for (const char* face : alias.compatible)
            if (face != nullptr && drawnWith == QLatin1String(face))
                return drawnWith;
    }
    return QString();
}

void FontFaceList::ShowFace(const QString& name) {
    m_substituted.clear();
    int index = findText(name, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (index < 0) {
        const QString compatible = MetricCompatibleFace(name);
        index = compatible.isEmpty() ? -1 : findText(compatible, Qt::MatchExactly);
        if (index >= 0)
            m_substituted = QStringLiteral("%1 (%2)").arg(name, compatible);
    }
    setCurrentIndex(index);
    // Shown greyed when no entry is selected.
    setPlaceholderText(name);
    update();
}

QString FontFaceList::ShownText() const {
    if (!m_substituted.isEmpty())
        return m_substituted;
    return currentIndex() >= 0 ? currentText() : placeholderText();
}

void FontFaceList::paintEvent(QPaintEvent* event) {
    if (m_substituted.isEmpty()) {
        QFontComboBox::paintEvent(event);
        return;
    }
    QStylePainter painter(this);
    QStyleOptionComboBox option;
    initStyleOption(&option);
    option.currentText = m_substituted;
    painter.drawComplexControl(QStyle::CC_ComboBox, option);
    painter.drawControl(QStyle::CE_ComboBoxLabel, option);
}
