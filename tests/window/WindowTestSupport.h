#pragma once

#include "window/Form1.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>
#include <string>

class QLineEdit;
class QPushButton;

namespace qz7t::test {

inline constexpr int IgnitionAt = 29861;
inline constexpr int FuelAt = 29090;
inline constexpr int RevLimitHighAt = 27946;
inline constexpr int ClearedByteAt = 31519;

// Map byte offsets of a grid box.
constexpr int IgnitionOffset(int box) { return box - 1; }
constexpr int FuelOffset(int box) { return 13 * ((box - 1) / 14) + (box - 1) % 14; }

// A 32,768-byte image with distinct bytes everywhere, a given first byte and a rev-limit period of 2000.
class Rom {
public:
    explicit Rom(std::uint8_t mark = 0x40);

    int mapShift() const { return mark_ == 0x50 ? 25 : 0; }
    int revLimitShift() const { return mark_ == 0x50 ? -1 : 0; }

    Rom& ignition(int box, std::uint8_t value);
    Rom& fuel(int box, std::uint8_t value);
    Rom& period(std::uint16_t value);

    std::uint8_t ignitionByte(int box) const;
    std::uint8_t fuelByte(int box) const;
    const QByteArray& bytes() const { return bytes_; }

private:
    std::uint8_t mark_;
    QByteArray bytes_;
};

bool WriteFile(const QString& path, const QByteArray& bytes);
QByteArray ReadFile(const QString& path);

// A window shown and active, as a user meets it.
void ShowAndActivate(Form1& form);

QWidget* Control(const Form1& form, const QString& name);
QPushButton* Button(const Form1& form, int number);
QLineEdit* Cell(const Form1& form, int box);
QString StatusText(const Form1& form);
// "Command1"... of the buttons visible now, by number.
QStringList VisibleButtons(const Form1& form);

// Real input events; each returns false when the control cannot take them.
bool Click(Form1& form, int buttonNumber);
bool TypeInto(Form1& form, int box, const QString& text);
// Moves the directory list to the directory and clicks the file in the file list.
bool ChooseFile(Form1& form, const QString& directory, const QString& name);
// Presses Tab (or Shift+Tab) until the named control has the focus.
bool TabTo(const QString& name, bool backwards = false);

// What a refused command must leave as it was.
struct WindowSnapshot {
    QByteArray image;
    bool loaded = false;
    QStringList texts;  // Text1 to Text225
    QStringList visibleButtons;
    std::optional<std::string> imagePath;
    friend bool operator==(const WindowSnapshot&, const WindowSnapshot&) = default;
};
WindowSnapshot Snapshot(const Form1& form);

}  // namespace qz7t::test
