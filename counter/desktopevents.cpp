// SPDX-FileCopyrightText: 2026 Varizez developers <developers@varizez.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "desktopevents.h"

#include <QDir>
#include <QGuiApplication>
#include <QLibrary>

#include <array>
#include <condition_variable>
#include <mutex>
#include <thread>

namespace {

// The module that plays and asks (desktopoutlets.cpp), beside the program's
// other files: loaded on the worker, at the first request.
using Outlet = void (*)(const char *appId);

// What the module does for each kind of event, in the order they are asked.
enum Event { ButtonPressed, TaskComplete, kEvents };
const char *const kOutletNames[kEvents] = {"varizez_button_pressed", "varizez_task_complete"};

std::array<Outlet, kEvents> loadOutlets()
{
    QLibrary module(
        QDir(QCoreApplication::applicationDirPath())
            .filePath(QStringLiteral("../" VARIZEZ_MODULE_DIR "/varizez_desktopevents")));
    std::array<Outlet, kEvents> outlets{};
    for (int event = 0; event < kEvents; ++event)
        outlets[event] = reinterpret_cast<Outlet>(module.resolve(kOutletNames[event]));
    if (!outlets[TaskComplete])
        qWarning("varizez: no sound or feedback for a reached target or a count: %s",
                 qPrintable(module.errorString()));
    return outlets;
}

// One worker for the program's life. It is never joined: a server that
// never answers must not hold up the program's end, so the worker and what
// it shares outlive every static object.
class Worker
{
public:
    static Worker &instance()
    {
        static Worker *worker = new Worker;
        return *worker;
    }

    bool request(Event event)
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (m_pending[event])
            return false;
        m_pending[event] = true;
        m_wake.notify_one();
        return true;
    }

private:
    Worker()
    {
        QString appId = QGuiApplication::desktopFileName();
        if (appId.isEmpty())
            appId = QCoreApplication::applicationName();
        std::thread([this, appId, &told = DesktopEvents::requests()] {
            run(appId.toUtf8(), told);
        }).detach();
    }

    void run(const QByteArray &appId, DesktopEvents::Requests &told)
    {
        const std::array<Outlet, kEvents> outlets = loadOutlets();
        for (;;) {
            std::unique_lock<std::mutex> lock(m_mutex);
            m_wake.wait(lock,
                        [this] { return m_pending[ButtonPressed] || m_pending[TaskComplete]; });
            const Event event = m_pending[ButtonPressed] ? ButtonPressed : TaskComplete;
            m_pending[event] = false;
            lock.unlock();
            if (outlets[event])
                outlets[event](appId.constData());
            QMetaObject::invokeMethod(&told, &DesktopEvents::Requests::handed,
                                      Qt::QueuedConnection);
        }
    }

    std::mutex m_mutex;
    std::condition_variable m_wake;
    bool m_pending[kEvents] = {};
};

} // namespace

DesktopEvents::Requests &DesktopEvents::requests()
{
    // Made on the GUI thread, before the worker, and kept for the worker's life.
    static auto *requests = new Requests;
    return *requests;
}

void DesktopEvents::taskComplete()
{
    if (Worker::instance().request(TaskComplete))
        emit requests().taken();
}

void DesktopEvents::buttonPressed()
{
    if (Worker::instance().request(ButtonPressed))
        emit requests().taken();
}
