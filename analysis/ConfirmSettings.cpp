// SPDX-License-Identifier: GPL-3.0-or-later
#include "analysis/ConfirmSettings.h"

#include "machine/Checked.h"

namespace velista::analysis {

void ConfirmSettings(const RotorTables& tables, std::u16string_view ciphertext, std::u16string_view fragment,
                     const std::atomic<bool>& cancelled, std::vector<AttackSetting>& settings)
{
    for (std::size_t n = 0; n < settings.size(); ++n) {
        if (cancelled.load()) {
            settings.resize(n);
            return;
        }
        if (!settings[n].Deciphers(tables, ciphertext, fragment))
            ProgrammingError("the attack reported a setting that the machine does not confirm");
    }
}

}  // namespace velista::analysis
