#pragma once

#include <QFont>
#include <QIcon>
#include <QRect>
#include <QSize>
#include <QString>

#include <memory>
#include <vector>

class QWidget;

namespace qz7t::bench {

enum class ControlKind { LineEdit, PushButton, Label, ComboBox, ListWidget, Plain };

struct ListEntry {
    QString text;
    QIcon icon;
};

// What a plain Qt widget can copy of one control: no subclass, no behaviour.
struct ControlBlueprint {
    ControlKind kind = ControlKind::Plain;
    QString name;
    QRect geometry;
    QString text;
    std::vector<ListEntry> entries;  // the items of a combo box or list
    int currentRow = -1;
    bool hidden = false;
};

struct WindowBlueprint {
    QString title;
    Qt::WindowFlags flags;
    QRect geometry;
    QSize minimumSize;
    QSize maximumSize;
    QFont font;
    std::vector<ControlBlueprint> controls;  // bottom of the stack first
};

// Reads the direct child controls of a built, not yet shown window.
WindowBlueprint CopyBlueprint(const QWidget& window);

// The same controls as plain QLineEdit, QPushButton, QLabel, QComboBox, QListWidget and QWidget.
std::unique_ptr<QWidget> BuildPlainWindow(const WindowBlueprint& blueprint);

}  // namespace qz7t::bench
