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

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QGenericPlugin>
#include <QKeyEvent>
#include <QLabel>
#include <QListView>
#include <QMainWindow>
#include <QMenu>
#include <QPointer>
#include <QProcess>
#include <QScreen>
#include <QScrollBar>
#include <QStyleOptionButton>
#include <QTimer>
#include <QWindow>
#include <functional>

namespace {

QString nameOf(const QWidget *widget)
{
    const QString name = widget->objectName();
    return QString::fromLatin1(widget->metaObject()->className()) +
           (name.isEmpty() ? QString() : ' ' + name);
}

// Whether a text is shown whole, and if not what it needs.
QString cut(const QWidget *widget)
{
    if (const auto *label = qobject_cast<const QLabel *>(widget)) {
        if (label->text().isEmpty())
            return {};
        const QSize needed = label->wordWrap() ? QSize(0, label->heightForWidth(label->width()))
                                               : label->minimumSizeHint();
        if (needed.width() > label->width() || needed.height() > label->height())
            return QStringLiteral("\"%1\" needs %2x%3, has %4x%5")
                .arg(label->text().left(40))
                .arg(needed.width())
                .arg(needed.height())
                .arg(label->width())
                .arg(label->height());
    } else if (const auto *button = qobject_cast<const QAbstractButton *>(widget)) {
        if (button->text().isEmpty())
            return {};
        QStyleOptionButton option;
        option.initFrom(button);
        option.text = button->text();
        const bool box = button->inherits("QCheckBox");
        const QRect room = button->style()->subElementRect(
            box ? QStyle::SE_CheckBoxContents : QStyle::SE_PushButtonContents, &option, button);
        const int needed =
            button->fontMetrics().horizontalAdvance(QString(option.text).remove('&'));
        if (needed > room.width())
            return QStringLiteral("\"%1\" needs %2, has %3")
                .arg(option.text)
                .arg(needed)
                .arg(room.width());
    }
    return {};
}

QStringList problemsOf(QWidget *window)
{
    QStringList problems;
    const QSize screen = window->screen()->availableGeometry().size();
    const QSize frame = window->frameGeometry().size();
    if (frame.width() > screen.width() || frame.height() > screen.height())
        problems << QStringLiteral("the window is %1x%2, the screen %3x%4")
                        .arg(frame.width())
                        .arg(frame.height())
                        .arg(screen.width())
                        .arg(screen.height());
    for (QWidget *widget : window->findChildren<QWidget *>()) {
        if (!widget->isVisible() || widget->isWindow())
            continue;
        const QRect at(widget->mapTo(window, QPoint()), widget->size());
        // Scrolled content need only be as narrow as what it scrolls in.
        const QWidget *room = window;
        for (QWidget *up = widget->parentWidget(); up && up != window; up = up->parentWidget())
            if (auto *area = qobject_cast<QAbstractScrollArea *>(up);
                area && area->viewport()->isAncestorOf(widget))
                room = area->viewport();
        const QRect inside(room->mapTo(window, QPoint()), room->size());
        const bool fits = room == window
                              ? window->rect().contains(at)
                              : at.left() >= inside.left() && at.right() <= inside.right();
        if (!fits)
            problems << nameOf(widget) + QStringLiteral(" outside: %1,%2 %3x%4")
                                             .arg(at.x())
                                             .arg(at.y())
                                             .arg(at.width())
                                             .arg(at.height());
        if (auto *area = qobject_cast<QAbstractScrollArea *>(widget);
            area && area->horizontalScrollBar()->isVisible())
            problems << nameOf(widget) + " scrolls sideways";
        if (const QString text = cut(widget); !text.isEmpty())
            problems << nameOf(widget) + " cut: " + text;
    }
    return problems;
}

class FitCheck : public QObject
{
public:
    explicit FitCheck(QObject *parent)
        : QObject(parent)
    {
        m_steps = {
            [this] {
                return look(mainWindow(), "main window", Shot::Yes) &&
                       click(mainWindow(), "btnAdd");
            },
            [this] { return look(QApplication::activeModalWidget(), "Add") && close(); },
            [this] { return !QApplication::activeModalWidget() && openMenu(); },
            [this] { return chooseFromMenu(0); },
            [this] { return look(QApplication::activeModalWidget(), "Target") && close(); },
            [this] { return !QApplication::activeModalWidget() && openMenu(); },
            [this] { return chooseFromMenu(1); },
            [this] { return look(QApplication::activeModalWidget(), "History") && close(); },
            [this] {
                return !QApplication::activeModalWidget() && click(mainWindow(), "btnAbout");
            },
            [this] { return look(QApplication::activeModalWidget(), "About") && close(); },
            [this] { return !QApplication::activeModalWidget() && start(); },
            [this] {
                return look(counter(), "counting", Shot::Yes) && click(counter(), "btnPlus");
            },
            [this] {
                return look(counter(), "counting, the target reached") &&
                       click(counter(), "btnBack");
            },
            [this] { return finish(); },
        };
        connect(&m_timer, &QTimer::timeout, this, [this] {
            if (m_next < m_steps.size() && m_steps[m_next]())
                ++m_next;
        });
        m_timer.start(200);
    }

private:
    enum class Shot { No, Yes };
    enum class Quit { No, Yes };

