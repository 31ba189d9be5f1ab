// SPDX-FileCopyrightText: 2026 Varizez developers <developers@varizez.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Plays steps read from standard input against the real program, on the
// offscreen platform in a private /home: each step is something a user does,
// or the world around does (actions/README). It writes the steps back, each
// followed by what the step changed for the user and on the disk, indented:
// the transcript that rows.py compares with a script or a table row.

#include "mainwindow.h"
#include "phrasefile.h"
#include "startup.h"
#include "translations.h"

#include <QtDBus>
#include <QtTest>
#include <QtWidgets>
#include <csignal>
#include <grp.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>

namespace {

QStringList g_events; // what a step did besides changing state: warnings, signals...
QStringList g_early;  // images that opened before the application existed

MainWindow *g_window = nullptr; // the program, while it runs

// Where the program's bus signals and the pages it opens arrive.
class Sink : public QObject
{
    Q_OBJECT
public slots:
    void opened(const QUrl &url) { g_events << "opened: " + url.toString(); }
    void signalled() { g_events << "signal: exit_app_view"; }
};

QWidget *dialog()
{
    for (QWidget *top : QApplication::topLevelWidgets())
        if (top->inherits("Counter"))
            return top;
    return nullptr;
}

// Records as "text" count | ..., null for a null text, *N for N alike in a row.
QString recordsOf(const QVector<PhraseEntry> &records)
{
    QStringList all, runs;
    for (const PhraseEntry &r : records)
        all << (r.name.isNull() ? "null" : '"' + r.name + '"') + ' ' + QString::number(r.count);
    for (int i = 0, n = 1; i < all.size(); i += n) {
        for (n = 1; i + n < all.size() && all.at(i + n) == all.at(i);)
            ++n;
        runs << all.at(i) + (n > 1 ? QString(" *%1").arg(n) : "");
    }
    return runs.isEmpty() ? "no records" : runs.join(" | ");
}

// What the bytes of a phrase file hold: its records if whole, else the bytes.
QString contentsOf(QByteArray bytes)
{
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    const PhraseFileContents c = PhraseFile::read(buffer);
    const bool whole = !c.dataRanOut && !c.corruptText && !c.trailingBytes;
    return whole ? recordsOf(c.entries) : bytes.isEmpty() ? "no bytes" : "bytes " + bytes.toHex();
}

// "HEX HEX*N ...": the group HEX*N stands for N copies of HEX.
QByteArray bytesOf(const QString &hex)
{
    QByteArray bytes;
    for (const QString &group : hex.split(' ', Qt::SkipEmptyParts))
        bytes += QByteArray::fromHex(group.section('*', 0, 0).toLatin1())
                     .repeated(group.contains('*') ? group.section('*', 1).toInt() : 1);
    return bytes;
}

// "hidden", else the window's states: "maximized", "minimized|fullscreen"...
QString shownAs(const QWidget *w)
{
    const Qt::WindowStates states = w->windowState() & ~Qt::WindowActive;
    const QString keys = QMetaEnum::fromType<Qt::WindowStates>().valueToKeys(int(states));
    return w->isVisible() ? keys.toLower().remove("window") : "hidden";
}

// One object a line, children indented: widgets with what a user can tell
// apart and what a screen reader says of them, layouts with their items.
void dumpTree(const QObject *object, const QString &indent, QTextStream &out)
{
    static const QByteArrayList shown =
        QByteArray(
            "windowTitle size minimumSize maximumSize sizePolicy enabled text styleSheet wordWrap "
            "editTriggers showDropIndicator alternatingRowColors selectionBehavior intValue "
            "digitCount focusPolicy")
            .split(' ');
    if (!object->objectName().contains(QRegularExpression("^(?!_|qt_).")))
        return; // no name, or one Qt gave it
    out << indent << object->metaObject()->className() << ' ' << object->objectName();
    const auto *layout = qobject_cast<const QLayout *>(object);
    if (layout)
        QDebug(out.string()).nospace()
            << " spacing " << layout->spacing() << ' ' << layout->contentsMargins() << ':';
    for (int i = 0; layout && i < layout->count(); ++i) {
        QLayoutItem *item = layout->itemAt(i);
        out << ' '
            << (item->widget() ? item->widget()->objectName() : item->layout()->objectName());
    }
    for (const QByteArray &name : object->isWidgetType() ? shown : QByteArrayList()) {
        const QMetaProperty p =
            object->metaObject()->property(object->metaObject()->indexOfProperty(name));
        QString value; // QDebug's "QVariant(type, value)", less the wrapping
        QDebug(&value).nospace() << p.read(object);
        if (p.isValid() && (indent.isEmpty() || name != "size"))
            out << '\n'
                << indent << "    " << name << ": "
                << (p.isEnumType() ? p.enumerator().valueToKeys(p.read(object).toInt())
                                   : value.mid(value.indexOf(", ") + 2).chopped(1));
    }
    if (QAccessibleInterface *a =
            QAccessible::queryAccessibleInterface(const_cast<QObject *>(object)))
        out << '\n'
            << indent << "    accessible: \"" << a->text(QAccessible::Name) << "\", \""
            << a->text(QAccessible::Description) << '"';
    out << '\n';
    for (const QObject *child : object->children())
        dumpTree(child, indent + "  ", out);
}

// Both windows as the program builds them, what it asks of the window system,
// and the images compiled into it.
QStringList faces()
{
    QString dump;
    QTextStream out(&dump);
    MainWindow window;
    const QMainWindow plain;
    for (const QWidget *top : {dialog(), static_cast<QWidget *>(&window)})
        dumpTree(top, "", out);
    presentMainWindow(window); // asks for the handheld's automatic orientation
    out << "orientation asked for: attribute " << window.requestedOrientationAttribute();
    for (int a = 128; a <= 130; ++a) // the numbers Qt 5 and 6 gave to other attributes
        out << ", " << a << ' ' << window.testAttribute(Qt::WidgetAttribute(a))
            << " (on a plain window " << plain.testAttribute(Qt::WidgetAttribute(a)) << ')';
    g_early.sort();
    for (const QString &path : qAsConst(g_early)) { // the images, open before main()
        const QImage image(path);
        out << '\n'
            << path << ": " << QFileInfo(path).size() << " bytes, " << image.width() << 'x'
            << image.height() << ' ' << image.format()
            << ", alpha at (1,1) (128,10) (128,128): " << qAlpha(image.pixel(1, 1)) << ' '
            << qAlpha(image.pixel(128, 10)) << ' ' << qAlpha(image.pixel(128, 128))
            << ", compression " << QResource(path).compressionAlgorithm();
    }
    return dump.split('\n');
}

// What the user and the disk show: the windows, and every file under /home
// as "MODE INODE CONTENTS", a file written anew having a new inode.
QMap<QString, QString> state()
{
    QMap<QString, QString> now;
    if (g_window) {
        const auto *list = g_window->findChild<QListWidget *>();
        QStringList rows, disabled;
        for (int i = 0; i < list->count(); ++i)
            rows << list->item(i)->text();
        for (const QPushButton *b :
             g_window->findChildren<QPushButton *>() + dialog()->findChildren<QPushButton *>())
            if (!b->isEnabled())
                disabled << b->objectName();
        now["window"] = shownAs(g_window);
        now["list"] = rows.size() > 6
                          ? QString("%1 | ... (%2 rows)").arg(rows.first()).arg(rows.size())
                          : rows.join(" | ");
        now["current"] = QString::number(list->currentRow());
        now["disabled"] = disabled.join(' ');
        now["dialog"] =
            shownAs(dialog()) + QString(" %1").arg(dialog()->findChild<QLCDNumber *>()->intValue());
    }
    for (QDirIterator it("/home", QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden,
                         QDirIterator::Subdirectories);
         it.hasNext();) {
        struct stat status = {};
        QFile file(it.next());
        ::lstat(QFile::encodeName(it.filePath()).constData(), &status);
        now[it.filePath()] =
            QString("%1 %2 ").arg(status.st_mode & 07777, 0, 8).arg(status.st_ino) +
            (S_ISDIR(status.st_mode)          ? "folder"
             : file.open(QIODevice::ReadOnly) ? contentsOf(file.readAll())
                                              : "unreadable");
    }
    return now;
}

// A window's texts as its user reads them: which way it runs, whether it fits
// in the size it opens at (the main window; the others size themselves to
// their texts, or take the whole screen), its title, then every text it
// shows, in the order of its widgets.
QString textsOf(const QWidget *top)
{
    const QSize least = top->minimumSizeHint();
    const QSize size = top->objectName() == "MainWindow" ? QSize(287, 335) : least;
    QStringList all = {
        top->objectName().isEmpty() ? top->metaObject()->className() : top->objectName(),
        top->isRightToLeft() ? "rtl" : "ltr", least.boundedTo(size) == least ? "fits" : "too small",
        '"' + top->windowTitle() + '"'};
    for (const QWidget *w : top->findChildren<QWidget *>())
        if (w->isVisible() && !w->property("text").toString().isEmpty())
            all << '"' + w->property("text").toString().replace('\n', "\\n") + '"';
    return "texts: " + all.join(' ');
}

// "texts": the windows in front; "texts NAME": the dialog that the button NAME
// opens, which is then closed.
void texts(QPushButton *button)
{
    if (button)
        QTimer::singleShot(0,
                           [] {
                               g_events << textsOf(QApplication::activeModalWidget());
                               QApplication::activeModalWidget()->close();
                           }),
            QTest::mouseClick(button, Qt::LeftButton);
    for (const QWidget *top : button ? QWidgetList() : QApplication::topLevelWidgets())
        if (top->isVisible())
            g_events << textsOf(top);
    std::sort(g_events.begin(), g_events.end()); // whatever order Qt keeps its windows in
}

bool act(const QString &verb, const QString &arg)
{
    const QString first = arg.section(' ', 0, 0), rest = arg.section(' ', 1);
    const QRegularExpression quotes("^\"|\"$");
    const int key = QMetaEnum::fromType<Qt::Key>().keyToValue(qPrintable("Key_" + first));
    QFile file(first);
    auto *list = g_window ? g_window->findChild<QListWidget *>() : nullptr;
    auto *button = dialog() ? dialog()->findChild<QPushButton *>(first) : nullptr;
    button = button || !g_window ? button : g_window->findChild<QPushButton *>(first);
    if (verb == "mkdir" || verb == "rmdir") // the world around
        return verb == "mkdir" ? QDir().mkpath(arg) : QDir(arg).removeRecursively();
    if (verb == "put") { // written by the program's own writer
        QVector<PhraseEntry> records;
        for (const QString &r : rest.split(" | ", Qt::SkipEmptyParts))
            records << PhraseEntry{r.section(' ', 0, -2).remove(quotes),
                                   r.section(' ', -1).toInt()};
        return PhraseFile(first).save(records);
    }
    if (verb == "puthex" || verb == "write") // bytes in hex, or text with \r and \n
        return QDir().mkpath(QFileInfo(first).path()) && file.open(QIODevice::WriteOnly) &&
               file.write(verb == "puthex"
                              ? bytesOf(rest)
                              : rest.toUtf8().replace("\\r", "\r").replace("\\n", "\n")) >= 0;
    if (verb == "env") // NAME VALUE, or NAME alone to unset it
        return rest.isEmpty() ? qunsetenv(qPrintable(first))
                              : qputenv(qPrintable(first), rest.toUtf8());
    if (verb == "chmod")
        return ::chmod(QFile::encodeName(rest).constData(), first.toUInt(nullptr, 8)) == 0;
    if (verb == "mount")
        return ::mount("varizez-small", qPrintable(first), "tmpfs", 0,
                       qPrintable("size=" + rest)) == 0;
    const rlimit limit = {arg.toULong(), RLIM_INFINITY};
    if (verb == "limit") // a file size limit, till the end
        return std::signal(SIGXFSZ, SIG_IGN) != SIG_ERR && ::setrlimit(RLIMIT_FSIZE, &limit) == 0;
    if (verb == "user") // nobody, till the end
        return !::setgroups(0, nullptr) && !::setgid(65534) && !::setuid(65534);
    if (verb == "run") { // varizez-file with these arguments, named as a user names it
        QProcess tool;
        tool.start("bash", QStringList{"-c", "exec -a varizez-file \"$0\" \"$@\"",
                                       qEnvironmentVariable("VARIZEZ_FILE")} +
                               arg.split(' ', Qt::SkipEmptyParts));
        const bool ended = tool.waitForFinished(60000);
        // (A coverage build run as another user cannot write its data, and says so.)
        const QRegularExpression coverage("^profiling:.*\n", QRegularExpression::MultilineOption);
        for (const QString &out :
             {"stdout: " + QString::fromUtf8(tool.readAllStandardOutput()),
              "stderr: " + QString::fromUtf8(tool.readAllStandardError()).remove(coverage)})
            if (out.size() > 8)
                g_events << QString(out).replace('\r', "\\r").replace('\n', "\\n");
        return g_events << QString("status: %1").arg(tool.exitCode()), ended;
    }
    if (verb == "load") { // the program's reader, then its writer, on this file
        PhraseFile phrases(arg);
        const PhraseFileContents c = phrases.load();
        g_events << "records: " + recordsOf(c.entries)
                 << QString("damage:%1%2%3%4")
                        .arg(c.dataRanOut ? " short" : "", c.corruptText ? " odd" : "",
                             c.stoppedAtBound ? " bound" : "",
                             c.trailingBytes ? QString(" trailing %1").arg(c.trailingBytes) : "");
        return phrases.save(c.entries);
    }
    if (verb == "open") { // what the user does, in the language the environment names
        installTranslations();
        preferWholeArabicScriptFont();
        presentMainWindow(*(g_window = new MainWindow));
        return QTest::qWaitForWindowActive(g_window);
    }
    if (verb == "close")
        return delete g_window, g_window = nullptr, true;
    if (verb == "click" && list && list->item(arg.toInt()))
        return QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                                 list->visualItemRect(list->item(arg.toInt())).center()),
               true;
    if (verb == "unselect" && list)
        return list->setCurrentRow(-1), true;
    if (verb == "press" && button && first == "btnExit") { // Exit ends an event loop: run one
        QTimer::singleShot(0, button, &QPushButton::click);
        QTimer::singleShot(20000, [] { QCoreApplication::exit(99); });
        return g_events << QString("status: %1").arg(QCoreApplication::exec()), true;
    }
    if ((verb == "press" && button) || (verb == "type" && g_window)) {
        // An input dialog that this opens gets the rest of the step as its answer
        // ("cancel" cancels it); any other dialog is closed.
        QTimer::singleShot(0, [answer = QString(rest).remove(quotes)] {
            QWidget *modal = QApplication::activeModalWidget();
            auto *input = qobject_cast<QInputDialog *>(modal);
            if (modal)
                g_events << QString("shown: %1 \"%2\" \"%3\"")
                                .arg(modal->metaObject()->className(), modal->windowTitle(),
                                     input ? input->labelText()
                                           : modal->property("text").toString());
            if (input && answer != "cancel")
                input->setTextValue(answer), input->accept();
            else if (modal)
                modal->close();
        });
        if (verb == "press")
            return QTest::mouseClick(button, Qt::LeftButton), true;
        // A key press where the focus is, in the window in front.
        if (!QApplication::activeWindow() &&
            (g_window->activateWindow(), !QTest::qWaitForWindowActive(g_window)))
            return false;
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));
        const QWidget *focus = QApplication::focusWidget();
        return g_events << "focus: " + (focus ? focus->objectName() : "none"), true;
    }
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, QString(), verb == "repeat");
    if ((verb == "key" || verb == "repeat") && dialog()) // on the counting dialog, Qt's key names
        return QCoreApplication::sendEvent(dialog(), &press);
    for (int i = 0; verb == "count" && dialog() && i != arg.toInt(); ++i) // L, printing the count
        QTest::keyClick(dialog(), Qt::Key_L),
            std::printf("counted %d\n", dialog()->findChild<QLCDNumber *>()->intValue());
    if (verb == "faces")
        g_events << faces();
    if (verb == "texts")
        texts(first.isEmpty() ? nullptr : button);
    return verb == "count" || verb == "faces" || verb == "texts";
}

