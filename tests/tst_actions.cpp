// SPDX-FileCopyrightText: 2026 Varizez developers <developers@varizez.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Plays steps read from standard input against the real program, on the
// offscreen platform in a private /home: each step is something a user does,
// or the world around does (actions/README). It writes the steps back, each
// followed by what the step changed for the user and on the disk, indented:
// the transcript that rows.py compares with a script or a table row.

#include "desktopevents.h"
#include "devicefile.h"
#include "idleinhibitor.h"
#include "mainwindow.h"
#include "phrasefile.h"
#include "phrasestore.h"
#include "startup.h"
#include "targetfile.h"
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

MainWindow *g_window = nullptr;             // the device's program, while it runs
QString g_device;                           // the device the steps are on ("" when one)
QMap<QString, MainWindow *> g_windows;      // every device's program, by device
QMap<const QWidget *, QWidget *> g_dialogs; // each program's counting dialog
QSet<const PhraseStore *> g_settling;       // stores that noticed a change not yet taken in

// Where the program's bus signals and the pages it opens arrive.
class Sink : public QObject
{
    Q_OBJECT
public slots:
    void opened(const QUrl &url) { g_events << "opened: " + url.toString(); }
    void signalled() { g_events << "signal: exit_app_view"; }
};

// The counting dialog of the program on the device, or one no program has.
QWidget *dialog()
{
    if (QWidget *own = g_dialogs.value(g_window))
        return own;
    for (QWidget *top : QApplication::topLevelWidgets())
        if (top->inherits("Counter") && !g_dialogs.values().contains(top))
            return top;
    return nullptr;
}

QListView *list(const QWidget *window = g_window)
{
    return window ? window->findChild<QListView *>("listWidget") : nullptr;
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
    // Settings first: read as a phrase file, "[sha" declares a billion records.
    if (bytes.startsWith('['))
        return "text " + QString::fromUtf8(bytes).replace('\n', "\\n");
    QVector<PhraseTarget> targets; // "text 33 | text#2 99": the second row of that text
    if (TargetFile::read(bytes, &targets) == FileVerdict::Whole) {
        QStringList shown;
        for (const PhraseTarget &t : targets)
            shown << QString("\"%1\"%2 %3")
                         .arg(t.phrase.text, t.phrase.n ? QString("#%1").arg(t.phrase.n + 1) : "")
                         .arg(t.target);
        return "targets " + (shown.isEmpty() ? "none" : shown.join(" | "));
    }
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    const PhraseFileContents c = PhraseFile::read(buffer);
    const QString more = bytes.size() > 32 ? QString("... (%1 bytes)").arg(bytes.size()) : "";
    return !c.damaged()      ? recordsOf(c.entries)
           : bytes.isEmpty() ? "no bytes"
                             : "bytes " + bytes.left(32).toHex() + more;
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

QString shown(const QVariant &value, const QMetaProperty &p = {})
{
    const auto policy = QMetaEnum::fromType<QSizePolicy::Policy>();
    const QSizePolicy sizes = value.value<QSizePolicy>();
    QString text; // QDebug's quoting, without its "QVariant(type, ...)"
    QDebug(&text).nospace() << value;
    return p.isEnumType() ? p.enumerator().valueToKeys(value.toInt())
           : value.userType() == QMetaType::QSize
               ? QString("%1x%2").arg(value.toSize().width()).arg(value.toSize().height())
           : value.canConvert<QSizePolicy>()
               ? QString(policy.valueToKey(sizes.horizontalPolicy())) + '/' +
                     policy.valueToKey(sizes.verticalPolicy())
               : text.mid(text.indexOf(", ") + 2).chopped(1);
}

// One object a line, children indented: layouts with their spacing, margins
// and items; widgets with what was set on them (values that are Qt's defaults
// for every widget are left out, and so is a size that the layout decides)
// and what a screen reader says of them when it is not their text.
void dumpTree(const QObject *object, const QString &indent, QTextStream &out)
{
    static const QByteArrayList watched =
        QByteArray("windowTitle size minimumSize maximumSize sizePolicy text styleSheet wordWrap "
                   "editTriggers showDropIndicator alternatingRowColors selectionBehavior intValue")
            .split(' ');
    static const QStringList defaults{"\"\"", "0x0", "16777215x16777215", "false",
                                      "Preferred/Preferred"};
    if (!object->objectName().contains(QRegularExpression("^(?!_|qt_).")))
        return; // no name, or one Qt gave it
    QStringList set;
    for (const QByteArray &name : object->isWidgetType() ? watched : QByteArrayList()) {
        const QMetaProperty p =
            object->metaObject()->property(object->metaObject()->indexOfProperty(name));
        const QString value = p.isValid() ? shown(p.read(object), p) : "\"\"";
        if (!defaults.contains(value) && (indent.isEmpty() || name != "size"))
            set << name + ' ' + value;
    }
    if (const auto *layout = qobject_cast<const QLayout *>(object)) {
        QString items; // (Qt 5 keeps no QMargins in a QVariant)
        QDebug(&items).nospace() << "spacing " << layout->spacing() << ' '
                                 << layout->contentsMargins() << ':';
        for (int i = 0; i < layout->count(); ++i)
            items +=
                ' ' + (layout->itemAt(i)->widget() ? layout->itemAt(i)->widget()->objectName()
                                                   : layout->itemAt(i)->layout()->objectName());
        set << items;
    }
    QAccessibleInterface *a = QAccessible::queryAccessibleInterface(const_cast<QObject *>(object));
    if (a && a->text(QAccessible::Name) !=
                 object->property(indent.isEmpty() ? "windowTitle" : "text").toString())
        set << QString("accessible \"%1\", \"%2\"")
                   .arg(a->text(QAccessible::Name), a->text(QAccessible::Description));
    out << indent << object->metaObject()->className() << ' ' << object->objectName()
        << (set.isEmpty() ? "" : ": ") << set.join(", ") << '\n';
    for (const QObject *child : object->children())
        dumpTree(child, indent + "  ", out);
}

// Both windows as the program builds them, what it asks of the window system,
// and the images compiled into it, opened before main().
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
    for (auto a : {Qt::WidgetAttribute(128), Qt::WidgetAttribute(129), Qt::WidgetAttribute(130)})
        out << (window.testAttribute(a) != plain.testAttribute(a) ? ", set " : ", untouched ") << a;
    g_early.sort();
    for (const QString &path : qAsConst(g_early)) {
        const QImage image(path);
        out << '\n'
            << path << ": " << image.width() << 'x' << image.height() << ' '
            << QMetaEnum::fromType<QImage::Format>().valueToKey(image.format())
            << ", alpha at (1,1) (128,10) (128,128): " << qAlpha(image.pixel(1, 1)) << ' '
            << qAlpha(image.pixel(128, 10)) << ' ' << qAlpha(image.pixel(128, 128))
            << ", compression " << QResource(path).compressionAlgorithm();
    }
    return dump.split('\n');
}

