#include "window/Form1.h"

#include "image/ImageFile.h"
#include "maps/FuelMap.h"
#include "maps/IgnitionMap.h"
#include "window/CellBox.h"
#include "window/CommandButton.h"
#include "window/DirList.h"
#include "window/DriveList.h"
#include "window/FileList.h"
#include "window/StatusLine.h"
#include "window/Twips.h"
#include "window/VerticalLabel.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QScreen>
#include <QStyle>

#include <vector>

namespace qz7t {

namespace {

struct ButtonPlace {
    int number;
    const char* caption;
    int left, top, width, height;
};

constexpr ButtonPlace ButtonPlaces[] = {
    {1, "終了", 1560, 2640, 825, 375},
    {2, "LOAD", 120, 2640, 615, 375},
    {3, "燃料マップ", 6360, 6120, 975, 375},
    {4, "点火マップ", 5280, 6120, 975, 375},
    {5, "SAVE", 840, 2640, 615, 375},
    {6, "全体に＋1", 4080, 6240, 1095, 255},
    {7, "上", 8640, 6720, 495, 255},
    {8, "点火更新", 5280, 6600, 975, 375},
    {9, "燃料更新", 6360, 6600, 975, 375},
    {10, "全体に－1", 4080, 6600, 1095, 255},
    {11, "全体に＋１", 7440, 6240, 975, 255},
    {12, "全体に－１", 7440, 6600, 975, 255},
    {13, "下", 9240, 6720, 495, 255},
};

constexpr int ClientWidth = 10035;
constexpr int ClientHeight = 7050;

template <class Widget>
Widget* Place(Widget* widget, const char* name, QRect geometry)
{
    widget->setObjectName(QString::fromLatin1(name));
    widget->setGeometry(geometry);
    return widget;
}

}  // namespace

Form1::Form1(QWidget* parent) : QWidget(parent), grid_(this)
{
    setWindowTitle(QStringLiteral("ＱＺ７Ｔのエディタ"));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setFixedSize(TwipsToPixels(ClientWidth), TwipsToPixels(ClientHeight));
    chooseFont();

    createFileChooser();
    createButtons();
    createLabels();
    createRevLimitBox();
    status_ = Place(new StatusLine(this), "Picture1", TwipsRect(120, 3120, 2295, 375));

    orderFocus();
    command(1)->setFocus();
    centerOnScreen();
}

void Form1::chooseFont()
{
    QFont font(QStringLiteral("Noto Sans CJK JP"));
    font.setPixelSize(12);
    setFont(font);
}

void Form1::centerOnScreen()
{
    setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, size(), screen()->geometry()));
}

void Form1::createFileChooser()
{
    const QString start = QDir::currentPath();
    drives_ = Place(new DriveList(this, start), "Drive1", TwipsRect(120, 120, 2295, 300));
    directories_ = Place(new DirList(this), "Dir1", TwipsRect(120, 480, 2295, 720));
    files_ = Place(new FileList(this), "File1", TwipsRect(120, 1200, 2295, 1170));
    directories_->setPath(start);
    files_->setPath(start);

    connect(drives_, &DriveList::driveChosen, this, [this](const QString& root) {
        if (directories_->setPath(root))
            drives_->keepChoice();
        else
            drives_->revertChoice();
    });
    connect(directories_, &DirList::pathChanged, files_, &FileList::setPath);
    connect(files_, &FileList::fileClicked, this, [this] {
        imagePath_ = CaptureImagePath(QFile::encodeName(files_->path()).toStdString());
    });
}

void Form1::createButtons()
{
    for (const ButtonPlace& place : ButtonPlaces) {
        auto* button = new CommandButton(QString::fromUtf8(place.caption), this);
        const QByteArray name = "Command" + QByteArray::number(place.number);
        Place(button, name.constData(), TwipsRect(place.left, place.top, place.width, place.height));
        button->setVisible(place.number == 1 || place.number == 2 || place.number == 5);
        commands_[static_cast<std::size_t>(place.number)] = button;
    }
    connect(command(1), &QPushButton::clicked, this, &QWidget::close);
    connect(command(2), &QPushButton::clicked, this, &Form1::load);
    connect(command(5), &QPushButton::clicked, this, &Form1::save);
    connect(command(4), &QPushButton::clicked, this, &Form1::showIgnitionView);
    connect(command(3), &QPushButton::clicked, this, &Form1::showFuelView);
    connect(command(6), &QPushButton::clicked, this, [this] { stepWholeMap(RaiseIgnitionBytes, PinAndShowIgnitionMap); });
    connect(command(10), &QPushButton::clicked, this, [this] { stepWholeMap(LowerIgnitionBytes, PinAndShowIgnitionMap); });
    connect(command(11), &QPushButton::clicked, this, [this] { stepWholeMap(RaiseFuelBytes, ZeroAndShowFuelMap); });
    connect(command(12), &QPushButton::clicked, this, [this] {
        stepWholeMap([](EditorState& state) -> MapResult { LowerFuelBytes(state); return std::nullopt; },
                     ZeroAndShowFuelMap);
    });
    connect(command(8), &QPushButton::clicked, this, [this] { writeBack(WriteBackIgnitionMap); });
    connect(command(9), &QPushButton::clicked, this, [this] { writeBack(WriteBackFuelMap); });
    connect(command(7), &QPushButton::clicked, this, [this] { stepRevLimit(true); });
    connect(command(13), &QPushButton::clicked, this, [this] { stepRevLimit(false); });
}

void Form1::createLabels()
{
    // Labels lie under the text boxes where they overlap.
    Place(new QLabel(QStringLiteral("回転数→"), this), "Label1", TwipsRect(3720, 0, 735, 255))->lower();
    Place(new VerticalLabel(QStringLiteral("空気密度↓"), this), "Label2", TwipsRect(2640, 1320, 255, 1095))->lower();
    Place(new QLabel(QStringLiteral("ﾚﾌﾞﾘﾐｯﾀｰ"), this), "Label3", TwipsRect(8760, 6120, 735, 255))->lower();
}

void Form1::createRevLimitBox()
{
    revLimitBox_ = Place(new CellBox(this), "Text225", TwipsRect(8640, 6360, 1095, 270));
}

void Form1::orderFocus()
{
    std::vector<QWidget*> chain{command(1), command(3), command(4), status_, command(2),
                                command(5), drives_,    files_,     directories_};
    for (int box = 1; box <= 210; ++box) chain.push_back(grid_.cell(box));
    for (int number : {7, 8, 9}) chain.push_back(command(number));
    chain.push_back(grid_.cell(211));
    for (int number : {6, 10, 11, 12, 13}) chain.push_back(command(number));
    for (int box = 212; box <= GridBoxCount; ++box) chain.push_back(grid_.cell(box));
    chain.push_back(revLimitBox_);
    for (std::size_t i = 1; i < chain.size(); ++i) QWidget::setTabOrder(chain[i - 1], chain[i]);
}

CommandButton* Form1::command(int number) const
{
    return commands_.at(static_cast<std::size_t>(number));
}

void Form1::setButtonsVisible(std::initializer_list<int> numbers, bool visible) const
{
    for (int number : numbers) command(number)->setVisible(visible);
}

}  // namespace qz7t
