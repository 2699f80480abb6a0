// SPDX-License-Identifier: GPL-3.0-or-later
// How fast the window runs a text, in the real window on the offscreen platform: the whole run, and the
// longest wait of the event loop between two passes while it works; also with the path window open,
// which follows the run once a frame. Also the cost of one timer tick with a long text in each area.

#include "bench/SampleText.h"
#include "bench/WindowDoubles.h"

#include "installation/CipherMachine.h"
#include "machine/Windows1251.h"
#include "main_window/FilteredField.h"
#include "main_window/Form1.h"
#include "main_window/RichTextBox.h"
#include "main_window/UserDialogs.h"
#include "path_window/SymbolPathWindow.h"
#include "platform/ApplicationEventLoop.h"
#include "platform/NoRegistry.h"
#include "platform/SystemBeeper.h"
#include "platform/SystemLauncher.h"
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>

#include <memory>

namespace {

using namespace velista;

using bench::Control;
using bench::NoDialogs;
using bench::RussianKeyboard;

// The main window with the real beep and launcher, rotors 73915 and key "Ключ1" installed.
struct InstalledWindow {
    InstalledWindow()
    {
        Control<FilteredField>(window, "Text4")->setText(QStringLiteral("73915"));
        Control<FilteredField>(window, "Text5")->setText(QStringLiteral("Ключ1"));
        window.InstallRotors();
    }

    ApplicationEventLoop loop;
    SystemBeeper beeper;
    RussianKeyboard keyboard;
    NoRegistry registry;
    SystemLauncher launcher;
    NoDialogs dialogs;
    CipherMachine machine{loop};
    Form1 window{machine, Platform{beeper, keyboard, registry, launcher}, dialogs, QString()};
};

QString Text(std::size_t size, bool lineBreaks)
{
    const std::string bytes = bench::RussianText(size, lineBreaks);
    return QString::fromStdU16String(Windows1251::Decode(bytes));
}

// Times one run and the longest gap between two passes of the event loop during it.
void WindowRun(benchmark::State& state, std::size_t size, bool lineBreaks, bool encrypt = true,
               bool pathWindow = false, RunSpeed speed = RunSpeed::Normal)
{
    InstalledWindow installed;
    Form1& window = installed.window;
    window.show();
    window.SetSpeed(speed);
    if (pathWindow)
        window.ShowPathWindow();
    (encrypt ? Control<RichTextBox>(window, "RichTextBox2") : Control<RichTextBox>(window, "RichTextBox1"))
        ->SetText(Text(size, lineBreaks));

    double longestGap = 0;
    for (auto _ : state) {
        QElapsedTimer sincePass;
        QTimer pass;
        pass.setInterval(0);
        QObject::connect(&pass, &QTimer::timeout, [&] {
            longestGap = std::max(longestGap, double(sincePass.nsecsElapsed()) / 1e6);
            sincePass.start();
        });
        QElapsedTimer run;
        run.start();
        sincePass.start();
        pass.start();
        if (encrypt)
            window.EncryptPlainText();
        else
            window.DecryptCipherText();
        pass.stop();
        state.SetIterationTime(double(run.nsecsElapsed()) / 1e9);
    }
    state.counters["longest_gap_ms"] = longestGap;
    if (pathWindow)
        state.counters["path_window_visible"] = window.PathWindow()->isVisible() ? 1 : 0;
    state.counters["positions"] =
        double((encrypt ? Control<RichTextBox>(window, "RichTextBox1") : Control<RichTextBox>(window, "RichTextBox2"))
                   ->SymbolCount());
}

// One tick of the polling timer with 1 MiB in each area: its cost must not grow with the texts.
void TimerTick(benchmark::State& state)
{
    InstalledWindow installed;
    Form1& window = installed.window;
    const QString text = Text(static_cast<std::size_t>(state.range(0)), true);
    Control<RichTextBox>(window, "RichTextBox1")->SetText(text);
    Control<RichTextBox>(window, "RichTextBox2")->SetText(text);
    for (auto _ : state)
        QMetaObject::invokeMethod(Control<QTimer>(window, "Timer1"), "timeout");
}

void EncryptOneMebibyte(benchmark::State& state) { WindowRun(state, 1 << 20, true); }
void DecryptOneMebibyte(benchmark::State& state) { WindowRun(state, 1 << 20, true, false); }
void EncryptOneMebibyteOneLine(benchmark::State& state) { WindowRun(state, 1 << 20, false); }
void EncryptTenKibibytes(benchmark::State& state) { WindowRun(state, 10 << 10, true); }
void EncryptOneMebibyteWithPathWindow(benchmark::State& state)
{
    WindowRun(state, 1 << 20, true, true, true, RunSpeed::NoDelay);
}

}  // namespace

BENCHMARK(EncryptTenKibibytes)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(TimerTick)->Arg(0)->Arg(1 << 20)->Unit(benchmark::kMicrosecond);
BENCHMARK(EncryptOneMebibyte)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(DecryptOneMebibyte)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(EncryptOneMebibyteWithPathWindow)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(EncryptOneMebibyteOneLine)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(1);

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
