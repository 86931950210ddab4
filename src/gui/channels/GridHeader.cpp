#include "channels/GridHeader.h"

#include <QPainter>

#include "channels/GridColumns.h"

namespace tarn::gui {
namespace {

QString Text(std::string_view s) { return QString::fromLatin1(s.data(), static_cast<int>(s.size())); }

}  // namespace

GridHeader::GridHeader(QWidget* parent) : QHeaderView(Qt::Horizontal, parent) {
    setSectionsClickable(false);
    setSectionsMovable(false);
    setHighlightSections(false);
    setSectionResizeMode(QHeaderView::Fixed);
    setMinimumSectionSize(0);
}

int GridHeader::RowHeight() const { return fontMetrics().height() + 6; }

QSize GridHeader::sizeHint() const {
    QSize size = QHeaderView::sizeHint();
    size.setHeight(2 * RowHeight());
    return size;
}

void GridHeader::PaintCell(QPainter* painter, const QRect& rect, const QString& text) const {
    QStyleOptionHeader option;
    initStyleOption(&option);
    option.rect = rect;
    option.text = text;
    option.textAlignment = Qt::AlignCenter;
    option.position = QStyleOptionHeader::Middle;
    option.state |= QStyle::State_Enabled;
    style()->drawControl(QStyle::CE_Header, &option, painter, this);
}

void GridHeader::paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const {
    if (logicalIndex < 0 || logicalIndex >= kGridColumnCount) return;
    const int top = rect.top() + rect.height() / 2;
    PaintCell(painter, QRect(rect.left(), top, rect.width(), rect.bottom() - top + 1),
              Text(GridColumns()[logicalIndex].bottomCaption));
}

void GridHeader::paintEvent(QPaintEvent* event) {
    QHeaderView::paintEvent(event);
    QPainter painter(viewport());
    const int height = viewport()->height() / 2;
    for (const HeaderSpan& span : TopHeaderSpans()) {
        int left = -1;
        int right = -1;
        for (int c = span.first; c <= span.last && c < count(); ++c) {
            if (isSectionHidden(c) || sectionSize(c) == 0) continue;
            const int x = sectionViewportPosition(c);
            if (left < 0) left = x;
            right = x + sectionSize(c);
        }
        if (left < 0) continue;
        PaintCell(&painter, QRect(left, 0, right - left, height), Text(span.caption));
    }
}

}  // namespace tarn::gui
