<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar">
<context>
    <name>Counter</name>
    <message>
        <source>Tick on each count</source>
        <translation>نقرة خفيفة مع كل عدّ</translation>
    </message>
    <message>
        <source>Counting</source>
        <translation>جارٍ العدّ</translation>
    </message>
    <message>
        <source>Your choice could not be saved: %1.</source>
        <translation>تعذّر حفظ اختيارك: %1.</translation>
    </message>
    <message>
        <source>Dialog</source>
        <translation>حوار</translation>
    </message>
    <message>
        <source>You can also use key A to decrease, key L to increase</source>
        <translation>يمكنك أيضًا استخدام المفتاح A للإنقاص والمفتاح L للزيادة</translation>
    </message>
    <message>
        <source>Count up</source>
        <translation>زيادة العدد</translation>
    </message>
    <message>
        <source>Adds one to the count</source>
        <translation>يضيف واحدًا إلى العدد</translation>
    </message>
    <message>
        <source>Count down</source>
        <translation>إنقاص العدد</translation>
    </message>
    <message>
        <source>Takes one from the count</source>
        <translation>يطرح واحدًا من العدد</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>العدد</translation>
    </message>
    <message>
        <source>How often the phrase has been said</source>
        <translation>عدد مرات قول الذكر</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>تصفير</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>رجوع</translation>
    </message>
    <message>
        <source>Count reset from %1</source>
        <translation>صُفِّر العدد بعد أن كان %1</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 من %2</translation>
    </message>
    <message>
        <source>Next: %1</source>
        <translation>التالي: %1</translation>
    </message>
    <message>
        <source>%1 of %2: target reached</source>
        <translation>%1 من %2: بلغت الهدف</translation>
    </message>
    <message>
        <source>%1 of %2 · %3 today</source>
        <translation>%1 من %2 · %3 اليوم</translation>
    </message>
    <message>
        <source>%1 of %2: target reached · %3 today</source>
        <translation>%1 من %2: بلغت الهدف · %3 اليوم</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Enter varizez</source>
        <translation>أدخل الذكر</translation>
    </message>
    <message>
        <source>About Varizez</source>
        <translation>حول Varizez</translation>
    </message>
    <message>
        <source>Varizez %1</source>
        <translation>Varizez %1</translation>
    </message>
    <message>
        <source>Counts repetitions of devotional phrases, the way prayer beads are used.</source>
        <translation>يعدّ تكرار الأدعية والأذكار كما تُستعمل المسبحة.</translation>
    </message>
    <message>
        <source>This program is free software: you can share and change it under the terms of the GNU General Public License, version 3 or any later version (GPL-3.0-or-later). It comes with NO WARRANTY, to the extent permitted by law.</source>
        <translation>هذا البرنامج حر: يمكنك نشره وتعديله وفق شروط رخصة جنو العمومية العامة، الإصدار 3 أو أي إصدار لاحق (GPL-3.0-or-later). يأتي دون أي ضمان، في الحدود التي يسمح بها القانون.</translation>
    </message>
    <message>
        <source>Source code: %1</source>
        <translation>الشفرة المصدرية: %1</translation>
    </message>
    <message>
        <source>Varizez</source>
        <translation>Varizez</translation>
    </message>
    <message>
        <source>Click on a dua below, and then on Start</source>
        <translation>انقر على دعاء أدناه، ثم على «ابدأ»</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>إضافة</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>ابدأ</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>حذف</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>خروج</translation>
    </message>
    <message>
        <source>More Apps!</source>
        <translation>تطبيقات أخرى!</translation>
    </message>
    <message>
        <source>About</source>
        <translation>حول</translation>
    </message>
    <message>
        <source>Phrases</source>
        <translation>الأذكار</translation>
    </message>
    <message>
        <source>The phrases you count</source>
        <translation>الأذكار التي تعدّها</translation>
    </message>
    <message>
        <source>Your phrases could not be read from %1: %2. The file is left as it is, and nothing will be saved in it.</source>
        <translation>تعذّرت قراءة أدعيتك من %1: %2. تُرك الملف كما هو، ولن يُحفظ فيه شيء.</translation>
    </message>
    <message>
        <source>Your counts could not be saved in %1: %2.</source>
        <translation>تعذّر حفظ أعدادك في %1: %2.</translation>
    </message>
    <message>
        <source>%1 was damaged, so phrases or counts may be missing. The damaged file is kept as %2.</source>
        <translation>كان %1 تالفًا، لذا قد تنقص بعض الأدعية أو الأعداد. حُفظ الملف التالف باسم %2.</translation>
    </message>
    <message>
        <source>Your counts cannot be shared: %1 is not there. They are kept here and will be shared when it is back.</source>
        <translation>تتعذّر مشاركة أعدادك: المجلد %1 غير متاح. تبقى محفوظة هنا وستُشارَك عند عودته.</translation>
    </message>
    <message>
        <source>The counts of %1 may be missing: its file %2 is damaged.</source>
        <translation>قد تنقص أعداد الجهاز %1: ملفه %2 تالف.</translation>
    </message>
    <message>
        <source>The counts of %1 may be missing: its file %2 was written by a newer Varizez.</source>
        <translation>قد تنقص أعداد الجهاز %1: ملفه %2 كتبه إصدار أحدث من Varizez.</translation>
    </message>
    <message>
        <source>The counts of %1 may be missing: its file %2 could not be read (%3).</source>
        <translation>قد تنقص أعداد الجهاز %1: تعذّرت قراءة ملفه %2 (%3).</translation>
    </message>
    <message>
        <source>Removed “%1” (%2)</source>
        <translation>حُذف «%1» (%2)</translation>
    </message>
    <message>
        <source>Your counts could not be shared in %1: %2. They are kept here and will be shared as soon as that works again.</source>
        <translation>تعذّرت مشاركة أعدادك في %1: %2. تبقى محفوظة هنا وستُشارَك حين يصبح ذلك ممكنًا.</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>ليس ملفًا عاديًا</translation>
    </message>
    <message>
        <source>it is larger than %1 MiB</source>
        <translation>حجمه أكبر من %1 ميبيبايت</translation>
    </message>
    <message>
        <source>The days in %1 are damaged, so what was said on each day is left out. Your counts are not affected.</source>
        <translation>الأيام في %1 تالفة، لذا حُذف ما قيل في كل يوم. عدّاتك لم تتأثر.</translation>
    </message>
    <message>
        <source>What was said on each day could not be read or saved in %1: %2. Your counts are not affected.</source>
        <translation>تعذّرت قراءة ما قيل في كل يوم أو حفظه في %1: %2. عدّاتك لم تتأثر.</translation>
    </message>
    <message>
        <source>The targets in %1 are damaged, so they are left out. Your counts are not affected.</source>
        <translation>الأهداف في %1 تالفة، لذا تُركت جانبًا. أعدادك لم تتأثر.</translation>
    </message>
    <message>
        <source>Your targets could not be read or saved in %1: %2. Your counts are not affected.</source>
        <translation>تعذّرت قراءة أهدافك أو حفظها في %1: %2. أعدادك لم تتأثر.</translation>
    </message>
    <message>
        <source>No target</source>
        <translation>بلا هدف</translation>
    </message>
    <message>
        <source>Count “%1” to:</source>
        <translation>عُدّ «%1» حتى:</translation>
    </message>
    <message>
        <source>Target</source>
        <translation>الهدف</translation>
    </message>
    <message>
        <source>A target is a whole number from 1 to %1.</source>
        <translation>الهدف عدد صحيح من 1 إلى %1.</translation>
    </message>
    <message>
        <source>Target…</source>
        <translation>الهدف…</translation>
    </message>
    <message>
        <source>History…</source>
        <translation>السجل…</translation>
    </message>
    <message>
        <source>History</source>
        <translation>السجل</translation>
    </message>
    <message>
        <source>All phrases</source>
        <translation>كل العبارات</translation>
    </message>
    <message>
        <source>The last 7 days</source>
        <translation>آخر 7 أيام</translation>
    </message>
    <message>
        <source>The last 30 days</source>
        <translation>آخر 30 يومًا</translation>
    </message>
    <message>
        <source>The last year</source>
        <translation>آخر سنة</translation>
    </message>
    <message>
        <source>Today: %1</source>
        <translation>اليوم: %1</translation>
    </message>
    <message>
        <source>Best day: none yet</source>
        <translation>أفضل يوم: لا يوجد بعد</translation>
    </message>
    <message>
        <source>Best day: %1, on %2</source>
        <translation>أفضل يوم: %1، في %2</translation>
    </message>
    <message>
        <source>Total: %1</source>
        <translation>المجموع: %1</translation>
    </message>
    <message>
        <source>Total: %1, since %2</source>
        <translation>المجموع: %1، منذ %2</translation>
    </message>
    <message>
        <source>Days in a row with the target reached: %1</source>
        <translation>أيام متتالية بلغت فيها الهدف: %1</translation>
    </message>
    <message>
        <source>Days in a row with a count: %1</source>
        <translation>أيام متتالية فيها عدّ: %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Nothing said on these days</source>
        <translation>لم يُقل شيء في هذه الأيام</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Usage: %1</source>
        <translation>الاستخدام: %1</translation>
    </message>
    <message>
        <source>[options]</source>
        <translation>[خيارات]</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>الخيارات:</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>يعرض المساعدة عن خيارات سطر الأوامر.</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation>يعرض المساعدة ومعها خيارات Qt الخاصة.</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>يعرض معلومات الإصدار.</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <extracomment>&quot;RTL&quot; where the language is written from right to left, else &quot;LTR&quot;.</extracomment>
        <translation>RTL</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>موافق</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