// A device's name, user@host, as the same on every machine.
QString hostMasked(QString text)
{
    return text.replace('@' + QSysInfo::machineHostName(), "@(host)");
}

// What a device's windows show. A closed program shows "window: closed"
// and otherwise what it last showed, so a start shows only what it changed.
QMap<QString, QMap<QString, QString>> g_shown{{"", {}}}; // by device, "" the first

const QMap<QString, QString> &windowsOf(const QString &device)
{
    QMap<QString, QString> &now = g_shown[device];
    if (now.isEmpty())
        now = {{"list", "-"},
               {"current", "-1"},
               {"disabled", "btnStart btnRemove"},
               {"dialog", "hidden 0"},
               {"notice", "none"}};
    now["window"] = "closed";
    const MainWindow *window = g_windows.value(device);
    const QWidget *counter = g_dialogs.value(window);
    if (!window)
        return now;
    QStringList rows, disabled;
    for (int i = 0; i < list(window)->model()->rowCount(); ++i)
        rows << list(window)->model()->index(i, 0).data().toString();
    for (const QPushButton *b :
         window->findChildren<QPushButton *>() + counter->findChildren<QPushButton *>())
        if (!b->isEnabled())
            disabled << b->objectName();
    now["window"] = shownAs(window);
    now["list"] = rows.size() > 6 ? QString("%1 | ... (%2 rows)").arg(rows.first()).arg(rows.size())
                  : rows.isEmpty() ? "-"
                                   : rows.join(" | ");
    now["current"] = QString::number(list(window)->currentIndex().row());
    now["disabled"] = disabled.isEmpty() ? "-" : disabled.join(' ');
    const auto *lcd = counter->findChild<QLCDNumber *>();
    const QString shown = QString::number(lcd->intValue()); // if it fits the digits
    now["dialog"] =
        shownAs(counter) + ' ' + (shown.size() > lcd->digitCount() ? "overflow" : shown);
    // The target's strip: its progress, and the way on when it is offered.
    if (const auto *progress = counter->findChild<QLabel *>("targetProgress")) {
        const auto *next = counter->findChild<QPushButton *>("btnNext");
        now["target"] = progress->text() + (next->isVisibleTo(counter) ? " | " + next->text() : "");
    } else if (now.contains("target")) {
        now["target"] = "none";
    }
    // The notices and undo offers at the top: one if the same in both windows, else both.
    for (const QString name : {"notice", "offer"}) {
        QStringList texts;
        for (const QWidget *w : {static_cast<const QWidget *>(window), counter}) {
            const auto *label = w->findChild<QLabel *>(name == "notice" ? name : "undoText");
            texts << (label ? label->text() : QString("none"));
        }
        const QString text = texts.first() == texts.last() ? texts.first() : texts.join(" | ");
        if (name == "notice" || text != "none" || now.contains(name))
            now[name] = hostMasked(text).replace('\n', "\\n");
    }
    return now;
}

// What every device's windows show, each's under its name.
QMap<QString, QString> windows()
{
    QMap<QString, QString> all;
    for (const QString &device : g_shown.keys()) {
        const QMap<QString, QString> &shown = windowsOf(device);
        for (auto it = shown.cbegin(); it != shown.cend(); ++it)
            all[(device.isEmpty() ? "" : device + ' ') + it.key()] = it.value();
    }
    return all;
}

// What the user and the disk show: the windows, and every file under /home
// as "MODE INODE CONTENTS", a file written anew having a new inode. The
// devices' files change with every count: "run sync" shows them. The font
// caches a library may write for a user who cannot write the system's are
// none of the program's.
QMap<QString, QString> state()
{
    QMap<QString, QString> seen = windows();
    static const QRegularExpression notShown("/varizez-[0-9a-f]*\\.counts$|\\.days(-journal)?$|\\."
                                             "devices(/|$)|/\\.(cache|fontconfig)(/|$)");
    for (QDirIterator it("/home", QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden,
                         QDirIterator::Subdirectories);
         it.hasNext();) {
        if (notShown.match(it.next()).hasMatch())
            continue;
        struct stat status = {};
        QFile file(it.filePath());
        ::lstat(QFile::encodeName(it.filePath()).constData(), &status);
        // A link is shown, never read: it may lead to a device without end.
        seen[it.filePath()] =
            QString("%1 %2 ").arg(status.st_mode & 07777, 0, 8).arg(status.st_ino) +
            (S_ISDIR(status.st_mode)          ? "folder"
             : S_ISLNK(status.st_mode)        ? "link to " + it.fileInfo().symLinkTarget()
             : file.open(QIODevice::ReadOnly) ? contentsOf(file.readAll())
                                              : "unreadable");
    }
    return seen;
}

