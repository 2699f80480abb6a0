// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/ProgramArguments.h"

#ifdef _WIN32
#include "cli/WindowsText.h"

#include <windows.h>
#include <shellapi.h>
#endif

namespace velista::cli {

ProgramArguments::ProgramArguments(int argc, char** argv)
{
#ifdef _WIN32
    int count = 0;
    if (wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count)) {
        for (int i = 0; i < count; ++i)
            words_.push_back(Utf8FromWide(wide[i]));
        LocalFree(wide);
    }
    if (words_.empty())
#endif
        words_.assign(argv, argv + argc);
    for (auto& word : words_)
        pointers_.push_back(word.data());
    pointers_.push_back(nullptr);
}

}  // namespace velista::cli
