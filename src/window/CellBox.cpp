#include "window/CellBox.h"

#include <QPainter>

namespace qz7t {

CellBox::CellBox(QWidget* parent) : QLineEdit(parent)
{
    setFrame(false);
    setAutoFillBackground(true);
}

void CellBox::paintEvent(QPaintEvent* event)
{
    QLineEdit::paintEvent(event);
    QPainter painter(this);
    const QPalette::ColorRole border = hasFocus() ? QPalette::Highlight : QPalette::Mid;
    painter.setPen(palette().color(border));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

}  // namespace qz7t