// The button of that object name, in the counting dialog or the main window.
QAbstractButton *button(const QString &name)
{
    QAbstractButton *b = dialog() ? dialog()->findChild<QAbstractButton *>(name) : nullptr;
    return b || !g_window ? b : g_window->findChild<QAbstractButton *>(name);
}

int keyNamed(const QString &name)
{
    return QMetaEnum::fromType<Qt::Key>().keyToValue(qPrintable("Key_" + name));
}

QString unquoted(QString text)
{
    return text.remove(QRegularExpression("^\"|\"$"));
}

// A window as its user reads it: which way it runs, whether the main window
// fits the size it opens at, its title, then every text it shows, and
// [what a screen reader reads] of a chart.
QString textsOf(const QWidget *top)
{
    const QSize least = top->minimumSizeHint();
    QStringList all = {top->metaObject()->className(), top->isRightToLeft() ? "rtl" : "ltr"};
    if (top == g_window)
        all << (least.boundedTo({287, 335}) == least ? "fits" : "too small");
    all << '"' + top->windowTitle() + '"';
    // A chart by what a screen reader reads of it, the days with something
    // said.
    for (const QWidget *w : top->findChildren<QWidget *>())
        if (w->isVisibleTo(top) && !w->property("text").toString().isEmpty())
            all << '"' + w->property("text").toString().replace('\n', "\\n") + '"';
        else if (w->isVisibleTo(top) && w->inherits("HistoryChart"))
            all << '[' +
                       w->accessibleDescription()
                           .split("; ")
                           .filter(QRegularExpression("(?<!: 0)$"))
                           .join("; ") +
                       ']';
    return all.join(' ');
}

// A dialog opened by what comes next is shown, by its texts, and gets this
// answer: an input dialog takes the text ("cancel" cancels it; one it
// refuses is shown, then cancelled), any other dialog is closed. A menu
// takes "ITEM > ANSWER": that item is chosen, and what it opens gets ANSWER.
void answerNextDialog(const QString &answer)
{
    QTimer::singleShot(0, [answer = unquoted(answer)] {
        if (auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget())) {
            QStringList items;
            QAction *chosen = nullptr;
            for (QAction *action : menu->actions()) {
                items << '"' + action->text() + '"';
                if (action->text() == answer.section(" > ", 0, 0))
                    chosen = action;
            }
            g_events << "menu: " + items.join(' ');
            if (chosen) {
                answerNextDialog(answer.section(" > ", 1));
                menu->setActiveAction(chosen);
                QTest::keyClick(menu, Qt::Key_Return);
            } else {
                menu->close();
            }
            return;
        }
        QWidget *modal = QApplication::activeModalWidget();
        auto *input = qobject_cast<QInputDialog *>(modal);
        if (modal)
            g_events << "shown: " + textsOf(modal);
        if (input && answer.startsWith("cancel:")) // typed, then cancelled
            input->setTextValue(answer.mid(7)), input->reject();
        else if (input && answer != "cancel") {
            input->setTextValue(answer), input->accept();
            if (input->isVisible()) // refused, the reason in its label
                g_events << "refused: " + input->labelText().replace('\n', "\\n"), input->reject();
        } else if (modal)
            modal->close();
    });
}

// The verbs of the steps (actions/README). Each takes the first word of what
// follows it and the rest, and says whether it could be done.
using S = const QString &;

bool putBytes(S path, const QByteArray &bytes)
{
    QFile file(path);
    return QDir().mkpath(QFileInfo(path).path()) && file.open(QIODevice::WriteOnly) &&
           file.write(bytes) == bytes.size();
}

bool put(S file, S records) // "text count | ...", by the program's own writer
{
    QVector<PhraseEntry> entries;
    for (const QString &r : records.split(" | ", Qt::SkipEmptyParts))
        entries << PhraseEntry{unquoted(r.section(' ', 0, -2)), r.section(' ', -1).toInt()};
    return QDir().mkpath(QFileInfo(file).path()) && PhraseFile(file).save(entries);
}

bool run(S command, S rest) // varizez-file with these arguments [> FILE, its output]
{
    QProcess tool;
    const QString line = command + ' ' + rest;
    if (line.contains(" > "))
        tool.setStandardOutputFile(line.section(" > ", 1));
    tool.start(qEnvironmentVariable("VARIZEZ_FILE"),
               line.section(" > ", 0, 0).split(' ', Qt::SkipEmptyParts));
    const bool ended = tool.waitForFinished(60000);
    // (A coverage build run as another user cannot write its data, and says so.)
    const QRegularExpression coverage("^profiling:.*\n", QRegularExpression::MultilineOption);
    // When devices last counted, and this machine's name, differ from run to run.
    const QRegularExpression when("last counted \\S+ \\S+ UTC");
    for (const QString &out :
         {"stdout: " + QString::fromUtf8(tool.readAllStandardOutput()),
          "stderr: " + QString::fromUtf8(tool.readAllStandardError()).remove(coverage)})
        if (out.size() > 8)
            g_events << hostMasked(out)
                            .replace(when, "last counted (when)")
                            .replace('\r', "\\r")
                            .replace('\n', "\\n");
    return g_events << QString("status: %1").arg(tool.exitCode()), ended;
}

