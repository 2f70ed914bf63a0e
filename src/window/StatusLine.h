#pragma once

#include <QFrame>
#include <QString>

namespace qz7t {

// The status area: one line of text drawn from its top-left corner.
class StatusLine : public QFrame {
    Q_OBJECT
public:
    explicit StatusLine(QWidget* parent);

    QString text() const { return text_; }
    // Both paint at once, so the text is on screen before a command goes on.
    void clearStatus();
    void postStatus(const QString& message);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString text_;
};

}  // namespace qz7t
