<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>Counter</name>
    <message>
        <source>Tick on each count</source>
        <translation>Щелчок при каждом счёте</translation>
    </message>
    <message>
        <source>Counting</source>
        <translation>Идёт счёт</translation>
    </message>
    <message>
        <source>Your choice could not be saved: %1.</source>
        <translation>Не удалось сохранить ваш выбор: %1.</translation>
    </message>
    <message>
        <source>Dialog</source>
        <translation>Диалог</translation>
    </message>
    <message>
        <source>You can also use key A to decrease, key L to increase</source>
        <translation>Также: клавиша A — меньше, L — больше</translation>
    </message>
    <message>
        <source>Count up</source>
        <translation>Прибавить</translation>
    </message>
    <message>
        <source>Adds one to the count</source>
        <translation>Прибавляет единицу к счёту</translation>
    </message>
    <message>
        <source>Count down</source>
        <translation>Убавить</translation>
    </message>
    <message>
        <source>Takes one from the count</source>
        <translation>Отнимает единицу от счёта</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>Счёт</translation>
    </message>
    <message>
        <source>How often the phrase has been said</source>
        <translation>Сколько раз прочитан зикр</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Сбросить</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Назад</translation>
    </message>
    <message>
        <source>Count reset from %1</source>
        <translation>Счёт сброшен (было %1)</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 из %2</translation>
    </message>
    <message>
        <source>Next: %1</source>
        <translation>Далее: %1</translation>
    </message>
    <message>
        <source>%1 of %2: target reached</source>
        <translation>%1 из %2: цель достигнута</translation>
    </message>
    <message>
        <source>%1 of %2 · %3 today</source>
        <translation>%1 из %2 · %3 сегодня</translation>
    </message>
    <message>
        <source>%1 of %2: target reached · %3 today</source>
        <translation>%1 из %2: цель достигнута · %3 сегодня</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Enter varizez</source>
        <translation>Введите зикр</translation>
    </message>
    <message>
        <source>About Varizez</source>
        <translation>О программе Varizez</translation>
    </message>
    <message>
        <source>Varizez %1</source>
        <translation>Varizez %1</translation>
    </message>
    <message>
        <source>Counts repetitions of devotional phrases, the way prayer beads are used.</source>
        <translation>Считает повторения дуа и зикров, как на чётках.</translation>
    </message>
    <message>
        <source>This program is free software: you can share and change it under the terms of the GNU General Public License, version 3 or any later version (GPL-3.0-or-later). It comes with NO WARRANTY, to the extent permitted by law.</source>
        <translation>Это свободная программа: вы можете распространять и изменять её на условиях GNU General Public License версии 3 или любой более поздней версии (GPL-3.0-or-later). Она предоставляется БЕЗ КАКИХ-ЛИБО ГАРАНТИЙ в той мере, в какой это допускает закон.</translation>
    </message>
    <message>
        <source>Source code: %1</source>
        <translation>Исходный код: %1</translation>
    </message>
    <message>
        <source>Varizez</source>
        <translation>Varizez</translation>
    </message>
    <message>
        <source>Click on a dua below, and then on Start</source>
        <translation>Нажмите на дуа в списке ниже, затем на «Начать»</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Добавить</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Начать</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Выход</translation>
    </message>
    <message>
        <source>More Apps!</source>
        <translation>Ещё!</translation>
    </message>
    <message>
        <source>About</source>
        <translation>О программе</translation>
    </message>
    <message>
        <source>Phrases</source>
        <translation>Зикры</translation>
    </message>
    <message>
        <source>The phrases you count</source>
        <translation>Зикры, которые вы считаете</translation>
    </message>
    <message>
        <source>Your phrases could not be read from %1: %2. The file is left as it is, and nothing will be saved in it.</source>
        <translation>Не удалось прочитать ваши дуа из %1: %2. Файл оставлен как есть, и в него ничего не будет сохранено.</translation>
    </message>
    <message>
        <source>Your counts could not be saved in %1: %2.</source>
        <translation>Не удалось сохранить ваши подсчёты в %1: %2.</translation>
    </message>
    <message>
        <source>%1 was damaged, so phrases or counts may be missing. The damaged file is kept as %2.</source>
        <translation>Файл %1 был повреждён, поэтому некоторые дуа или подсчёты могут отсутствовать. Повреждённый файл сохранён как %2.</translation>
    </message>
    <message>
        <source>Your counts cannot be shared: %1 is not there. They are kept here and will be shared when it is back.</source>
        <translation>Не удаётся поделиться вашими подсчётами: папка %1 недоступна. Они хранятся здесь и будут переданы, когда она снова появится.</translation>
    </message>
    <message>
        <source>The counts of %1 may be missing: its file %2 is damaged.</source>
        <translation>Подсчёты устройства %1 могут отсутствовать: его файл %2 повреждён.</translation>
    </message>
    <message>
        <source>The counts of %1 may be missing: its file %2 was written by a newer Varizez.</source>
        <translation>Подсчёты устройства %1 могут отсутствовать: его файл %2 записан более новой версией Varizez.</translation>
    </message>
    <message>
        <source>The counts of %1 may be missing: its file %2 could not be read (%3).</source>
        <translation>Подсчёты устройства %1 могут отсутствовать: не удалось прочитать его файл %2 (%3).</translation>
    </message>
    <message>
        <source>Removed “%1” (%2)</source>
        <translation>Удалено: «%1» (%2)</translation>
    </message>
    <message>
        <source>Your counts could not be shared in %1: %2. They are kept here and will be shared as soon as that works again.</source>
        <translation>Не удалось поделиться вашими подсчётами через %1: %2. Они хранятся здесь и будут переданы, как только это станет возможно.</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>это не обычный файл</translation>
    </message>
    <message>
        <source>it is larger than %1 MiB</source>
        <translation>он больше %1 МиБ</translation>
    </message>
    <message>
        <source>The days in %1 are damaged, so what was said on each day is left out. Your counts are not affected.</source>
        <translation>Дни в %1 повреждены, поэтому сказанное по дням не показано. Ваши счёты не затронуты.</translation>
    </message>
    <message>
        <source>What was said on each day could not be read or saved in %1: %2. Your counts are not affected.</source>
        <translation>Сказанное по дням не удалось прочитать или сохранить в %1: %2. Ваши счёты не затронуты.</translation>
    </message>
    <message>
        <source>The targets in %1 are damaged, so they are left out. Your counts are not affected.</source>
        <translation>Цели в %1 повреждены, поэтому они не учитываются. Ваши подсчёты не затронуты.</translation>
    </message>
    <message>
        <source>Your targets could not be read or saved in %1: %2. Your counts are not affected.</source>
        <translation>Не удалось прочитать или сохранить ваши цели в %1: %2. Ваши подсчёты не затронуты.</translation>
    </message>
    <message>
        <source>No target</source>
        <translation>Без цели</translation>
    </message>
    <message>
        <source>Count “%1” to:</source>
        <translation>Считать «%1» до:</translation>
    </message>
    <message>
        <source>Target</source>
        <translation>Цель</translation>
    </message>
    <message>
        <source>A target is a whole number from 1 to %1.</source>
        <translation>Цель — целое число от 1 до %1.</translation>
    </message>
    <message>
        <source>Target…</source>
        <translation>Цель…</translation>
    </message>
    <message>
        <source>History…</source>
        <translation>История…</translation>
    </message>
    <message>
        <source>History</source>
        <translation>История</translation>
    </message>
    <message>
        <source>All phrases</source>
        <translation>Все фразы</translation>
    </message>
    <message>
        <source>The last 7 days</source>
        <translation>Последние 7 дней</translation>
    </message>
    <message>
        <source>The last 30 days</source>
        <translation>Последние 30 дней</translation>
    </message>
    <message>
        <source>The last year</source>
        <translation>Последний год</translation>
    </message>
    <message>
        <source>Today: %1</source>
        <translation>Сегодня: %1</translation>
    </message>
    <message>
        <source>Best day: none yet</source>
        <translation>Лучший день: пока нет</translation>
    </message>
    <message>
        <source>Best day: %1, on %2</source>
        <translation>Лучший день: %1, %2</translation>
    </message>
    <message>
        <source>Total: %1</source>
        <translation>Всего: %1</translation>
    </message>
    <message>
        <source>Total: %1, since %2</source>
        <translation>Всего: %1, с %2</translation>
    </message>
    <message>
        <source>Days in a row with the target reached: %1</source>
        <translation>Дней подряд с достигнутой целью: %1</translation>
    </message>
    <message>
        <source>Days in a row with a count: %1</source>
        <translation>Дней подряд со счётом: %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Nothing said on these days</source>
        <translation>В эти дни ничего не сказано</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Usage: %1</source>
        <translation>Использование: %1</translation>
    </message>
    <message>
        <source>[options]</source>
        <translation>[параметры]</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Параметры:</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Показывает справку по параметрам командной строки.</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation>Показывает справку, включая параметры Qt.</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>Показывает сведения о версии.</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <extracomment>&quot;RTL&quot; where the language is written from right to left, else &quot;LTR&quot;.</extracomment>
        <translation>LTR</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
