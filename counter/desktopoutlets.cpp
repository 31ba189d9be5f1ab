// SPDX-FileCopyrightText: 2026 Varizez developers <developers@varizez.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The desktop's sound and feedback for a finished task, and feedbackd's tick
// for a count, in a module of its own: the program loads it, and the
// libraries it needs, only when a target is first reached or a tick first
// wanted, so that no start-up pays for them.

#include <canberra.h>
#include <gio/gio.h>
#define LIBFEEDBACK_USE_UNSTABLE_API // Debian's only libfeedback, 0.0
#include <libfeedback.h>

#include <string>

namespace {

constexpr char kSoundEvent[] = "complete";             // freedesktop sound naming
constexpr char kFeedbackEvent[] = "timeout-completed"; // feedbackd's nearest: a set goal met
constexpr char kTickEvent[] = "button-pressed";

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
    std::string theme() const
    {
        gchar *name = m_settings ? g_settings_get_string(m_settings, "theme-name") : nullptr;
        const std::string theme = name && *name ? name : "freedesktop";
        g_free(name);
        return theme;
    }

private:
    GSettings *m_settings = nullptr;
};

// Lives on the thread that calls varizez_task_complete(), for as long as the
// program runs.
class Outlets
{
public:
    explicit Outlets(const char *appId)
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
        feel(kFeedbackEvent);
        dispatch();
    }
    void buttonPressed()
    {
        feel(kTickEvent);
        dispatch();
    }

private:
    void playSound()
    {
        if (!m_canberra && ca_context_create(&m_canberra) == CA_SUCCESS)
            ca_context_change_props(m_canberra, CA_PROP_APPLICATION_ID, m_appId.c_str(),
                                    CA_PROP_APPLICATION_NAME, "Varizez", nullptr);
        if (!m_canberra)
            return;
        ca_context_play(m_canberra, 0, CA_PROP_EVENT_ID, kSoundEvent,
                        CA_PROP_CANBERRA_XDG_THEME_NAME, m_settings.theme().c_str(),
                        CA_PROP_MEDIA_ROLE, "event", nullptr);
    }
    void dispatch()
    {
        while (g_main_context_iteration(m_context, FALSE)) {
        }
    }
    void feel(const char *name)
    {
        // Tried once: without a session bus there is no feedbackd to ask.
        if (!m_feedbackTried) {
            m_feedbackTried = true;
            m_feedback = lfb_init(m_appId.c_str(), nullptr);
        }
        if (!m_feedback)
            return;
        LfbEvent *event = lfb_event_new(name);
        lfb_event_trigger_feedback(event, nullptr);
        g_object_unref(event);
    }

    const std::string m_appId;
    GMainContext *m_context = nullptr;
    SoundSettings m_settings;
    ca_context *m_canberra = nullptr;
    bool m_feedbackTried = false;
    bool m_feedback = false;
};

} // namespace

namespace {

// Made on the first call, on the one thread that calls.
Outlets &outlets(const char *appId)
{
    static Outlets outlets(appId);
    return outlets;
}

} // namespace

extern "C" __attribute__((visibility("default"))) void varizez_task_complete(const char *appId)
{
    outlets(appId).taskComplete();
}

extern "C" __attribute__((visibility("default"))) void varizez_button_pressed(const char *appId)
{
    outlets(appId).buttonPressed();
}
