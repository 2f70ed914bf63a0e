#include "window/CommandButton.h"

#include <QKeyEvent>

namespace qz7t {

void CommandButton::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        // A held key must not repeat a command such as a whole-map step.
        if (!event->isAutoRepeat()) click();
        event->accept();
        return;
    }
    QPushButton::keyPressEvent(event);
}

}  // namespace qz7t
