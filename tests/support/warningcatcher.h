#ifndef VARIZEZ_TEST_WARNINGCATCHER_H
#define VARIZEZ_TEST_WARNINGCATCHER_H

#include <QStringList>
#include <QtGlobal>

// Collects the warnings written while it lives, instead of printing them.
class WarningCatcher
{
public:
    WarningCatcher()
    {
        s_caught = &m_warnings;
        m_previous = qInstallMessageHandler(&WarningCatcher::handle);
    }
    ~WarningCatcher()
    {
        qInstallMessageHandler(m_previous);
        s_caught = nullptr;
    }
    WarningCatcher(const WarningCatcher &) = delete;
    WarningCatcher &operator=(const WarningCatcher &) = delete;

    const QStringList &warnings() const { return m_warnings; }

private:
    static void handle(QtMsgType type, const QMessageLogContext &, const QString &message)
    {
        if (s_caught && type == QtWarningMsg)
            s_caught->append(message);
    }

    static inline QStringList *s_caught = nullptr;
    QStringList m_warnings;
    QtMessageHandler m_previous = nullptr;
};

#endif // VARIZEZ_TEST_WARNINGCATCHER_H