bool load(S path, S) // the program's reader, then its writer
{
    PhraseFile phrases(path);
    const PhraseFileContents c = phrases.load();
    g_events << "records: " + recordsOf(c.entries)
             << QString("damage:%1%2%3%4")
                    .arg(c.dataRanOut ? " short" : "", c.corruptText ? " odd" : "",
                         c.stoppedAtBound ? " bound" : "",
                         c.trailingBytes ? QString(" trailing %1").arg(c.trailingBytes) : "");
    return phrases.save(c.entries);
}

bool press(S name, S answer)
{
    QAbstractButton *b = button(name);
    if (b && name == "btnExit") { // Exit ends an event loop: run one
        QTimer::singleShot(0, b, &QAbstractButton::click);
        QTimer::singleShot(20000, [] { QCoreApplication::exit(99); });
        return g_events << QString("status: %1").arg(QCoreApplication::exec()), true;
    }
    return b && (answerNextDialog(answer), QTest::mouseClick(b, Qt::LeftButton), true);
}

bool type(S key, S answer) // where the focus is, in the window in front
{
    if (!g_window || (!QApplication::activeWindow() &&
                      (g_window->activateWindow(), !QTest::qWaitForWindowActive(g_window))))
        return false;
    answerNextDialog(answer);
    // "Tab", "Ctrl+Z", "Shift+F10"...
    const Qt::KeyboardModifiers modifiers = key.startsWith("Ctrl+")    ? Qt::ControlModifier
                                            : key.startsWith("Shift+") ? Qt::ShiftModifier
                                                                       : Qt::NoModifier;
    QTest::keyClick(QApplication::focusWidget(), Qt::Key(keyNamed(key.section('+', -1))),
                    modifiers);
    const QWidget *focus = QApplication::focusWidget();
    return g_events << "focus: " + (focus ? focus->objectName() : "none"), true;
}

bool keyOnDialog(S name, bool autoRepeat) // "L*10": ten presses
{
    bool done = dialog();
    for (int n = name.contains('*') ? name.section('*', 1).toInt() : 1; done && n > 0; --n) {
        QKeyEvent press(QEvent::KeyPress, keyNamed(name.section('*', 0, 0)), Qt::NoModifier,
                        QString(), autoRepeat);
        done = QCoreApplication::sendEvent(dialog(), &press);
    }
    return done;
}

// The middle of that row of the list; (0, 0) when there is none.
QPoint rowAt(S row)
{
    const QModelIndex index = list() ? list()->model()->index(row.toInt(), 0) : QModelIndex();
    return index.isValid() ? list()->visualRect(index).center() : QPoint();
}

// Each phrase of the device's list with its count, as Start shows it.
bool counts(S, S)
{
    QStringList shown;
    for (int row = 0; list() && row < list()->model()->rowCount(); ++row) {
        const QModelIndex index = list()->model()->index(row, 0);
        list()->setCurrentIndex(index);
        QTest::mouseClick(g_window->findChild<QPushButton *>("btnStart"), Qt::LeftButton);
        shown << index.data().toString() + ' ' +
                     QString::number(dialog()->findChild<QLCDNumber *>()->intValue());
        QTest::mouseClick(dialog()->findChild<QPushButton *>("btnBack"), Qt::LeftButton);
    }
    return g_events << "counts: " + (shown.isEmpty() ? "-" : shown.join(" | ")), list();
}

// "\xHH" in TEXT stands for that character.
QString decoded(QString text)
{
    for (int at; (at = text.indexOf(QRegularExpression(R"(\\x[0-9a-fA-F]{2})"))) >= 0;)
        text.replace(at, 4, QChar(text.mid(at + 2, 2).toUShort(nullptr, 16)));
    return text;
}

// A device's file, valid or not, written by the program's own writer:
// "FILE ID NAME [GENERATION] / TEXT UPS DOWNS ADDS [reset|removed ID UPS DOWNS
// ADDS]... / target TEXT N STAMP / ..."; \xHH in NAME and TEXT as for
// decoded(), NAME*N for N copies; with a generation, the file is sealed with
// a key of its own.
bool deviceFile(S file, S spec)
{
    const QStringList parts = spec.split(" / ");
    const QStringList head = parts.first().split(' ');
    DeviceState state;
    state.id = head.value(0);
    state.generation = head.value(2).toLongLong();
    state.name = decoded(head.value(1).section('*', 0, 0));
    state.name = state.name.repeated(
        head.value(1).contains('*') ? head.value(1).section('*', 1).toInt() : 1);
    for (const QString &part : parts.mid(1)) {
        const QStringList w = part.split(' ');
        if (w.first() == "target") {
            state.targets.insert({w.value(1), 0}, {w.value(2).toInt(), w.value(3).toLongLong()});
            continue;
        }
        DeviceEntry e;
        e.key = {decoded(w.value(0)), 0};
        e.tally = {w.value(1).toLongLong(), w.value(2).toLongLong(), w.value(3).toLongLong()};
        for (int k = 4; k + 4 < w.size(); k += 5)
            (w.at(k) == "reset" ? e.reset : e.removed)
                .tallies.insert(w.value(k + 1),
                                Tally{w.value(k + 2).toLongLong(), w.value(k + 3).toLongLong(),
                                      w.value(k + 4).toLongLong()});
        e.reset.raise(e.removed);
        state.entries.append(e);
    }
    QSaveFile out(file); // put in place whole, as a file-sync engine does
    const QByteArray key = state.generation ? QByteArray("forger's key") : QByteArray();
    return out.open(QIODevice::WriteOnly) && out.write(DeviceFile::bytesOf(state, key)) >= 0 &&
           out.commit();
}

