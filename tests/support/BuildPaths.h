// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where a test program finds the build's programs and the project's files. They live in one small
// compiled file of their own: the paths differ from one clone of the project to another, and written into
// each test's compile command they kept ccache from reusing any test compiled in another clone.

namespace velista::test {

const char* ToolProgram();       // velista-cli
const char* WindowProgram();     // velista
const char* ProgramFolder();     // the folder that holds the program and its help pages
const char* PackagingFolder();   // packaging/
const char* ReferenceVectors();  // tests/reference/vectors.txt
const char* ToolCompletion();    // the tool's bash completion
const char* HelpTestData();      // tests/help/

}  // namespace velista::test
