// Times the window up to its first paint, its plain-widget floor, and each command on a loaded image.
#include "PlainWindow.h"
#include "WindowTestSupport.h"

#include "window/Form1.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace {

using qz7t::Form1;
namespace test = qz7t::test;

constexpr const char* RomName = "rom.bin";
constexpr std::size_t ControlCount = 245;

struct Command {
    const char* name;
    int button;
    const char* done;            // the status text of success
    int view = 0;                // the map button to press before, 0 for none
    int undo = 0;                // the button that takes a step back between runs, 0 when none is needed
    const char* undone = nullptr;
};

constexpr Command Commands[] = {
    {"LOAD", 2, "読み込み完了"},
    {"SAVE", 5, "書き込み完了"},
    {"show_ignition_map", 4, "表示完了"},
    {"show_fuel_map", 3, "表示完了"},
    {"ignition_plus_1", 6, "表示完了", 4, 10, "表示完了"},
    {"ignition_minus_1", 10, "表示完了", 4, 6, "表示完了"},
    {"fuel_plus_1", 11, "表示完了", 3, 12, "表示完了"},
    {"fuel_minus_1", 12, "表示完了", 3, 11, "表示完了"},
    {"ignition_write_back", 8, "更新完了", 4},
    {"fuel_write_back", 9, "更新完了", 3},
    {"rev_limit_up", 7, "更新完了", 0, 13, "更新完了"},
    {"rev_limit_down", 13, "更新完了", 0, 7, "更新完了"},
};

class PaintCounter : public QObject {
public:
    explicit PaintCounter(QWidget& widget) { widget.installEventFilter(this); }
    int count() const { return count_; }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) ++count_;
        return false;
    }

private:
    int count_ = 0;
};

// The window paints its children in the same pass as itself, so its own first paint event is enough.
bool ShowUntilPainted(QWidget& window)
{
    const PaintCounter paints(window);
    window.show();
    const QDeadlineTimer deadline(10000);
    while (paints.count() == 0) {
        if (deadline.hasExpired()) return false;
        QCoreApplication::processEvents();
    }
    return true;
}

// Runs what the last command left queued, such as repaints and deferred deletes.
void Settle()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

bool StatusIs(const Form1& form, const char* text)
{
    return test::StatusText(form) == QString::fromUtf8(text);
}

void BuildAndPaint(benchmark::State& state, const std::function<std::unique_ptr<QWidget>()>& build)
{
    for (auto _ : state) {
        std::unique_ptr<QWidget> window = build();
        const bool painted = ShowUntilPainted(*window);
        state.PauseTiming();
        window.reset();
        Settle();
        if (!painted) {
            state.SkipWithError("the window was not painted within 10 s");
            break;
        }
        state.ResumeTiming();
    }
}

// A shown window with the image loaded and, when the command needs one, its map on view.
std::string PrepareWindow(Form1& form, const Command& command, const QString& directory)
{
    test::ShowAndActivate(form);
    if (!test::ChooseFile(form, directory, QString::fromLatin1(RomName))) return "cannot choose the image";
    test::Button(form, 2)->click();
    if (!StatusIs(form, "読み込み完了")) return "LOAD failed: " + test::StatusText(form).toStdString();
    if (command.view != 0) {
        test::Button(form, command.view)->click();
        if (!StatusIs(form, "表示完了")) return "the map was not shown: " + test::StatusText(form).toStdString();
    }
    Settle();
    return {};
}

// The timing ends once the window has painted what the command changed.
void RunCommand(benchmark::State& state, const Command& command, const QString& directory)
{
    Form1 form;
    if (const std::string failure = PrepareWindow(form, command, directory); !failure.empty()) {
        state.SkipWithError(failure.c_str());
        return;
    }
    QPushButton* const button = test::Button(form, command.button);
    QPushButton* const undo = command.undo != 0 ? test::Button(form, command.undo) : nullptr;
    for (auto _ : state) {
        button->click();
        QCoreApplication::processEvents();
        state.PauseTiming();
        std::string failure;
        if (!StatusIs(form, command.done)) failure = "the command said: " + test::StatusText(form).toStdString();
        if (failure.empty() && undo) {
            undo->click();
            if (!StatusIs(form, command.undone))
                failure = "the step back said: " + test::StatusText(form).toStdString();
        }
        Settle();
        if (!failure.empty()) {
            state.SkipWithError(failure.c_str());
            break;
        }
        state.ResumeTiming();
    }
}

