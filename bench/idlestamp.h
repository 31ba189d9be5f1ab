// SPDX-FileCopyrightText: 2026 Varizez developers <developers@varizez.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Both start-up probes end the same way: once the event loop has run dry
// after the window was shown, they print the monotonic clock in nanoseconds
// and quit. The bench subtracts the time it took just before starting the
// process, so the measurement ends at idle, not at process teardown.

#include <QCoreApplication>
#include <QTimer>
#include <cstdio>
#include <ctime>

inline void stampWhenIdle(QCoreApplication &app)
{
    QTimer::singleShot(0, &app, [&app] {
        timespec now{};
        clock_gettime(CLOCK_MONOTONIC, &now);
        std::printf("%lld\n", static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec);
        std::fflush(stdout);
        app.quit();
    });
}