// Does a step; returns what changed and what else happened, a line each.
QStringList play(const QString &step, const QDBusConnection &listener)
{
    const QMap<QString, QString> before = state();
    g_events.clear();
    if (!act(step.section(' ', 0, 0), step.section(' ', 1)))
        g_events << "failed: " + step;
    const auto ping = QDBusMessage::createMethodCall(
        "org.freedesktop.DBus", "/org/freedesktop/DBus", "org.freedesktop.DBus", "GetId");
    for (int i = 0; i < 2 && listener.isConnected(); ++i) // until every signal sent has come
        QDBusConnection::sessionBus().call(ping), listener.call(ping), QTest::qWait(5);
    QTest::qWait(5); // and the window system has done what it was asked
    QMap<QString, QString> after = state(), keys = before;
    keys.insert(after);
    QStringList changes;
    for (const QString &key : keys.keys()) {
        const QString old = before.value(key, "-"), now = after.value(key, "gone");
        const QString mode = now.section(' ', 0, 0) + ' ', contents = now.section(' ', 2);
        if (old != now)
            changes << key + ": " +
                           (!key.startsWith('/') || now == "gone" ? (now.isEmpty() ? "-" : now)
                            : old.startsWith(mode) && old.section(' ', 2) == contents
                                ? mode + "written again"
                                : mode + contents);
    }
    return changes + g_events;
}

} // namespace

