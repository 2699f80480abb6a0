// SPDX-License-Identifier: GPL-3.0-or-later
#include "SystemPlatform.h"

#include "SystemBeeper.h"
#include "SystemLauncher.h"

#ifdef _WIN32
#include "WindowsKeyboardState.h"
#include "WindowsRegistry.h"
#else
#include "InputMethodKeyboardState.h"
#include "NoRegistry.h"
#include "X11KeyboardState.h"

#include <QGuiApplication>
#endif

namespace velista {

SystemPlatform::SystemPlatform()
    : beeper_(std::make_unique<SystemBeeper>())
    , launcher_(std::make_unique<SystemLauncher>())
{
#ifdef _WIN32
    keyboard_ = std::make_unique<WindowsKeyboardState>();
    registry_ = std::make_unique<WindowsRegistry>();
#else
    if (qGuiApp && qGuiApp->nativeInterface<QNativeInterface::QX11Application>())
        keyboard_ = std::make_unique<X11KeyboardState>();
    else
        keyboard_ = std::make_unique<InputMethodKeyboardState>();
    registry_ = std::make_unique<NoRegistry>();
#endif
}

SystemPlatform::~SystemPlatform() = default;

}  // namespace velista
