// SPDX-FileCopyrightText: 2026 Varizez developers <developers@varizez.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "countingkeys.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <xcb/xcb.h>
#include <xkbcommon/xkbcommon-x11.h>
#include <xkbcommon/xkbcommon.h>

namespace {

// The L and A places of a US keyboard, as X numbers the keys (evdev 38 and
// 30, plus 8); Wayland compositors number them the same way.
constexpr quint32 kPlaceOfL = 46;
constexpr quint32 kPlaceOfA = 38;

bool isModifierOrLayoutSwitch(const QKeyEvent &event)
{
    switch (event.key()) {
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Meta:
    case Qt::Key_Alt:
    case Qt::Key_AltGr:
    case Qt::Key_CapsLock:
    case Qt::Key_Super_L:
    case Qt::Key_Super_R:
    case Qt::Key_Hyper_L:
    case Qt::Key_Hyper_R:
    case Qt::Key_Mode_switch:
        return true;
    default:
        // The ISO lock, latch, level and group keys (ISO_Next_Group, ...),
        // which Qt mostly delivers as key 0 with the symbol alone.
        return event.nativeVirtualKey() >= XKB_KEY_ISO_Lock &&
               event.nativeVirtualKey() <= XKB_KEY_ISO_Level5_Lock;
    }
}

bool isLetterOf(xkb_keysym_t symbol, bool latin)
{
    const uint c = xkb_keysym_to_utf32(symbol);
    return QChar::isLetter(c) && (QChar::script(c) == QChar::Script_Latin) == latin;
}

xkb_keysym_t symbolAt(xkb_keymap *keymap, quint32 keycode, quint32 layout, quint32 level)
{
    const xkb_keysym_t *symbols = nullptr;
    return xkb_keymap_key_get_syms_by_level(keymap, keycode, layout, level, &symbols) > 0
               ? symbols[0]
               : XKB_KEY_NoSymbol;
}

// Every Latin layout has a Latin letter in the A place (Q on AZERTY).
bool isLatinLayout(xkb_keymap *keymap, quint32 layout)
{
    return isLetterOf(symbolAt(keymap, kPlaceOfA, layout, 0), true);
}

CountingKeys::Action byPlace(quint32 keycode)
{
    return keycode == kPlaceOfL   ? CountingKeys::CountUp
           : keycode == kPlaceOfA ? CountingKeys::CountDown
                                  : CountingKeys::Other;
}

} // namespace

CountingKeys::~CountingKeys()
{
    xkb_keymap_unref(m_keymap);
    xkb_context_unref(m_context);
    if (m_connection)
        xcb_disconnect(m_connection);
}

CountingKeys::Action CountingKeys::actionOf(const QKeyEvent &event)
{
    if (isModifierOrLayoutSwitch(event))
        return Nothing;
    if (event.key() == Qt::Key_L)
        return CountUp;
    if (event.key() == Qt::Key_A)
        return CountDown;
    const quint32 keycode = event.nativeScanCode();
    if (keycode == 0) // made up by a program: only the letter is known
        return Other;
    if (QGuiApplication::platformName() == QLatin1String("xcb")) {
        // An X key event's state carries the active layout in bits 13 and 14.
        const quint32 group = (event.nativeModifiers() >> 13) & 3;
        if (xkb_keymap *keymap = keymapFor(keycode, group, event.nativeVirtualKey()))
            return onX11(keymap, keycode, group);
    }
    // Elsewhere the layouts are the compositor's: a letter of another script
    // tells that a non-Latin layout is active, and the US places decide.
    const QVector<uint> text = event.text().toUcs4();
    return !text.isEmpty() && isLetterOf(xkb_utf32_to_keysym(text.first()), false)
               ? byPlace(keycode)
               : Other;
}

CountingKeys::Action CountingKeys::onX11(xkb_keymap *keymap, quint32 keycode, quint32 group)
{
    if (group >= xkb_keymap_num_layouts(keymap) || isLatinLayout(keymap, group))
        return Other; // the letter has decided
    for (quint32 layout = 0; layout < xkb_keymap_num_layouts(keymap); ++layout) {
        if (isLatinLayout(keymap, layout)) {
            const xkb_keysym_t symbol = symbolAt(keymap, keycode, layout, 0);
            return symbol == XKB_KEY_l ? CountUp : symbol == XKB_KEY_a ? CountDown : Other;
        }
    }
    return byPlace(keycode);
}

xkb_keymap *CountingKeys::keymapFor(quint32 keycode, quint32 group, quint32 keysym)
{
    const quint32 levels = m_keymap ? xkb_keymap_num_levels_for_key(m_keymap, keycode, group) : 0;
    for (quint32 level = 0; level < levels; ++level)
        if (symbolAt(m_keymap, keycode, group, level) == keysym)
            return m_keymap;
    // Our own connection to the display Qt uses: Qt 5 offers its own only
    // through an extra library.
    if (!m_connection)
        m_connection = xcb_connect(nullptr, nullptr);
    if (!m_context)
        m_context = xkb_context_new(XKB_CONTEXT_NO_FLAGS);
    if (xcb_connection_has_error(m_connection) || !m_context ||
        !xkb_x11_setup_xkb_extension(
            m_connection, XKB_X11_MIN_MAJOR_XKB_VERSION, XKB_X11_MIN_MINOR_XKB_VERSION,
            XKB_X11_SETUP_XKB_EXTENSION_NO_FLAGS, nullptr, nullptr, nullptr, nullptr))
        return m_keymap;
    xkb_keymap *keymap = xkb_x11_keymap_new_from_device(
        m_context, m_connection, xkb_x11_get_core_keyboard_device_id(m_connection),
        XKB_KEYMAP_COMPILE_NO_FLAGS);
    if (keymap) {
        xkb_keymap_unref(m_keymap);
        m_keymap = keymap;
    }
    return m_keymap;
}
