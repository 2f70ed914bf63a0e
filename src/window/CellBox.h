#pragma once

#include <QLineEdit>

namespace qz7t {

// A text box with a one-pixel border, so that three digits fit a 25 x 18 pixel box.
class CellBox : public QLineEdit {
    Q_OBJECT
public:
    explicit CellBox(QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace qz7t
