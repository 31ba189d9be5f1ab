// SPDX-FileCopyrightText: 2026 Varizez developers <developers@varizez.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef VARIZEZ_ORIENTATION_H
#define VARIZEZ_ORIENTATION_H

// Screen orientation requests. The handheld's Qt 4 had three widget
// attributes for them (128 lock portrait, 129 lock landscape, 130 follow the
// device). Qt 5 and 6 reuse those numbers for unrelated attributes
// (WA_AlwaysStackOnTop, WA_TabletTracking, WA_ContentsMarginsRespectsSafeArea),
// so the attribute may only be set where the platform really has them.
namespace Orientation {

enum Attribute : int {
    NoRequest = -1,
    LockPortrait = 128,
    LockLandscape = 129,
    Automatic = 130,
};

// 0 locks portrait, 1 locks landscape, anything else follows the device.
constexpr Attribute attributeForMode(int mode)
{
    switch (mode) {
    case 0:
        return LockPortrait;
    case 1:
        return LockLandscape;
    default:
        return Automatic;
    }
}

// True only on the handheld's own Qt, where the attributes above exist.
constexpr bool platformHasOrientationAttributes()
{
#if defined(Q_WS_MAEMO_5)
    return true;
#else
    return false;
#endif
}

} // namespace Orientation

#endif // VARIZEZ_ORIENTATION_H
