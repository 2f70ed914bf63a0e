#pragma once

#include <QLabel>

namespace qz7t {

// A label that stands its caption as a column of characters, one under the other.
class VerticalLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace qz7t
