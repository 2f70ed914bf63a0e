#include "window/VerticalLabel.h"

#include <QPainter>
#include <QTextBoundaryFinder>

namespace qz7t {

namespace {

QStringList Graphemes(const QString& text)
{
    QStringList parts;
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, text);
    qsizetype start = 0;
    while (finder.toNextBoundary() != -1) {
        parts.append(text.mid(start, finder.position() - start));
        start = finder.position();
    }
    return parts;
}

}  // namespace

void VerticalLabel::paintEvent(QPaintEvent*)
{
    const QStringList characters = Graphemes(text());
    if (characters.isEmpty()) return;
    QPainter painter(this);
    const qreal step = qreal(height()) / characters.size();
    for (qsizetype i = 0; i < characters.size(); ++i) {
        const QRectF cell(0, step * i, width(), step);
        painter.drawText(cell, Qt::AlignCenter | Qt::TextDontClip, characters[i]);
    }
}

}  // namespace qz7t