int main(int argc, char *argv[])
{
    // The images are registered before main() runs, so before any application.
    for (QDirIterator it(":/new", QDir::Files, QDirIterator::Subdirectories); it.hasNext();)
        if (QFile(it.next()).open(QIODevice::ReadOnly))
            g_early << it.filePath();
    QApplication app(argc, argv);
    std::setvbuf(stdout, nullptr, _IONBF, 0); // every line out at once, for a kill at any moment
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &, const QString &message) {
        if (message.startsWith("varizez: "))
            g_events << "warned: " + message.mid(9);
        else if (type != QtDebugMsg)
            std::fprintf(stderr, "%s\n", qPrintable(message));
    });
    // Steps write under /home: only ever a private one.
    if (QStorageInfo("/home").device() != "varizez-test-home")
        return std::fprintf(stderr, "run me through with-private-home.sh\n"), 2;
    ::umask(022);
    qputenv("HOME", "/home/tester"); // never the real one; steps may change it
    qunsetenv("XDG_DATA_HOME");
    Sink sink;
    QDesktopServices::setUrlHandler("http", &sink, "opened");
    // Only this process's signals count, whatever else uses the bus.
    QDBusConnection listener = QDBusConnection::connectToBus(QDBusConnection::SessionBus, "l");
    listener.connect(QDBusConnection::sessionBus().baseService(), "/", "com.nokia.hildon_desktop",
                     "exit_app_view", &sink, SLOT(signalled()));
    QTextStream in(stdin);
    for (QString step; in.readLineInto(&step);) {
        std::printf("%s\n", qUtf8Printable(step));
        for (const QString &change : step.trimmed().isEmpty() || step.startsWith('#')
                                         ? QStringList()
                                         : play(step, listener))
            std::printf("  %s\n", qUtf8Printable(change));
    }
    delete g_window;
    QDesktopServices::unsetUrlHandler("http");
    const rlimit unlimited = {RLIM_INFINITY, RLIM_INFINITY}; // for coverage data, written last
    ::setrlimit(RLIMIT_FSIZE, &unlimited);
    return 0;
}

#include "tst_actions.moc"
