#include "window/Form1.h"

#include "image/ImageFile.h"
#include "maps/FuelMap.h"
#include "maps/IgnitionMap.h"
#include "revlimit/RevLimit.h"
#include "window/CommandButton.h"
#include "window/FileList.h"
#include "window/StatusLine.h"
#include "window/StatusMessages.h"

#include <QFile>
#include <QLineEdit>

namespace qz7t {

std::optional<std::string> Form1::chosenFilePath() const
{
    const QString name = files_->selectedName();
    if (!imagePath_ || name.isEmpty()) return std::nullopt;
    return ImageFilePath(*imagePath_, QFile::encodeName(name).toStdString());
}

void Form1::showRefusal(const CellRefusal& refusal)
{
    status_->postStatus(CellRefusalMessage(refusal.reason));
    grid_.focusCell(refusal.box);
}

void Form1::showRevLimit()
{
    revLimitBox_->setText(QString::fromStdString(ShowRevLimit(state_)));
}

void Form1::load()
{
    status_->postStatus(LoadingMessage());
    const std::optional<std::string> path = chosenFilePath();
    const LoadResult result = path ? LoadImage(state_, *path) : LoadResult::NoFileSelected;
    if (result == LoadResult::Loaded) {
        setButtonsVisible({7, 13, 3, 4}, true);
        showRevLimit();
    }
    status_->postStatus(LoadResultMessage(result));
}

void Form1::save()
{
    status_->clearStatus();
    const std::optional<std::string> path = chosenFilePath();
    SaveResult result = SaveResult::NoFileSelected;
    if (path)
        result = SaveImage(state_, *path);
    else if (!state_.layout)
        result = SaveResult::NothingLoaded;
    status_->postStatus(SaveResultMessage(result));
}

void Form1::showIgnitionView() { showMapView({6, 10, 8}, {9, 11, 12}, ShowIgnitionMap); }

void Form1::showFuelView() { showMapView({9, 11, 12}, {6, 10, 8}, ShowFuelMap); }

void Form1::showMapView(std::initializer_list<int> shown, std::initializer_list<int> hidden,
                        void (*show)(EditorState&, MapGrid&))
{
    if (!state_.layout) return status_->postStatus(NothingLoadedMessage());
    setButtonsVisible(shown, true);
    setButtonsVisible(hidden, false);
    status_->clearStatus();
    show(state_, grid_);
    status_->postStatus(DisplayedMessage());
}

void Form1::stepWholeMap(MapResult (*changeBytes)(EditorState&), void (*walk)(EditorState&, MapGrid&))
{
    if (!state_.layout) return status_->postStatus(NothingLoadedMessage());
    if (const MapResult refusal = changeBytes(state_)) return showRefusal(*refusal);
    status_->clearStatus();
    walk(state_, grid_);
    status_->postStatus(DisplayedMessage());
}

void Form1::writeBack(MapResult (*writeBackMap)(EditorState&, MapGrid&))
{
    if (!state_.layout) return status_->postStatus(NothingLoadedMessage());
    status_->clearStatus();
    if (const MapResult refusal = writeBackMap(state_, grid_)) return showRefusal(*refusal);
    status_->postStatus(UpdatedMessage());
}

void Form1::stepRevLimit(bool up)
{
    if (!state_.layout) return status_->postStatus(NothingLoadedMessage());
    status_->clearStatus();
    const RevLimitStep step = up ? StepRevLimitUp(state_) : StepRevLimitDown(state_);
    if (step == RevLimitStep::Stepped) showRevLimit();
    status_->postStatus(RevLimitStepMessage(step));
}

}  // namespace qz7t