// Another machine, as far as the program can tell: its id in place of this one's.
// A sound server and feedbackd of the case's own, each with a log of what it
// was asked to play: both log a request before they answer it, so once the
// program's requests are answered the logs hold them.
struct Witness
{
    QString log, request;    // each request begins with that text in the log,
    QRegularExpression what; // which tells what was asked:
    QString shown;           // shown so, %1 %2 %3 what was found
    qint64 read = 0;         // how much of the log was shown
};
QMap<QString, Witness> g_witnesses; // "sound", "feedbackd"

QProcess *serve(const QString &program, const QStringList &arguments,
                const QMap<QString, QString> &variables, const QString &log = QString())
{
    auto *server = new QProcess(qApp);                       // ended with the application
    server->setProcessChannelMode(QProcess::MergedChannels); // GLib logs to both
    server->setStandardOutputFile(log.isEmpty() ? QProcess::nullDevice() : log);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (auto it = variables.cbegin(); it != variables.cend(); ++it)
        env.insert(it.key(), it.value());
    server->setProcessEnvironment(env);
    server->start(program, arguments);
    return server;
}

// A service's folder: its socket and its log. Not in the test's runtime
// folder: under a deep build folder, a socket's path there is longer than the
// 99 bytes dbus-daemon takes ("Socket name too long").
QString privateDir(const QString &name)
{
    static const QTemporaryDir services; // in /tmp, taken away at the end
    const QString dir = services.filePath(name);
    return services.isValid() && QDir().mkpath(dir) ? dir : QString();
}

