#include "WindowTestSupport.h"

#include "window/DirList.h"
#include "window/FileList.h"
#include "window/StatusLine.h"

#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace qz7t::test {

namespace {

constexpr int RomSize = 32768;

}  // namespace

Rom::Rom(std::uint8_t mark) : mark_(mark), bytes_(RomSize, '\0')
{
    for (int i = 0; i < RomSize; ++i) bytes_[i] = static_cast<char>((i * 31 + 7) % 251);
    bytes_[0] = static_cast<char>(mark);
    for (int box = 1; box <= 224; ++box) ignition(box, static_cast<std::uint8_t>(20 + box % 200));
    for (int box = 1; box <= 224; ++box)
        if (box % 14 != 0) fuel(box, static_cast<std::uint8_t>(10 + (box * 7) % 180));
    period(2000);
}

Rom& Rom::ignition(int box, std::uint8_t value)
{
    bytes_[IgnitionAt + mapShift() + IgnitionOffset(box)] = static_cast<char>(value);
    return *this;
}

Rom& Rom::fuel(int box, std::uint8_t value)
{
    bytes_[FuelAt + mapShift() + FuelOffset(box)] = static_cast<char>(value);
    return *this;
}

Rom& Rom::period(std::uint16_t value)
{
    bytes_[RevLimitHighAt + revLimitShift()] = static_cast<char>(value >> 8);
    bytes_[RevLimitHighAt + revLimitShift() + 1] = static_cast<char>(value & 0xFF);
    return *this;
}

std::uint8_t Rom::ignitionByte(int box) const
{
    return static_cast<std::uint8_t>(bytes_[IgnitionAt + mapShift() + IgnitionOffset(box)]);
}

std::uint8_t Rom::fuelByte(int box) const
{
    return static_cast<std::uint8_t>(bytes_[FuelAt + mapShift() + FuelOffset(box)]);
}

bool WriteFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

QByteArray ReadFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void ShowAndActivate(Form1& form)
{
    form.show();
    form.activateWindow();
    if (!QTest::qWaitForWindowActive(&form)) qWarning("the window did not become active");
}

QWidget* Control(const Form1& form, const QString& name)
{
    auto* control = form.findChild<QWidget*>(name);
    if (!control) qFatal("no control named %s", qPrintable(name));
    return control;
}

QPushButton* Button(const Form1& form, int number)
{
    return qobject_cast<QPushButton*>(Control(form, QStringLiteral("Command%1").arg(number)));
}

QLineEdit* Cell(const Form1& form, int box)
{
    return qobject_cast<QLineEdit*>(Control(form, QStringLiteral("Text%1").arg(box)));
}

QString StatusText(const Form1& form)
{
    return form.findChild<StatusLine*>(QStringLiteral("Picture1"))->text();
}

QStringList VisibleButtons(const Form1& form)
{
    QStringList visible;
    for (int number = 1; number <= 13; ++number)
        if (Button(form, number)->isVisibleTo(&form)) visible.append(QStringLiteral("Command%1").arg(number));
    return visible;
}

bool Click(Form1& form, int buttonNumber)
{
    QPushButton* button = Button(form, buttonNumber);
    if (!button->isVisible()) return false;
    QTest::mouseClick(button, Qt::LeftButton);
    return true;
}

bool TypeInto(Form1& form, int box, const QString& text)
{
    QLineEdit* cell = Cell(form, box);
    if (!cell->isVisible()) return false;
    QTest::mouseClick(cell, Qt::LeftButton);
    QTest::keyClick(cell, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(cell, Qt::Key_Delete);
    QTest::keyClicks(cell, text);
    return cell->text() == text;
}

bool ChooseFile(Form1& form, const QString& directory, const QString& name)
{
    auto* directories = form.findChild<DirList*>(QStringLiteral("Dir1"));
    auto* files = form.findChild<FileList*>(QStringLiteral("File1"));
    if (!directories->setPath(directory)) return false;
    const QList<QListWidgetItem*> found = files->findItems(name, Qt::MatchExactly);
    if (found.size() != 1) return false;
    files->scrollToItem(found.first());
    QTest::mouseClick(files->viewport(), Qt::LeftButton, {}, files->visualItemRect(found.first()).center());
    return files->selectedName() == name;
}

bool TabTo(const QString& name, bool backwards)
{
    for (int presses = 0; presses < 300; ++presses) {
        QWidget* focus = QApplication::focusWidget();
        if (!focus) return false;
        if (focus->objectName() == name) return true;
        QTest::keyClick(focus, backwards ? Qt::Key_Backtab : Qt::Key_Tab,
                        backwards ? Qt::ShiftModifier : Qt::NoModifier);
    }
    return false;
}

WindowSnapshot Snapshot(const Form1& form)
{
    WindowSnapshot snapshot;
    const ImageBuffer& image = form.state().image;
    snapshot.image = QByteArray(reinterpret_cast<const char*>(image.data()), static_cast<qsizetype>(image.size()));
    snapshot.loaded = form.state().layout.has_value();
    for (int box = 1; box <= 225; ++box)
        snapshot.texts.append(qobject_cast<QLineEdit*>(Control(form, QStringLiteral("Text%1").arg(box)))->text());
    snapshot.visibleButtons = VisibleButtons(form);
    snapshot.imagePath = form.imagePath();
    return snapshot;
}

}  // namespace qz7t::test