</context>
<context>
    <name>UndoOffer</name>
    <message>
        <source>Undo</source>
        <translation>تراجع</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Varizez counts repetitions of devotional phrases (duas), the way prayer beads are used. Keep a list of phrases, pick one, press Start and count with the big + and - buttons or the keys L (up) and A (down). Every count is saved the moment it changes.

The phrases and counts are kept in one file: /home/user/varizezCount.bin when /home/user is a folder you can write (the handheld the program was made for); otherwise varizez/varizezCount.bin in $XDG_DATA_HOME, or in ~/.local/share when XDG_DATA_HOME is not set. &quot;varizez-file path&quot; prints the one in use, and varizez-file backs it up and restores it (see varizez-file --help).

Only one copy runs in a desktop session: starting it again brings the running one to the front. Qt&apos;s own options, such as -platform and -style, are listed by --help-all; any other arguments are ignored.</source>
        <translation>يعدّ Varizez تكرار الأدعية والأذكار كما تُستعمل المسبحة. احتفظ بقائمة من الأذكار، واختر واحدًا، واضغط «ابدأ» وعُدّ بالزرّين الكبيرين + و- أو بالمفتاحين L (زيادة) وA (إنقاص). يُحفَظ كل عدد لحظة تغيّره.

تُحفَظ الأذكار وأعدادها في ملف واحد: /home/user/varizezCount.bin إذا كان /home/user مجلدًا يمكنك الكتابة فيه (الجهاز المحمول الذي صُنع له البرنامج)؛ وإلا ففي varizez/varizezCount.bin داخل $XDG_DATA_HOME، أو داخل ~/.local/share إذا لم يكن XDG_DATA_HOME معيّنًا. يطبع الأمر &quot;varizez-file path&quot; الملف المستعمل، وvarizez-file يأخذ منه نسخة احتياطية ويستعيدها (انظر varizez-file --help).

لا تعمل إلا نسخة واحدة في جلسة سطح المكتب: تشغيله مرة أخرى يُظهر النسخة العاملة في المقدمة. خيارات Qt الخاصة، مثل -platform و-style، يسردها --help-all؛ وتُتجاهَل أي وسائط أخرى.</translation>
    </message>
</context>
</TS>
