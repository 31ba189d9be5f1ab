// SPDX-FileCopyrightText: 2026 Varizez developers <developers@varizez.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "desktopevents.h"

#include <QDir>
#include <QGuiApplication>
#include <QLibrary>

#include <condition_variable>
#include <mutex>
#include <thread>

namespace {

// The module that plays and asks (desktopoutlets.cpp), beside the program's
// other files: loaded on the worker, at the first request.
using TaskComplete = void (*)(const char *appId);

TaskComplete loadOutlets()
{
    QLibrary module(
        QDir(QCoreApplication::applicationDirPath())
            .filePath(QStringLiteral("../" VARIZEZ_MODULE_DIR "/varizez_desktopevents")));
    const auto taskComplete =
        reinterpret_cast<TaskComplete>(module.resolve("varizez_task_complete"));
    if (!taskComplete)
        qWarning("varizez: no sound or feedback for a reached target: %s",
                 qPrintable(module.errorString()));
    return taskComplete;
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

    bool request()
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (m_pending)
            return false;
        m_pending = true;
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
        const TaskComplete taskComplete = loadOutlets();
        for (;;) {
            std::unique_lock<std::mutex> lock(m_mutex);
            m_wake.wait(lock, [this] { return m_pending; });
            m_pending = false;
            lock.unlock();
            if (taskComplete)
                taskComplete(appId.constData());
            QMetaObject::invokeMethod(&told, &DesktopEvents::Requests::handed,
                                      Qt::QueuedConnection);
        }
    }

    std::mutex m_mutex;
    std::condition_variable m_wake;
    bool m_pending = false;
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
    if (Worker::instance().request())
        emit requests().taken();
}
