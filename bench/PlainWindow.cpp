#include "PlainWindow.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace qz7t::bench {

namespace {

std::vector<ListEntry> ComboEntries(const QComboBox& combo)
{
    std::vector<ListEntry> entries;
    for (int i = 0; i < combo.count(); ++i) entries.push_back({combo.itemText(i), combo.itemIcon(i)});
    return entries;
}

std::vector<ListEntry> ListEntries(const QListWidget& list)
{
    std::vector<ListEntry> entries;
    for (int i = 0; i < list.count(); ++i) entries.push_back({list.item(i)->text(), list.item(i)->icon()});
    return entries;
}

ControlBlueprint CopyControl(const QWidget& control, const QWidget& window)
{
    ControlBlueprint copy;
    copy.name = control.objectName();
    copy.geometry = control.geometry();
    copy.hidden = !control.isVisibleTo(&window);
    if (const auto* edit = qobject_cast<const QLineEdit*>(&control)) {
        copy.kind = ControlKind::LineEdit;
        copy.text = edit->text();
    } else if (const auto* button = qobject_cast<const QAbstractButton*>(&control)) {
        copy.kind = ControlKind::PushButton;
        copy.text = button->text();
    } else if (const auto* combo = qobject_cast<const QComboBox*>(&control)) {
        copy.kind = ControlKind::ComboBox;
        copy.entries = ComboEntries(*combo);
        copy.currentRow = combo->currentIndex();
    } else if (const auto* list = qobject_cast<const QListWidget*>(&control)) {
        copy.kind = ControlKind::ListWidget;
        copy.entries = ListEntries(*list);
        copy.currentRow = list->currentRow();
    } else if (const auto* label = qobject_cast<const QLabel*>(&control)) {
        copy.kind = ControlKind::Label;
        copy.text = label->text();
    }
    return copy;
}

QWidget* BuildControl(const ControlBlueprint& control, QWidget* window)
{
    switch (control.kind) {
    case ControlKind::LineEdit: return new QLineEdit(control.text, window);
    case ControlKind::PushButton: return new QPushButton(control.text, window);
    case ControlKind::Label: return new QLabel(control.text, window);
    case ControlKind::ComboBox: {
        auto* combo = new QComboBox(window);
        for (const ListEntry& entry : control.entries) combo->addItem(entry.icon, entry.text);
        combo->setCurrentIndex(control.currentRow);
        return combo;
    }
    case ControlKind::ListWidget: {
        auto* list = new QListWidget(window);
        for (const ListEntry& entry : control.entries) {
            list->addItem(entry.text);
            list->item(list->count() - 1)->setIcon(entry.icon);
        }
        list->setCurrentRow(control.currentRow);
        return list;
    }
    case ControlKind::Plain: break;
    }
    return new QWidget(window);
}

}  // namespace

WindowBlueprint CopyBlueprint(const QWidget& window)
{
    WindowBlueprint blueprint;
    blueprint.title = window.windowTitle();
    blueprint.flags = window.windowFlags();
    blueprint.geometry = window.geometry();
    blueprint.minimumSize = window.minimumSize();
    blueprint.maximumSize = window.maximumSize();
    blueprint.font = window.font();
    for (const QObject* child : window.children()) {
        if (const auto* control = qobject_cast<const QWidget*>(child))
            blueprint.controls.push_back(CopyControl(*control, window));
    }
    return blueprint;
}

std::unique_ptr<QWidget> BuildPlainWindow(const WindowBlueprint& blueprint)
{
    auto window = std::make_unique<QWidget>();
    window->setWindowTitle(blueprint.title);
    window->setWindowFlags(blueprint.flags);
    window->setMinimumSize(blueprint.minimumSize);
    window->setMaximumSize(blueprint.maximumSize);
    window->setGeometry(blueprint.geometry);
    window->setFont(blueprint.font);
    for (const ControlBlueprint& control : blueprint.controls) {
        QWidget* widget = BuildControl(control, window.get());
        widget->setObjectName(control.name);
        widget->setGeometry(control.geometry);
        if (control.hidden) widget->hide();
    }
    return window;
}

}  // namespace qz7t::bench
