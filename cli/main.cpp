// SPDX-License-Identifier: GPL-3.0-or-later
// velista-cli: the cipher machine for batch work on files.

#include "cli/AttackCommand.h"
#include "cli/BatchError.h"
#include "cli/CommandLine.h"
#include "cli/InterruptCleanup.h"
#include "cli/PathTrace.h"
#include "cli/ProgramArguments.h"
#include "cli/StandardStreams.h"
#include "cli/StreamCipher.h"
#include "cli/ToolCatalogue.h"
#include "cli/ToolLanguage.h"

#include <cstdio>

int main(int systemArgc, char** systemArgv)
{
    using namespace velista::cli;
    // Before anything is opened, so that no file takes the number of a closed standard stream.
    const StandardStreams streams;
    // Without standard error no failure could be reported, and a status alone would not say which.
    if (streams.WasClosed(2))
        return 1;
    // The messages are in the language the environment or, on Windows, the system asks for.
    const ToolCatalogue catalogue(UsersLanguage());
    const auto refuse = [&](const char* why) {
        std::fprintf(stderr, "velista-cli: %s\n", catalogue.Text(why).c_str());
        return 1;
    };
    if (streams.Unsafe())
        return refuse(QT_TRANSLATE_NOOP("velista-cli",
                                        "стандартный ввод или вывод закрыт, и его место нечем занять (нет /dev/null)"));
    const InterruptCleanup cleanup;
    ProgramArguments arguments(systemArgc, systemArgv);
    const int argc = arguments.Count();
    char** argv = arguments.Values();
    auto parsed = ParseCommandLine(argc, argv, catalogue);
    if (const auto* early = std::get_if<EarlyExit>(&parsed))
        return ReportEarlyExit(*early, streams, catalogue);
    if (const auto* attack = std::get_if<AttackJob>(&parsed))
        return AttackCommand::Main(*attack, streams, catalogue);
    const BatchJob& job = std::get<BatchJob>(parsed);
    if (job.input == "-" && streams.WasClosed(0))
        return refuse(QT_TRANSLATE_NOOP("velista-cli",
                                        "стандартный ввод закрыт: укажите исходный файл или передайте текст на ввод"));
    if (job.output == "-" && streams.WasClosed(1))
        return refuse(QT_TRANSLATE_NOOP("velista-cli", "стандартный вывод закрыт: укажите файл результата через -o"));
    try {
        job.trace ? PathTrace::Run(job) : StreamCipher::Run(job);
    } catch (const BatchError& error) {
        // The file layer's and the core's reasons are Russian texts, found in the catalogue whole.
        std::fprintf(stderr, "velista-cli: %s\n", catalogue.FromRussian(error.what()).c_str());
        return 1;
    }
    return 0;
}
