// velista-cli: the cipher machine for batch work on files.

#include "BatchError.h"
#include "CommandLine.h"
#include "PathTrace.h"
#include "StreamCipher.h"

#include <cstdio>

int main(int argc, char** argv)
{
    using namespace velista::cli;
    auto parsed = ParseCommandLine(argc, argv);
    if (const auto* early = std::get_if<EarlyExit>(&parsed)) {
        std::fputs(early->text.c_str(), early->status == 0 ? stdout : stderr);
        return early->status;
    }
    try {
        const BatchJob& job = std::get<BatchJob>(parsed);
        job.trace ? PathTrace::Run(job) : StreamCipher::Run(job);
    } catch (const BatchError& error) {
        std::fprintf(stderr, "velista-cli: %s\n", error.what());
        return 1;
    }
    return 0;
}
