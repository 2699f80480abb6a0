// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How fast a run goes, as the menu " Обучение " chooses it.

namespace velista {

enum class RunSpeed {
    OnePerSecond,  // "1 символ в секунду"
    TenPerSecond,  // "10 символов в секунду"
    Normal,        // "Обычная скорость": a slow start over the first half second, then full speed
    NoDelay,       // "Без задержек": full speed from the first symbol
};

}  // namespace velista
