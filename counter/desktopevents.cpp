// SPDX-FileCopyrightText: 2026 Varizez developers <developers@varizez.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "desktopevents.h"

// GLib's headers first: they name struct members "signals", which Qt's
// headers define as a macro.
#include <canberra.h>
#include <gio/gio.h>
#define LIBFEEDBACK_USE_UNSTABLE_API // Debian's only libfeedback, 0.0
#include <libfeedback.h>

#include <QGuiApplication>

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

namespace {

constexpr char kSoundEvent[] = "complete";             // freedesktop sound naming
constexpr char kFeedbackEvent[] = "timeout-completed"; // feedbackd's nearest: a set goal met

// The desktop's switch for event sounds, where it keeps one (GNOME, Phosh and
// the desktops that share their settings); on by default elsewhere.
class SoundSettings
{
public:
    SoundSettings()
    {
        GSettingsSchemaSource *source = g_settings_schema_source_get_default();
        GSettingsSchema *schema =
            source ? g_settings_schema_source_lookup(source, "org.gnome.desktop.sound", TRUE)
                   : nullptr;
        if (!schema)
            return;
        if (g_settings_schema_has_key(schema, "event-sounds") &&
            g_settings_schema_has_key(schema, "theme-name"))
            m_settings = g_settings_new_full(schema, nullptr, nullptr);
        g_settings_schema_unref(schema);
    }
    ~SoundSettings()
    {
        if (m_settings)
            g_object_unref(m_settings);
    }
    bool eventSoundsOn() const
    {
        return !m_settings || g_settings_get_boolean(m_settings, "event-sounds");
    }
    QByteArray theme() const
    {
        if (!m_settings)
            return "freedesktop";
        gchar *name = g_settings_get_string(m_settings, "theme-name");
        const QByteArray theme = name && *name ? QByteArray(name) : QByteArray("freedesktop");
        g_free(name);
        return theme;
    }

private:
    GSettings *m_settings = nullptr;
};

// Lives on the worker thread, for as long as the program runs.
class Outlets
{
public:
    explicit Outlets(const QByteArray &appId)
        : m_appId(appId)
    {
        // feedbackd's replies and signals are dispatched here, not in the
        // windows' loop.
        m_context = g_main_context_new();
        g_main_context_push_thread_default(m_context);
    }

    void taskComplete()
    {
        if (m_settings.eventSoundsOn())
            playSound();
        feel();
        while (g_main_context_iteration(m_context, FALSE)) {
        }
    }

private:
    void playSound()
    {
        if (!m_canberra && ca_context_create(&m_canberra) == CA_SUCCESS)
            ca_context_change_props(m_canberra, CA_PROP_APPLICATION_ID, m_appId.constData(),
                                    CA_PROP_APPLICATION_NAME, "Varizez", nullptr);
        if (!m_canberra)
            return;
        ca_context_play(m_canberra, 0, CA_PROP_EVENT_ID, kSoundEvent,
                        CA_PROP_CANBERRA_XDG_THEME_NAME, m_settings.theme().constData(),
                        CA_PROP_MEDIA_ROLE, "event", nullptr);
    }
    void feel()
    {
        // Tried once: without a session bus there is no feedbackd to ask.
        if (!m_feedbackTried) {
            m_feedbackTried = true;
            m_feedback = lfb_init(m_appId.constData(), nullptr);
        }
        if (!m_feedback)
            return;
        LfbEvent *event = lfb_event_new(kFeedbackEvent);
        lfb_event_trigger_feedback(event, nullptr);
        g_object_unref(event);
    }

    const QByteArray m_appId;
    GMainContext *m_context = nullptr;
    SoundSettings m_settings;
    ca_context *m_canberra = nullptr;
    bool m_feedbackTried = false;
    bool m_feedback = false;
};

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

    void request()
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (m_pending)
            return;
        m_pending = true;
        m_wake.notify_one();
    }

    bool settle(int msecs)
    {
        std::unique_lock<std::mutex> lock(m_mutex);
        return m_done.wait_for(lock, std::chrono::milliseconds(msecs),
                               [this] { return !m_pending && !m_busy; });
    }

private:
    Worker()
    {
        QString appId = QGuiApplication::desktopFileName();
        if (appId.isEmpty())
            appId = QCoreApplication::applicationName();
        std::thread([this, appId] { run(appId.toUtf8()); }).detach();
    }

    void run(const QByteArray &appId)
    {
        Outlets outlets(appId);
        for (;;) {
            std::unique_lock<std::mutex> lock(m_mutex);
            m_wake.wait(lock, [this] { return m_pending; });
            m_pending = false;
            m_busy = true;
            lock.unlock();
            outlets.taskComplete();
            lock.lock();
            m_busy = false;
            m_done.notify_all();
        }
    }

    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::condition_variable m_done;
    bool m_pending = false;
    bool m_busy = false;
};

} // namespace

void DesktopEvents::taskComplete()
{
    Worker::instance().request();
}

bool DesktopEvents::settle(int msecs)
{
    return Worker::instance().settle(msecs);
}