</context>
<context>
    <name>UndoOffer</name>
    <message>
        <source>Undo</source>
        <translation>Отменить</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Varizez counts repetitions of devotional phrases (duas), the way prayer beads are used. Keep a list of phrases, pick one, press Start and count with the big + and - buttons or the keys L (up) and A (down). Every count is saved the moment it changes.

The phrases and counts are kept in one file: /home/user/varizezCount.bin when /home/user is a folder you can write (the handheld the program was made for); otherwise varizez/varizezCount.bin in $XDG_DATA_HOME, or in ~/.local/share when XDG_DATA_HOME is not set. &quot;varizez-file path&quot; prints the one in use, and varizez-file backs it up and restores it (see varizez-file --help).

Only one copy runs in a desktop session: starting it again brings the running one to the front. Qt&apos;s own options, such as -platform and -style, are listed by --help-all; any other arguments are ignored.</source>
        <translation>Varizez считает повторения дуа и зикров, как на чётках. Ведите список зикров, выберите один, нажмите «Начать» и считайте большими кнопками + и - или клавишами L (больше) и A (меньше). Каждое значение сохраняется в тот же миг, как изменилось.

Зикры и их счёт хранятся в одном файле: /home/user/varizezCount.bin, если /home/user — папка, в которую вы можете писать (карманное устройство, для которого создана программа); иначе varizez/varizezCount.bin в $XDG_DATA_HOME или в ~/.local/share, если XDG_DATA_HOME не задана. &quot;varizez-file path&quot; выводит используемый файл, а varizez-file делает его резервную копию и восстанавливает его (см. varizez-file --help).

В сеансе рабочего стола работает только одна копия: повторный запуск выводит работающую на передний план. Собственные параметры Qt, такие как -platform и -style, перечисляет --help-all; остальные аргументы не учитываются.</translation>
    </message>
</context>
</TS>
