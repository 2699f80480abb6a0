// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/BuildPaths.h"

namespace velista::test {

const char* ToolProgram() { return VELISTA_CLI; }
const char* PackagingFolder() { return VELISTA_PACKAGING; }
const char* ReferenceVectors() { return VELISTA_REFERENCE_VECTORS; }
const char* ToolCompletion() { return VELISTA_CLI_COMPLETION; }
const char* HelpTestData() { return VELISTA_HELP_TEST_DATA; }
#ifdef VELISTA_PROGRAM
const char* WindowProgram() { return VELISTA_PROGRAM; }
const char* ProgramFolder() { return VELISTA_PROGRAM_DIR; }
#endif

}  // namespace velista::test
