// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/X11KeyboardState.h"

#include <QGuiApplication>

#include <X11/XKBlib.h>
#include <X11/Xatom.h>
#include <X11/Xlib.h>

#include <array>
#include <utility>
#include <vector>

namespace velista {

namespace {

Display* X11Display()
{
    if (const auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr)
        return x11->display();
    return nullptr;
}

bool Indicator(const char* name)
{
    Display* display = X11Display();
    if (!display)
        return false;
    Bool on = False;
    const Atom atom = XInternAtom(display, name, True);
    if (atom == None || !XkbGetNamedIndicator(display, atom, nullptr, &on, nullptr, nullptr))
        return false;
    return on;
}

// The _XKB_RULES_NAMES property of the root window: rules, model, layouts, variants, options, each
// ended by a zero byte; layouts and variants are lists separated by commas, one item per group.
std::vector<std::string> RulesNames(Display* display)
{
    const Atom property = XInternAtom(display, "_XKB_RULES_NAMES", True);
    if (property == None)
        return {};
    Atom type = None;
    int format = 0;
    unsigned long items = 0, after = 0;
    unsigned char* data = nullptr;
    if (XGetWindowProperty(display, DefaultRootWindow(display), property, 0, 1024, False, XA_STRING, &type,
                           &format, &items, &after, &data) != Success || !data)
        return {};
    std::vector<std::string> names;
    std::string current;
    for (unsigned long i = 0; i < items; ++i) {
        if (data[i] == 0) {
            names.push_back(std::move(current));
            current.clear();
        } else {
            current += static_cast<char>(data[i]);
        }
    }
    XFree(data);
    return names;
}

std::string_view Item(std::string_view list, unsigned index)
{
    for (; index > 0; --index) {
        const auto comma = list.find(',');
        if (comma == std::string_view::npos)
            return {};
        list.remove_prefix(comma + 1);
    }
    return list.substr(0, list.find(','));
}

}  // namespace

bool X11KeyboardState::CapsLock() const { return Indicator("Caps Lock"); }

bool X11KeyboardState::NumLock() const { return Indicator("Num Lock"); }

std::string X11KeyboardState::LayoutIdentifier() const
{
    Display* display = X11Display();
    if (!display)
        return {};
    XkbStateRec state{};
    if (XkbGetState(display, XkbUseCoreKbd, &state) != Success)
        return {};
    const std::vector<std::string> names = RulesNames(display);
    if (names.size() < 4)
        return {};
    return IdentifierOf(Item(names[2], state.group), Item(names[3], state.group));
}

std::string X11KeyboardState::IdentifierOf(std::string_view layout, std::string_view variant)
{
    static constexpr std::array<std::pair<std::string_view, std::string_view>, 12> Languages = {{
        {"ru", "0419"}, {"us", "0409"}, {"gb", "0809"}, {"de", "0407"}, {"fr", "040C"}, {"ua", "0422"},
        {"by", "0423"}, {"kz", "043F"}, {"es", "040A"}, {"it", "0410"}, {"pl", "0415"}, {"bg", "0402"},
    }};
    std::string_view language = "0409";
    for (const auto& [name, code] : Languages) {
        if (name == layout)
            language = code;
    }
    // Windows numbers the variants of a language in the digit before it.
    return std::string(variant.empty() ? "0000" : "0001") + std::string(language);
}

}  // namespace velista