// The floor of a whole-map command: 224 plain line edits get new texts and repaint at once.
void RetextPlainGrid(benchmark::State& state, const qz7t::bench::WindowBlueprint& blueprint)
{
    const std::unique_ptr<QWidget> window = qz7t::bench::BuildPlainWindow(blueprint);
    if (!ShowUntilPainted(*window)) {
        state.SkipWithError("the window was not painted within 10 s");
        return;
    }
    std::vector<QLineEdit*> cells;
    for (int box = 1; box <= 224; ++box)
        cells.push_back(window->findChild<QLineEdit*>(QStringLiteral("Text%1").arg(box)));
    auto* const status = window->findChild<QWidget*>(QStringLiteral("Picture1"));
    if (std::ranges::count(cells, nullptr) != 0 || !status) {
        state.SkipWithError("the plain window lacks a grid box or the status line");
        return;
    }
    Settle();
    int round = 0;
    for (auto _ : state) {
        ++round;
        for (std::size_t i = 0; i < cells.size(); ++i) cells[i]->setText(QString::number((i + round) % 256));
        status->repaint();
        QCoreApplication::processEvents();
        state.PauseTiming();
        Settle();
        state.ResumeTiming();
    }
}

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 2;
    QApplication application(argc, argv);

    // TMPDIR picks the disk that SAVE writes to.
    const QTemporaryDir directory;
    const QString image = directory.filePath(QString::fromLatin1(RomName));
    if (!directory.isValid() || !test::WriteFile(image, test::Rom().bytes())) {
        std::fprintf(stderr, "cannot write a test image to a temporary directory\n");
        return 1;
    }
    // The window lists its start directory while it is built: this one holds only the image.
    if (!QDir::setCurrent(directory.path())) {
        std::fprintf(stderr, "cannot enter %s\n", qPrintable(directory.path()));
        return 1;
    }

    const qz7t::bench::WindowBlueprint blueprint = [] {
        const Form1 form;
        return qz7t::bench::CopyBlueprint(form);
    }();
    if (blueprint.controls.size() != ControlCount) {
        std::fprintf(stderr, "the window has %zu controls, not %zu\n", blueprint.controls.size(), ControlCount);
        return 1;
    }

    int failed = 0;
    const auto counted = [&failed](std::function<void(benchmark::State&)> run) {
        return [&failed, run = std::move(run)](benchmark::State& state) {
            run(state);
            if (state.error_occurred()) ++failed;
        };
    };

    benchmark::RegisterBenchmark("window/build", counted([](benchmark::State& state) {
        BuildAndPaint(state, []() -> std::unique_ptr<QWidget> { return std::make_unique<Form1>(); });
    }))->Unit(benchmark::kMillisecond)->UseRealTime();
    benchmark::RegisterBenchmark("plain_widgets/build", counted([&blueprint](benchmark::State& state) {
        BuildAndPaint(state, [&blueprint] { return qz7t::bench::BuildPlainWindow(blueprint); });
    }))->Unit(benchmark::kMillisecond)->UseRealTime();

    const QString path = directory.path();
    for (const Command& command : Commands) {
        const std::string name = std::string("command/") + command.name;
        benchmark::RegisterBenchmark(name.c_str(), counted([&command, path](benchmark::State& state) {
            RunCommand(state, command, path);
        }))->Unit(benchmark::kMicrosecond)->UseRealTime();
    }
    benchmark::RegisterBenchmark("plain_widgets/retext_224_boxes", counted([&blueprint](benchmark::State& state) {
        RetextPlainGrid(state, blueprint);
    }))->Unit(benchmark::kMicrosecond)->UseRealTime();

    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    if (failed != 0) std::fprintf(stderr, "%d benchmark run(s) failed\n", failed);
    return failed == 0 ? 0 : 1;
}
