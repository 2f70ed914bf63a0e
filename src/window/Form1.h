#pragma once

#include "image/EditorState.h"
#include "maps/CellRefusal.h"
#include "maps/MapGrid.h"
#include "window/GridCells.h"

#include <QWidget>

#include <array>
#include <initializer_list>
#include <optional>
#include <string>

class QLineEdit;

namespace qz7t {

class CommandButton;
class DirList;
class DriveList;
class FileList;
class StatusLine;

// The editor's one window: it owns the image state and runs every command.
class Form1 : public QWidget {
    Q_OBJECT
public:
    explicit Form1(QWidget* parent = nullptr);

    const EditorState& state() const { return state_; }
    // The directory captured by the last click on a file; none before the first click.
    const std::optional<std::string>& imagePath() const { return imagePath_; }

private:
    void createFileChooser();
    void createButtons();
    void createLabels();
    void createRevLimitBox();
    void orderFocus();
    void chooseFont();
    void centerOnScreen();

    CommandButton* command(int number) const;
    void setButtonsVisible(std::initializer_list<int> numbers, bool visible) const;
    std::optional<std::string> chosenFilePath() const;
    void showRefusal(const CellRefusal& refusal);
    void showRevLimit();

    void load();
    void save();
    void showIgnitionView();
    void showFuelView();
    void showMapView(std::initializer_list<int> shown, std::initializer_list<int> hidden,
                     void (*show)(EditorState&, MapGrid&));
    void stepWholeMap(MapResult (*changeBytes)(EditorState&), void (*walk)(EditorState&, MapGrid&));
    void writeBack(MapResult (*writeBackMap)(EditorState&, MapGrid&));
    void stepRevLimit(bool up);

    EditorState state_;
    std::optional<std::string> imagePath_;
    GridCells grid_;
    std::array<CommandButton*, 14> commands_{};  // index = the button's number, 0 unused
    QLineEdit* revLimitBox_ = nullptr;
    StatusLine* status_ = nullptr;
    DriveList* drives_ = nullptr;
    DirList* directories_ = nullptr;
    FileList* files_ = nullptr;
};

}  // namespace qz7t
