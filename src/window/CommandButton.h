#pragma once

#include <QPushButton>

namespace qz7t {

// A push button that Enter and Return press as well as Space.
class CommandButton : public QPushButton {
    Q_OBJECT
public:
    using QPushButton::QPushButton;

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace qz7t
