// SPDX-License-Identifier: GPL-3.0-or-later
// How fast the window «Криптоанализ» shows the statistics of the two text areas, in the real main window on the
// offscreen platform: reading both areas, counting, and painting both charts.

#include "bench/SampleText.h"
#include "bench/WindowDoubles.h"

#include "analysis_window/AnalysisWindow.h"
#include "installation/CipherMachine.h"
#include "machine/Windows1251.h"
#include "main_window/Form1.h"
#include "main_window/RichTextBox.h"
#include "main_window/UserDialogs.h"
#include "platform/NoRegistry.h"
#include "platform/SystemBeeper.h"
#include "platform/SystemLauncher.h"
#include <benchmark/benchmark.h>

#include <QApplication>

namespace {

using namespace velista;

using bench::Control;
using bench::NoDialogs;
using bench::RussianKeyboard;

struct ApplicationLoop final : EventLoop {
    void Yield() override { QCoreApplication::processEvents(); }
};

// Each area holds size bytes of Russian prose, the ciphertext area its encryption with rotors 73915, «Ключ1».
void Statistics(benchmark::State& state)
{
    ApplicationLoop loop;
    SystemBeeper beeper;
    RussianKeyboard keyboard;
    NoRegistry registry;
    SystemLauncher launcher;
    NoDialogs dialogs;
    CipherMachine machine{loop};
    Form1 window{machine, Platform{beeper, keyboard, registry, launcher}, dialogs, QString()};
    const std::string bytes = bench::RussianText(static_cast<std::size_t>(state.range(0)), true);
    std::u16string cipher = Windows1251::Decode(bytes);
    RotorBank bank;
    bank.SetDirectly(RotorCatalogue::Shipped(), {7, 3, 9, 1, 5}, u"Ключ1");
    bank.EncipherText(cipher);
    Control<RichTextBox>(window, "RichTextBox2")->SetText(QString::fromStdU16String(Windows1251::Decode(bytes)));
    Control<RichTextBox>(window, "RichTextBox1")->SetText(QString::fromStdU16String(cipher));
    window.show();
    window.OpenAnalysis();
    AnalysisWindow* analysis = window.Analysis();
    QCoreApplication::processEvents();
    for (auto _ : state) {
        analysis->RefreshStatistics();
        // Painted now rather than at the next pass of the event loop: the time until both charts are seen.
        analysis->repaint();
    }
}

}  // namespace

BENCHMARK(Statistics)->Arg(10 << 10)->Arg(1 << 20)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
