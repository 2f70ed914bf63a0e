#include "window/StatusLine.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>

namespace qz7t {

StatusLine::StatusLine(QWidget* parent) : QFrame(parent)
{
    setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    setBackgroundRole(QPalette::Base);
    setAutoFillBackground(true);
    setFocusPolicy(Qt::TabFocus);
}

void StatusLine::clearStatus()
{
    text_.clear();
    repaint();
}

void StatusLine::postStatus(const QString& message)
{
    text_ = message;
    repaint();
}

void StatusLine::paintEvent(QPaintEvent* event)
{
    QFrame::paintEvent(event);
    QPainter painter(this);
    const QRect area = contentsRect();
    painter.drawText(area, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, text_);
    if (hasFocus()) {
        QStyleOptionFocusRect option;
        option.initFrom(this);
        option.rect = area;
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
    }
}

}  // namespace qz7t