    static QWidget *mainWindow()
    {
        for (QWidget *top : QApplication::topLevelWidgets())
            if (qobject_cast<QMainWindow *>(top) && top->isVisible())
                return top;
        return nullptr;
    }
    static QWidget *counter()
    {
        for (QWidget *top : QApplication::topLevelWidgets())
            if (top->inherits("Counter") && top->isVisible())
                return top;
        return nullptr;
    }

    // Once the window is on the screen and has settled: what does not fit.
    bool look(QWidget *window, const char *what, Shot shot = Shot::No)
    {
        if (!window || !window->windowHandle() || !window->windowHandle()->isExposed())
            return false;
        if (m_settling++ < 3) // laid out and drawn, as the compositor shows it
            return false;
        m_settling = 0;
        const QStringList problems = problemsOf(window);
        m_report << QStringLiteral("%1: %2").arg(what,
                                                 problems.isEmpty() ? "fits" : problems.join("; "));
        const QString shots = qEnvironmentVariable("VARIZEZ_FIT_SHOTS");
        if (shot == Shot::Yes && !shots.isEmpty())
            QProcess::execute(
                "grim", {shots + (window == mainWindow() ? "-mainwindow.png" : "-counter.png")});
        m_last = window;
        // "VARIZEZ_FIT_STOP=counting": the program stays there, for what
        // is to be done to it then.
        if (qEnvironmentVariable("VARIZEZ_FIT_STOP") == QLatin1String(what)) {
            m_timer.stop();
            finish(Quit::No);
        }
        return true;
    }
    static bool click(QWidget *window, const char *name)
    {
        auto *button = window ? window->findChild<QAbstractButton *>(name) : nullptr;
        if (button)
            QMetaObject::invokeMethod(button, "click", Qt::QueuedConnection);
        return button;
    }
    bool close()
    {
        if (auto *dialog = qobject_cast<QDialog *>(m_last))
            QMetaObject::invokeMethod(dialog, "reject", Qt::QueuedConnection);
        return true;
    }
    QListView *list() const
    {
        QWidget *window = mainWindow();
        return window ? window->findChild<QListView *>() : nullptr;
    }
    bool openMenu()
    {
        QListView *view = list();
        if (!view)
            return false;
        view->setCurrentIndex(view->model()->index(0, 0));
        const QPoint at = view->visualRect(view->currentIndex()).center();
        QTimer::singleShot(0, view, [view, at] {
            QContextMenuEvent event(QContextMenuEvent::Keyboard, at,
                                    view->viewport()->mapToGlobal(at));
            QApplication::sendEvent(view->viewport(), &event);
        });
        return true;
    }
    bool chooseFromMenu(int item)
    {
        auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        if (!menu || !look(menu, item == 0 ? "the phrase's menu" : "the phrase's menu again"))
            return false;
        menu->setActiveAction(menu->actions().value(item));
        QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        QApplication::sendEvent(menu, &enter);
        return true;
    }
    bool start()
    {
        QListView *view = list();
        if (!view)
            return false;
        view->setCurrentIndex(view->model()->index(0, 0));
        return click(mainWindow(), "btnStart");
    }
    bool finish(Quit quit = Quit::Yes)
    {
        QFile report(qEnvironmentVariable("VARIZEZ_FIT_REPORT"));
        if (report.open(QIODevice::WriteOnly))
            report.write(m_report.join('\n').toUtf8() + '\n');
        if (quit == Quit::Yes)
            QCoreApplication::quit();
        return true;
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
        // Made while the application is made: begins once its loop runs.
        auto *check = new QObject(qApp);
        QTimer::singleShot(0, check, [check] { new FitCheck(check); });
        return check;
    }
};

} // namespace

#include "fitcheck.moc"
