// SPDX-FileCopyrightText: 2026 Varizez developers <developers@varizez.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef VARIZEZ_TARGETSTRIP_H
#define VARIZEZ_TARGETSTRIP_H

#include <QObject>
#include <QPointer>
#include <memory>

class QBoxLayout;
class QLabel;
class QLCDNumber;
class QPushButton;
class QWidget;
class TargetSignal;

// The target of the phrase being counted, in the strip at the top of the
// counting dialog where its notices are: the progress ("12 of 33"), the
// signal when the count reaches the target and each multiple of it, and
// then the way on to the next phrase. Without a target there is nothing in
// the strip. Counting never stops at a target.
class TargetStrip : public QObject
{
    Q_OBJECT

public:
    TargetStrip(QBoxLayout *layout, QLCDNumber *number, std::unique_ptr<TargetSignal> signal);
    ~TargetStrip() override;

    // A new run: the phrase's target (0 for none) and the text of the next
    // phrase of the list (empty for none), at this count.
    // saidToday: what was said of the phrase today, -1 where it is not known.
    void start(int target, const QString &next, int count, qint64 saidToday);
    // How the count came to be what it is: counted up by one, the only way
    // a target is reached, or any other way (down, reset, undone, counted
    // elsewhere, a new run).
    enum class Change { Up, Other };

    // The count is now count, and what was said today saidToday.
    void counted(int count, Change change, qint64 saidToday);
    // The run ended.
    void stop();
    // Whether the strip is there: the phrase counted has a target.
    bool isShown() const { return !m_strip.isNull(); }

signals:
    // The user takes the next phrase.
    void next();

private:
    QBoxLayout *m_layout;
    QLCDNumber *m_number;
    std::unique_ptr<TargetSignal> m_signal;
    QPointer<QWidget> m_strip;
    QLabel *m_progress = nullptr;
    QPushButton *m_next = nullptr;
    int m_target = 0;
    QString m_nextText;
};

#endif // VARIZEZ_TARGETSTRIP_H
