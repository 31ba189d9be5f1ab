// SPDX-FileCopyrightText: 2026 Varizez developers <developers@varizez.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Goes through the real program's windows as a user would, on whatever
// screen it runs (a phone's compositor), and writes for each whether it
// fits: the window within the screen, every widget within the window (or
// within its scroll area's width), no horizontal scroll bar, every label's
// and button's text shown whole. Loaded into the program as a Qt plugin:
//     QT_PLUGIN_PATH=DIR QT_QPA_GENERIC_PLUGINS=varizezfit varizez
// with VARIZEZ_FIT_REPORT=FILE, and VARIZEZ_FIT_SHOTS=PREFIX for
// screenshots of both windows (PREFIX-mainwindow.png, PREFIX-counter.png),
// taken by grim. The program ends when all is seen, or with
// VARIZEZ_FIT_STOP=counting stays counting once the report is written.

#include <QtWidgets>
#include <functional>

namespace {

QString sizeOf(QSize size)
{
    return QStringLiteral("%1x%2").arg(size.width()).arg(size.height());
}

// What a label or a button needs to show its text whole, where it has less.
QString cut(const QWidget *widget)
{
    QSize needed, has = widget->size();
    if (const auto *label = qobject_cast<const QLabel *>(widget); label && !label->text().isEmpty())
        needed = label->wordWrap() ? QSize(0, label->heightForWidth(label->width()))
                                   : label->minimumSizeHint();
    if (const auto *button = qobject_cast<const QAbstractButton *>(widget);
        button && !button->text().isEmpty()) {
        QStyleOptionButton option;
        option.initFrom(button);
        option.text = button->text();
        has = button->style()
                  ->subElementRect(button->inherits("QCheckBox") ? QStyle::SE_CheckBoxContents
                                                                 : QStyle::SE_PushButtonContents,
                                   &option, button)
                  .size();
        needed = {button->fontMetrics().horizontalAdvance(option.text.remove('&')), 0};
    }
    return needed.width() > has.width() || needed.height() > has.height()
               ? " cut: needs " + sizeOf(needed) + ", has " + sizeOf(has)
               : QString();
}

QStringList problemsOf(QWidget *window)
{
    QStringList problems;
    const QSize screen = window->screen()->availableGeometry().size();
    if (!QRect(QPoint(), screen).contains(QRect(QPoint(), window->frameGeometry().size())))
        problems << "the window is " + sizeOf(window->frameGeometry().size()) + ", the screen " +
                        sizeOf(screen);
    for (QWidget *widget : window->findChildren<QWidget *>()) {
        if (!widget->isVisible() || widget->isWindow())
            continue;
        const QString name = widget->metaObject()->className() + (' ' + widget->objectName());
        // Scrolled content need only be as narrow as what it scrolls in.
        const QWidget *room = window;
        for (auto *area : window->findChildren<QAbstractScrollArea *>())
            if (area->viewport()->isAncestorOf(widget))
                room = area->viewport();
        const QRect at(widget->mapTo(window, QPoint()), widget->size());
        const QRect inside(room->mapTo(window, QPoint()), room->size());
        if (at.left() < inside.left() || at.right() > inside.right() ||
            (room == window && !inside.contains(at)))
            problems << name + " outside the window";
        if (auto *area = qobject_cast<QAbstractScrollArea *>(widget);
            area && area->horizontalScrollBar()->isVisible())
            problems << name + " scrolls sideways";
        if (const QString text = cut(widget); !text.isEmpty())
            problems << name + text;
    }
    return problems;
}

QWidget *shown(const char *className)
{
    for (QWidget *top : QApplication::topLevelWidgets())
        if (top->inherits(className) && top->isVisible())
            return top;
    return nullptr;
}

// Clicks a button of that name, once the event loop runs again.
bool click(QWidget *window, const char *name)
{
    auto *button = window ? window->findChild<QAbstractButton *>(name) : nullptr;
    return button && QMetaObject::invokeMethod(button, "click", Qt::QueuedConnection);
}

class FitCheck : public QObject
{
public:
    explicit FitCheck(QObject *parent)
        : QObject(parent)
    {
        const auto modal = [] { return QApplication::activeModalWidget(); };
        const auto main = [] { return shown("QMainWindow"); };
        m_steps = {
            [=] { return look(main(), "main window", "-mainwindow") && click(main(), "btnAdd"); },
            [=] { return look(modal(), "Add") && close(); },
            [=] { return !modal() && menuItem("targetWanted"); },
            [=] { return look(modal(), "Target") && close(); },
            [=] { return !modal() && menuItem("historyWanted"); },
            [=] { return look(modal(), "History") && close(); },
            [=] { return !modal() && click(main(), "btnAbout"); },
            [=] { return look(modal(), "About") && close(); },
            [=] { return !modal() && choose() && click(main(), "btnStart"); },
            [=] {
                return look(shown("Counter"), "counting", "-counter") && click(m_last, "btnPlus");
            },
            [=] {
                return look(shown("Counter"), "counting, the target reached") &&
                       click(m_last, "btnBack");
            },
            [=] { return finish() && (QCoreApplication::quit(), true); },
        };
        connect(&m_timer, &QTimer::timeout, this, [this] {
            if (m_next < m_steps.size() && m_steps[m_next]())
                ++m_next;
        });
        m_timer.start(200);
    }

private:
    // Once the window is on the screen and has settled: what does not fit.
    bool look(QWidget *window, const QString &what, const char *shot = nullptr)
    {
        if (!window || !window->windowHandle() || !window->windowHandle()->isExposed() ||
            m_settling++ < 3) // laid out and drawn, as the compositor shows it
            return false;
        m_settling = 0;
        m_last = window;
        const QStringList problems = problemsOf(window);
        m_report << what + ": " + (problems.isEmpty() ? "fits" : problems.join("; "));
        if (const QString shots = qEnvironmentVariable("VARIZEZ_FIT_SHOTS");
            shot && !shots.isEmpty())
            QProcess::execute("grim", {shots + shot + ".png"});
        if (qEnvironmentVariable("VARIZEZ_FIT_STOP") == what) // stays, for what is done to it then
            m_timer.stop(), finish();
        return true;
    }
    bool close() { return QMetaObject::invokeMethod(m_last, "reject", Qt::QueuedConnection); }
    // The first phrase chosen in the list, as a click chooses it.
    QListView *choose()
    {
        QWidget *main = shown("QMainWindow");
        auto *list = main ? main->findChild<QListView *>() : nullptr;
        if (list)
            list->setCurrentIndex(list->model()->index(0, 0));
        return list;
    }
    // An item of the first phrase's menu, taken as the user takes it.
    static bool menuItem(const char *wanted)
    {
        QWidget *main = shown("QMainWindow");
        for (QObject *child : main ? main->findChildren<QObject *>() : QList<QObject *>())
            if (child->inherits("PhraseMenu"))
                return QMetaObject::invokeMethod(child, wanted, Qt::QueuedConnection,
                                                 Q_ARG(int, 0));
        return false;
    }
    bool finish()
    {
        QFile report(qEnvironmentVariable("VARIZEZ_FIT_REPORT"));
        return report.open(QIODevice::WriteOnly) &&
               report.write(m_report.join('\n').toUtf8() + '\n') > 0;
    }

    QTimer m_timer;
    QVector<std::function<bool()>> m_steps;
    int m_next = 0;
    int m_settling = 0;
    QPointer<QWidget> m_last; // the window looked at last
    QStringList m_report;
};

class FitCheckPlugin : public QGenericPlugin
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QGenericPluginFactoryInterface_iid FILE "fitcheck.json")
public:
    QObject *create(const QString &, const QString &) override
    {
        // Made while the application is made: begins once its loop runs,
        // and is gone before the application deletes what it was given.
        QTimer::singleShot(0, [] {
            auto *check = new FitCheck(nullptr);
            connect(qApp, &QCoreApplication::aboutToQuit, [check] { delete check; });
        });
        return new QObject;
    }
};

} // namespace

#include "fitcheck.moc"
