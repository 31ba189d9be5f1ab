// SPDX-FileCopyrightText: 2026 Varizez developers <developers@varizez.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef VARIZEZ_COUNTINGKEYS_H
#define VARIZEZ_COUNTINGKEYS_H

#include <QtGlobal>

class QKeyEvent;
struct xcb_connection_t;
struct xkb_context;
struct xkb_keymap;

// What a key press means to the counting dialog, on any keyboard layout. On a
// Latin layout the letter decides: L counts up, A counts down, wherever they
// are (the A of a French keyboard is where a US keyboard has Q). On a
// non-Latin layout (Arabic, Russian, Greek...) the keys that carry L and A in
// the user's Latin layout count, or, with no Latin layout at all, the keys in
// the L and A places of a US keyboard; otherwise hardly anyone whose
// language is not written in Latin letters could count by key. Modifiers and
// layout switches pressed alone do nothing, so that Shift+L counts and the
// layout can be switched while counting.
class CountingKeys
{
public:
    enum Action { CountUp, CountDown, Nothing, Other };

    CountingKeys() = default;
    ~CountingKeys();
    CountingKeys(const CountingKeys &) = delete;
    CountingKeys &operator=(const CountingKeys &) = delete;

    Action actionOf(const QKeyEvent &event);

private:
    // A key press from an X server, in its keymap, on the active layout.
    static Action onX11(xkb_keymap *keymap, quint32 keycode, quint32 group);
    // The X server's keymap, read again when it no longer gives this key the
    // symbol the press delivered (the user has changed the layouts).
    xkb_keymap *keymapFor(quint32 keycode, quint32 group, quint32 keysym);

    xcb_connection_t *m_connection = nullptr;
    xkb_context *m_context = nullptr;
    xkb_keymap *m_keymap = nullptr;
};

#endif // VARIZEZ_COUNTINGKEYS_H