bool soundServer(S, S) // PulseAudio, playing to a sink that goes nowhere
{
    const QString dir = privateDir("sound");
    const QString log = dir + "/log", socket = dir + "/native";
    serve("pulseaudio",
          {"-n", "--daemonize=no", "--exit-idle-time=-1", "--use-pid-file=no", "--log-level=info",
           "--log-target=file:" + log, "-L", "module-null-sink sink_name=quiet", "-L",
           "module-native-protocol-unix auth-anonymous=1 socket=" + socket},
          {{"HOME", dir}, {"PULSE_RUNTIME_PATH", dir}, {"PULSE_STATE_PATH", dir}});
    g_witnesses["sound"] = {
        log, "Created input",
        QRegularExpression(
            R"re(event\.id = "([^"]*)"[\s\S]*?media\.filename = "[^"]*/([^"/]*)")re"),
        "sound: %1 from %2%3"};
    qputenv("PULSE_COOKIE", (dir + "/cookie").toUtf8()); // the program's own, kept out of /home
    return qputenv("PULSE_SERVER", ("unix:" + socket).toUtf8()) &&
           QTest::qWaitFor([&] { return QFileInfo::exists(socket); }, 20000);
}

// "feedbackd stopped": one that takes every request and answers none, until
// "wake feedbackd"; what it took is shown then.
QPointer<QProcess> g_feedbackd;
Witness g_asleep;

// Never to a process id of 0, which is everyone in the test runner's group.
bool signalFeedbackd(int signal)
{
    return g_feedbackd && g_feedbackd->processId() > 0 &&
           ::kill(pid_t(g_feedbackd->processId()), signal) == 0;
}

bool feedbackd(S how, S) // on a session bus of its own, with its debugging log
{
    const QString dir = privateDir("feedback");
    const QString bus = "unix:path=" + dir + "/bus", log = dir + "/log";
    serve("dbus-daemon", {"--session", "--nofork", "--address=" + bus}, {});
    if (!QTest::qWaitFor([&] { return QFileInfo::exists(dir + "/bus"); }, 20000))
        return false;
    g_feedbackd = serve("/usr/libexec/feedbackd", {},
                        {{"DBUS_SESSION_BUS_ADDRESS", bus},
                         {"G_MESSAGES_DEBUG", "fbd fbd-feedback-manager"},
                         {"GSETTINGS_BACKEND", "memory"}},
                        log);
    g_witnesses["feedbackd"] = {
        log, "Event '",
        QRegularExpression(R"re(^([^']*)' for '([^']*)' from[\s\S]*?uses app profile (\w+))re"),
        "feedbackd: %1 for %2, profile %3"};
    // The program reaches feedbackd through GLib's bus, not Qt's: only it moves.
    const bool started =
        qputenv("DBUS_SESSION_BUS_ADDRESS", bus.toUtf8()) &&
        QTest::qWaitFor(
            [&] {
                QFile file(log);
                return file.open(QIODevice::ReadOnly) && file.readAll().contains("was acquired");
            },
            20000);
    if (how == "stopped")
        g_asleep = g_witnesses.take("feedbackd");
    return started && (how != "stopped" || signalFeedbackd(SIGSTOP));
}

bool wake(S, S)
{
    g_witnesses["feedbackd"] = g_asleep;
    return signalFeedbackd(SIGCONT);
}

// The desktop's side of keeping the screen awake: a screen saver service
// that logs what it is asked and what the portal is asked; and the desktop
// portal, whose GTK backend reaches the screen saver, as on a desktop
// without GNOME's session manager. The backend needs a display: an X
// server of its own.
int g_inhibitRequests = 0, g_inhibitAnswers = 0; // of every program's IdleInhibitor
bool g_portal = false;

bool registered(const QString &name)
{
    return QTest::qWaitFor(
        [&] { return QDBusConnection::sessionBus().interface()->isServiceRegistered(name); },
        20000);
}

bool screenSaver(S, S)
{
    const QString dir = privateDir("screensaver"), log = dir + "/log";
    serve("/usr/bin/python3", {VARIZEZ_SUPPORT_DIR "/screensaver.py", log}, {});
    g_witnesses["screensaver"] = {log, "> ", QRegularExpression("^([^\n]*)"), "%1%2%3"};
    return registered("org.freedesktop.ScreenSaver");
}

bool portal(S, S)
{
    auto *x = new QProcess(qApp);
    x->start("Xvfb", {"-displayfd", "1", "-noreset", "-nolisten", "tcp", "-nolisten", "unix"});
    if (!x->waitForReadyRead(20000))
        return false;
    const QString display = ':' + QString::fromLatin1(x->readLine().trimmed());
    serve("/usr/libexec/xdg-desktop-portal-gtk", {"-r"}, {{"DISPLAY", display}});
    if (!registered("org.freedesktop.impl.portal.desktop.gtk"))
        return false;
    serve("/usr/libexec/xdg-desktop-portal", {"-r"}, {{"XDG_CURRENT_DESKTOP", "gnome"}});
    // Once it offers to inhibit: it takes its name before its portals are in place.
    const auto introspect = QDBusMessage::createMethodCall(
        "org.freedesktop.portal.Desktop", "/org/freedesktop/portal/desktop",
        "org.freedesktop.DBus.Introspectable", "Introspect");
    return g_portal = QTest::qWaitFor(
               [&] {
                   const QDBusMessage reply = QDBusConnection::sessionBus().call(introspect);
                   return reply.arguments().value(0).toString().contains(
                       "org.freedesktop.portal.Inhibit");
               },
               20000);
}

// Once what the programs asked to keep the screen awake has reached the
// screen saver: every answer in, every message out delivered and logged,
// and everything the portal was asked passed on by its backend.
bool inhibitionsSettled()
{
    if (!QTest::qWaitFor([] { return g_inhibitRequests == g_inhibitAnswers; }, 20000))
        return false;
    const auto settle = QDBusMessage::createMethodCall("org.freedesktop.ScreenSaver",
                                                       "/org/freedesktop/ScreenSaver",
                                                       "org.varizez.Witness", "Settle");
    if (QDBusConnection::sessionBus().call(settle).type() == QDBusMessage::ErrorMessage)
        return false;
    return !g_portal || QTest::qWaitFor(
                            [] {
                                QFile file(g_witnesses["screensaver"].log);
                                const QString log =
                                    file.open(QIODevice::ReadOnly) ? file.readAll() : QString();
                                return log.count("portal: Inhibit") + log.count("portal: Close") ==
                                       log.count("by the portal");
                            },
                            20000);
}

// What each witness was asked since the last step: the sound server the
// streams it made (their event and sound file), feedbackd the events it took.
QStringList witnessed()
{
    // From the first step on, before any program can make a request.
    static QSignalSpy taken(&DesktopEvents::requests(), &DesktopEvents::Requests::taken),
        handed(&DesktopEvents::requests(), &DesktopEvents::Requests::handed);
    if (g_witnesses.isEmpty())
        return {};
    QStringList seen; // once every request made has been handed to the servers
    if (!QTest::qWaitFor([] { return handed.size() == taken.size(); }, 20000))
        seen << "failed: the program's desktop events still on their way";
    if (g_witnesses.contains("screensaver") && !inhibitionsSettled())
        seen << "failed: the program's inhibitions still on their way";
    for (Witness &w : g_witnesses) {
        QFile file(w.log);
        if (!file.open(QIODevice::ReadOnly) || !file.seek(w.read))
            continue;
        const QStringList parts = QString::fromUtf8(file.readAll()).split(w.request).mid(1);
        w.read = file.pos();
        for (const QString &part : parts) {
            const auto found = w.what.match(part);
            seen << (found.hasMatch()
                         ? w.shown.arg(found.captured(1), found.captured(2), found.captured(3))
                         : w.shown.section(' ', 0, 0) + ' ' + part.section('\n', 0, 0));
        }
    }
    return seen;
}

bool machine(S id, S)
{
    const QString file = qEnvironmentVariable("XDG_RUNTIME_DIR") + "/machine-id-" + id;
    bool bound = putBytes(file, id.toLatin1() + '\n');
    for (const char *path : {"/etc/machine-id", "/var/lib/dbus/machine-id"})
        if (QFile::exists(path))
            bound = bound && ::mount(qPrintable(file), path, nullptr, MS_BIND, nullptr) == 0;
    return bound;
}

using Verb = bool (*)(S first, S rest);
const QHash<QString, Verb> kVerbs{
    // The world around.
    {"mkdir", [](S dir, S) { return QDir().mkpath(dir); }},
    {"rmdir", [](S dir, S) { return QDir(dir).removeRecursively(); }},
    {"put", put},
    {"puthex", [](S file, S hex) { return putBytes(file, bytesOf(hex)); }},
    {"write",
     [](S file, S text) {
         return putBytes(file, QString(text).replace("\\r", "\r").replace("\\n", "\n").toUtf8());
     }},
    {"chmod",
     [](S mode, S path) { return ::chmod(qPrintable(path), mode.toUInt(nullptr, 8)) == 0; }},
    {"mount",
     [](S dir, S size) {
         return QDir().mkpath(dir) &&
                !::mount("small", qPrintable(dir), "tmpfs", 0, qPrintable("size=" + size));
     }},
    {"bind", // a folder (or file) seen at another place, as a drive is mounted ("ro": read-only)
     [](S from, S to) {
         const QByteArray at = to.section(' ', 0, 0).toLocal8Bit();
         return (QFileInfo(at).isFile() || QDir().mkpath(at)) &&
                !::mount(qPrintable(from), at, nullptr, MS_BIND, nullptr) &&
                (!to.endsWith(" ro") ||
                 !::mount(nullptr, at, nullptr, MS_REMOUNT | MS_BIND | MS_RDONLY, nullptr));
     }},
    {"umount", // and taken away, its mount point with it
     [](S dir, S) { return !::umount(qPrintable(dir)) && QDir().rmdir(dir); }},
    {"machine", machine},
    {"link", // in place of what is there, as another program may put it
     [](S target, S at) { return (QFile::remove(at), QFile::link(target, at)); }},
    {"hardlink", [](S file, S at) { return ::link(qPrintable(file), qPrintable(at)) == 0; }},
    {"fifo", [](S path, S) { return ::mkfifo(qPrintable(path), 0644) == 0; }},
    {"devicefile", deviceFile},
    {"device", // the steps go on on another device, its account's home /home/NAME
     [](S name, S) {
         g_window = g_windows.value(g_device = name);
         qunsetenv("XDG_DATA_HOME");
         return qputenv("HOME", ("/home/" + name).toUtf8());
     }},
    {"limit",
     [](S bytes, S) { // a file size limit, till the end
         const rlimit limit = {bytes.toULong(), RLIM_INFINITY};
         return std::signal(SIGXFSZ, SIG_IGN) != SIG_ERR && !::setrlimit(RLIMIT_FSIZE, &limit);
     }},
    {"user", [](S, S) { return !::setgroups(0, nullptr) && !::setgid(65534) && !::setuid(65534); }},
    {"env",
     [](S name, S value) {
         return value.isEmpty() ? qunsetenv(qPrintable(name))
                                : qputenv(qPrintable(name), value.toUtf8());
     }},
    {"run", run},
    {"soundserver", soundServer},
    {"feedbackd", feedbackd},
    {"screensaver", screenSaver},
    {"portal", portal},
    {"wake", wake},
    {"durablefs", // mounted there by rows.py
     [](S dir, S) { return QStorageInfo(dir).fileSystemType().startsWith("fuse"); }},
    {"load", load},
    // What the user does.
    {"open",
     [](S, S) { // in the language the environment names
         installTranslations();
         preferWholeArabicScriptFont();
         g_windows[g_device] = g_window = new MainWindow;
         g_dialogs[g_window] = dialog(); // made with the window: the one no other has
         for (auto *inhibitor : g_dialogs[g_window]->findChildren<IdleInhibitor *>()) {
             QObject::connect(inhibitor, &IdleInhibitor::requested, [] { ++g_inhibitRequests; });
             QObject::connect(inhibitor, &IdleInhibitor::answered, [] { ++g_inhibitAnswers; });
         }
         const PhraseStore *store = g_window->findChild<PhraseStore *>();
         QObject::connect(store, &PhraseStore::changeNoticed, [store] { g_settling << store; });
         QObject::connect(store, &PhraseStore::changeTakenIn,
                          [store] { g_settling.remove(store); });
         QObject::connect(store, &QObject::destroyed, [store] { g_settling.remove(store); });
         presentMainWindow(*g_window);
         return QTest::qWaitForWindowActive(g_window);
     }},
    {"close",
     [](S, S) { // as closing the window does; then main() ends and destroys it
         const bool closed = g_window && g_window->close();
         g_dialogs.remove(g_window);
         g_windows.remove(g_device);
         return delete std::exchange(g_window, nullptr), closed;
     }},
    {"click",
     [](S row, S) {
         const QPoint at = rowAt(row);
         return !at.isNull() &&
                (QTest::mouseClick(list()->viewport(), Qt::LeftButton, {}, at), true);
     }},
    {"rightclick", // what the window system makes of a right click: a context menu event
     [](S row, S answer) {
         const QPoint at = rowAt(row);
         if (at.isNull())
             return false;
         QContextMenuEvent event(QContextMenuEvent::Mouse, at, list()->viewport()->mapToGlobal(at));
         answerNextDialog(answer);
         return QApplication::sendEvent(list()->viewport(), &event), true;
     }},
    {"longpress", // a finger held on the row, on a touch screen
     [](S row, S answer) {
         static auto *finger = QTest::createTouchDevice();
         const QPoint at = rowAt(row);
         if (at.isNull())
             return false;
         // Answered once the press, held, has opened a menu: looked for
         // from a timer, since the menu runs its own event loop.
         auto *looking = new QTimer;
         auto done = std::make_shared<bool>(false);
         QObject::connect(looking, &QTimer::timeout, [looking, done, answer, tries = 0]() mutable {
             const bool menu = QApplication::activePopupWidget();
             if (!menu && ++tries < 200)
                 return;
             looking->stop();
             looking->deleteLater();
             if (menu)
                 answerNextDialog(answer);
             *done = true;
         });
         looking->start(25);
         QTest::touchEvent(list()->viewport(), finger).press(0, at, list()->viewport());
         const bool answered = QTest::qWaitFor([done] { return *done; }, 10000);
         QTest::qWait(100); // the menu's answer is given
         QTest::touchEvent(list()->viewport(), finger).release(0, at, list()->viewport());
         return answered;
     }},
    {"tap", // a finger on a widget of the counting dialog, lifted at once
     [](S name, S) {
         static auto *finger = QTest::createTouchDevice();
         QWidget *target = dialog() ? dialog()->findChild<QWidget *>(name) : nullptr;
         if (!target)
             return false;
         const QPoint at = target->rect().center();
         QTest::touchEvent(target->window(), finger).press(0, at, target);
         QTest::touchEvent(target->window(), finger).release(0, at, target);
         return true;
     }},
    {"unselect", [](S, S) { return list() && (list()->setCurrentIndex(QModelIndex()), true); }},
    {"press", press},
    {"type", type},
    {"key", [](S name, S) { return keyOnDialog(name, false); }},
    {"repeat", [](S name, S) { return keyOnDialog(name, true); }},
    {"counts", counts},
    {"faces", [](S, S) { return g_events << faces(), true; }},
    {"texts", // both windows' (the dialogs that buttons open show as they open)
     [](S, S) { return g_window && (g_events << textsOf(g_window) << textsOf(dialog()), true); }},
};

// Does a step; returns what changed and what else happened, a line each.
QStringList play(const QString &step, const QDBusConnection &listener)
{
    if (step.startsWith("device ")) // its windows, closed, are no change
        windowsOf(step.section(' ', 1));
    const QMap<QString, QString> before = state();
    g_events.clear();
    // "A && B": B at once after A, before the programs see what A did.
    for (const QString &part : step.split(" && ")) {
        const QString arg = part.section(' ', 1);
        const Verb verb = kVerbs.value(part.section(' ', 0, 0));
        if (!verb || !verb(arg.section(' ', 0, 0), arg.section(' ', 1)))
            g_events << "failed: " + part;
    }
    const auto ping = QDBusMessage::createMethodCall(
        "org.freedesktop.DBus", "/org/freedesktop/DBus", "org.freedesktop.DBus", "GetId");
    for (int i = 0; i < 2 && listener.isConnected(); ++i) // until every signal sent has come
        QDBusConnection::sessionBus().call(ping), listener.call(ping), QTest::qWait(5);
    QTest::qWait(5); // and the window system has done what it was asked,
    // and each program has taken in what changed
    const bool settled = QTest::qWaitFor([] { return g_settling.isEmpty(); });
    if (!settled)
        g_events << "failed: a program went on taking in changes";
    QMap<QString, QString> after = state(), keys = before;
    keys.insert(after);
    QStringList changes;
    // What the world around was made to be is set-up, not what a case checks:
    // the paths a set-up step names. What the program made of it is.
    static const QStringList setUp{"mkdir",   "rmdir",  "put",     "puthex", "write",
                                   "chmod",   "mount",  "env",     "bind",   "umount",
                                   "machine", "device", "hardlink"};
    QStringList madeHere;
    const QStringList verbs = step.split(" && ").replaceInStrings(QRegularExpression(" .*"), "");
    if (std::all_of(verbs.cbegin(), verbs.cend(),
                    [](const QString &v) { return setUp.contains(v); })) {
        madeHere = step.split(' ').filter(QRegularExpression("^/"));
        if (madeHere.isEmpty()) // naming none: every file
            madeHere << "/home/";
    }
    for (const QString &key : keys.keys()) { // files by their path under /home
        const QString old = before.value(key, "-"), now = after.value(key, "gone");
        const QString mode = now.section(' ', 0, 0), contents = now.section(' ', 2);
        const auto made = [&key](const QString &path) { // it, what it holds, where it is
            return key == path || key.startsWith(path.endsWith('/') ? path : path + '/') ||
                   path.startsWith(key + '/');
        };
        if (old != now &&
            (!key.startsWith('/') || std::none_of(madeHere.cbegin(), madeHere.cend(), made)))
            changes << (key.startsWith('/') ? key.mid(6) : key) + ": " +
                           (!key.startsWith('/') || now == "gone"
                                ? now
                                : (old.startsWith(mode + ' ') ? "" : mode + ' ') +
                                      (old.section(' ', 2) == contents ? "written again"
                                                                       : contents));
    }
    return changes + g_events + witnessed();
}

} // namespace

int main(int argc, char *argv[])
{
    // The images are registered before main() runs, so before any application.
    for (QDirIterator it(":/new", QDir::Files, QDirIterator::Subdirectories); it.hasNext();)
        if (QFile(it.next()).open(QIODevice::ReadOnly))
            g_early << it.filePath();
    QApplication app(argc, argv);
    QGuiApplication::setDesktopFileName(VARIZEZ_APP_ID); // as the program names itself
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
    qputenv("HOME", "/home/tester");                 // never the real one; steps may change it
    machine("0123456789abcdef0123456789abcdef", ""); // the same device ids on every machine
    qunsetenv("XDG_DATA_HOME");
    Sink sink;
    QDesktopServices::setUrlHandler("http", &sink, "opened");
    // Only this process's signals count, whatever else uses the bus.
    QDBusConnection listener = QDBusConnection::connectToBus(QDBusConnection::SessionBus, "l");
    listener.connect(QDBusConnection::sessionBus().baseService(), "/", "com.nokia.hildon_desktop",
                     "exit_app_view", &sink, SLOT(signalled()));
    QTextStream in(stdin);
    for (QString step; in.readLineInto(&step);) {
        // Each step with what it changed: "STEP -> CHANGE; CHANGE", or the
        // golden dump indented under it.
        const QStringList changes =
            step.trimmed().isEmpty() || step.startsWith('#') ? QStringList() : play(step, listener);
        QString out = step == "faces" ? "\n  " + changes.join("\n  ") : " -> " + changes.join("; ");
        // A control character the program let through (a list shows a phrase
        // as it is) is written as <7F>, not into the transcript as it is.
        for (int i = out.size() - 1; i >= 0; --i)
            if (out.at(i) >= QChar(0x7F) && out.at(i) <= QChar(0x9F))
                out.replace(i, 1, QString("<%1>").arg(out.at(i).unicode(), 2, 16).toUpper());
        std::printf("%s%s\n", qUtf8Printable(step), changes.isEmpty() ? "" : qUtf8Printable(out));
    }
    qDeleteAll(g_windows);
    // GLib ends a program whose session bus closes: a case's own bus ends with it.
    std::signal(SIGTERM, SIG_IGN);
    QDesktopServices::unsetUrlHandler("http");
    const rlimit unlimited = {RLIM_INFINITY, RLIM_INFINITY}; // for coverage data, written last
    ::setrlimit(RLIMIT_FSIZE, &unlimited);
    return 0;
}

#include "tst_actions.moc"
