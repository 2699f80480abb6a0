// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/SystemPlatform.h"

#include "platform/SystemBeeper.h"
#include "platform/SystemLauncher.h"

#ifdef _WIN32
#include "platform/WindowsKeyboardState.h"
#include "platform/WindowsRegistry.h"
#else
#include "platform/InputMethodKeyboardState.h"
#include "platform/NoRegistry.h"
#include "platform/X11KeyboardState.h"

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
