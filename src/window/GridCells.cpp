#include "window/GridCells.h"

#include "window/CellBox.h"
#include "window/Twips.h"

#include <QString>

namespace qz7t {

namespace {

QString StartText(int box)
{
    return box == 211 ? QStringLiteral("Tex") : QStringLiteral("Text%1").arg(box);
}

}  // namespace

GridCells::GridCells(QWidget* window)
{
    for (int box = 1; box <= GridBoxCount; ++box) {
        auto* cell = new CellBox(window);
        const QString name = QStringLiteral("Text%1").arg(box);
        cell->setObjectName(name);
        cell->setGeometry(TwipsRect(3120 + 480 * BoxColumn(box), 240 + 360 * BoxRow(box), 375, 270));
        cells_[box - 1] = cell;
        SetCellText(box, StartText(box).toStdString());
    }
}

std::string GridCells::CellText(int box) const
{
    return cell(box)->text().toStdString();
}

void GridCells::SetCellText(int box, std::string_view text)
{
    QLineEdit* target = cell(box);
    target->setText(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
    // Show a text too long for the box from its start.
    target->setCursorPosition(0);
}

QLineEdit* GridCells::cell(int box) const
{
    return cells_.at(static_cast<std::size_t>(box - 1));
}

void GridCells::focusCell(int box) const
{
    QLineEdit* target = cell(box);
    target->setFocus(Qt::OtherFocusReason);
    target->selectAll();
}

}  // namespace qz7t
