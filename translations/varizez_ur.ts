<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ur">
<context>
    <name>Counter</name>
    <message>
        <source>Tick on each count</source>
        <translation>ہر گنتی پر ٹک</translation>
    </message>
    <message>
        <source>Counting</source>
        <translation>گنتی جاری ہے</translation>
    </message>
    <message>
        <source>Your choice could not be saved: %1.</source>
        <translation>آپ کا انتخاب محفوظ نہیں ہو سکا: %1۔</translation>
    </message>
    <message>
        <source>Dialog</source>
        <translation>ڈائیلاگ</translation>
    </message>
    <message>
        <source>You can also use key A to decrease, key L to increase</source>
        <translation>کلید A سے بھی گھٹائیں، کلید L سے بڑھائیں</translation>
    </message>
    <message>
        <source>Count up</source>
        <translation>گنتی بڑھائیں</translation>
    </message>
    <message>
        <source>Adds one to the count</source>
        <translation>گنتی میں ایک کا اضافہ کرتا ہے</translation>
    </message>
    <message>
        <source>Count down</source>
        <translation>گنتی گھٹائیں</translation>
    </message>
    <message>
        <source>Takes one from the count</source>
        <translation>گنتی سے ایک کم کرتا ہے</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>گنتی</translation>
    </message>
    <message>
        <source>How often the phrase has been said</source>
        <translation>ذکر کتنی بار پڑھا گیا</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>صفر کریں</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>واپس</translation>
    </message>
    <message>
        <source>Count reset from %1</source>
        <translation>گنتی %1 سے صفر کر دی گئی</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%2 میں سے %1</translation>
    </message>
    <message>
        <source>Next: %1</source>
        <translation>اگلا: %1</translation>
    </message>
    <message>
        <source>%1 of %2: target reached</source>
        <translation>%2 میں سے %1: ہدف پورا ہوا</translation>
    </message>
    <message>
        <source>%1 of %2 · %3 today</source>
        <translation>%2 میں سے %1 · آج %3</translation>
    </message>
    <message>
        <source>%1 of %2: target reached · %3 today</source>
        <translation>%2 میں سے %1: ہدف پورا ہوا · آج %3</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Enter varizez</source>
        <translation>ذکر درج کریں</translation>
    </message>
    <message>
        <source>About Varizez</source>
        <translation>Varizez کا تعارف</translation>
    </message>
    <message>
        <source>Varizez %1</source>
        <translation>Varizez %1</translation>
    </message>
    <message>
        <source>Counts repetitions of devotional phrases, the way prayer beads are used.</source>
        <translation>دعاؤں اور اذکار کی تکرار گنتا ہے، جیسے تسبیح پر گنا جاتا ہے۔</translation>
    </message>
    <message>
        <source>This program is free software: you can share and change it under the terms of the GNU General Public License, version 3 or any later version (GPL-3.0-or-later). It comes with NO WARRANTY, to the extent permitted by law.</source>
        <translation>یہ پروگرام آزاد سافٹ ویئر ہے: آپ اسے گنو جنرل پبلک لائسنس، ورژن 3 یا اس کے بعد کے کسی بھی ورژن (GPL-3.0-or-later) کی شرائط کے تحت بانٹ اور بدل سکتے ہیں۔ قانون جہاں تک اجازت دیتا ہے، اس کی کوئی ضمانت نہیں۔</translation>
    </message>
    <message>
        <source>Source code: %1</source>
        <translation>سورس کوڈ: %1</translation>
    </message>
    <message>
        <source>Varizez</source>
        <translation>Varizez</translation>
    </message>
    <message>
        <source>Click on a dua below, and then on Start</source>
        <translation>نیچے کسی دعا پر کلک کریں، پھر «شروع» پر</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>شامل کریں</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>شروع</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>ہٹائیں</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>باہر</translation>
    </message>
    <message>
        <source>More Apps!</source>
        <translation>مزید ایپس!</translation>
    </message>
    <message>
        <source>About</source>
        <translation>تعارف</translation>
    </message>
    <message>
        <source>Phrases</source>
        <translation>اذکار</translation>
    </message>
    <message>
        <source>The phrases you count</source>
        <translation>وہ اذکار جو آپ گنتے ہیں</translation>
    </message>
    <message>
        <source>Your phrases could not be read from %1: %2. The file is left as it is, and nothing will be saved in it.</source>
        <translation>آپ کی دعائیں %1 سے پڑھی نہیں جا سکیں: %2۔ فائل کو جوں کا توں چھوڑ دیا گیا ہے، اور اس میں کچھ محفوظ نہیں کیا جائے گا۔</translation>
    </message>
    <message>
        <source>Your counts could not be saved in %1: %2.</source>
        <translation>آپ کی گنتی %1 میں محفوظ نہیں ہو سکی: %2۔</translation>
    </message>
    <message>
        <source>%1 was damaged, so phrases or counts may be missing. The damaged file is kept as %2.</source>
        <translation>%1 خراب تھی، اس لیے کچھ دعائیں یا گنتیاں غائب ہو سکتی ہیں۔ خراب فائل %2 کے نام سے رکھ لی گئی ہے۔</translation>
    </message>
    <message>
        <source>Your counts cannot be shared: %1 is not there. They are kept here and will be shared when it is back.</source>
        <translation>آپ کی گنتی شیئر نہیں ہو سکتی: فولڈر %1 دستیاب نہیں۔ گنتی یہیں محفوظ ہے اور فولڈر واپس آتے ہی شیئر ہو جائے گی۔</translation>
    </message>
    <message>
        <source>The counts of %1 may be missing: its file %2 is damaged.</source>
        <translation>ڈیوائس %1 کی گنتیاں غائب ہو سکتی ہیں: اس کی فائل %2 خراب ہے۔</translation>
    </message>
    <message>
        <source>The counts of %1 may be missing: its file %2 was written by a newer Varizez.</source>
        <translation>ڈیوائس %1 کی گنتیاں غائب ہو سکتی ہیں: اس کی فائل %2 Varizez کے کسی نئے ورژن نے لکھی ہے۔</translation>
    </message>
    <message>
        <source>The counts of %1 may be missing: its file %2 could not be read (%3).</source>
        <translation>ڈیوائس %1 کی گنتیاں غائب ہو سکتی ہیں: اس کی فائل %2 پڑھی نہیں جا سکی (%3)۔</translation>
    </message>
    <message>
        <source>Removed “%1” (%2)</source>
        <translation>«%1» ہٹا دیا گیا (%2)</translation>
    </message>
    <message>
        <source>Your counts could not be shared in %1: %2. They are kept here and will be shared as soon as that works again.</source>
        <translation>آپ کی گنتی %1 میں شیئر نہیں ہو سکی: %2۔ گنتی یہیں محفوظ ہے اور ممکن ہوتے ہی شیئر ہو جائے گی۔</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>یہ عام فائل نہیں ہے</translation>
    </message>
    <message>
        <source>it is larger than %1 MiB</source>
        <translation>یہ %1 میبی بائٹ سے بڑی ہے</translation>
    </message>
    <message>
        <source>The days in %1 are damaged, so what was said on each day is left out. Your counts are not affected.</source>
        <translation>%1 میں دن خراب ہیں، اس لیے ہر دن جو کہا گیا وہ چھوڑ دیا گیا۔ آپ کی گنتیاں متاثر نہیں ہوئیں۔</translation>
    </message>
    <message>
        <source>What was said on each day could not be read or saved in %1: %2. Your counts are not affected.</source>
        <translation>ہر دن جو کہا گیا وہ %1 میں پڑھا یا محفوظ نہیں ہو سکا: %2۔ آپ کی گنتیاں متاثر نہیں ہوئیں۔</translation>
    </message>
    <message>
        <source>The targets in %1 are damaged, so they are left out. Your counts are not affected.</source>
        <translation>%1 میں اہداف خراب ہیں، اس لیے انہیں چھوڑ دیا گیا ہے۔ آپ کی گنتی متاثر نہیں ہوئی۔</translation>
    </message>
    <message>
        <source>Your targets could not be read or saved in %1: %2. Your counts are not affected.</source>
        <translation>آپ کے اہداف %1 میں پڑھے یا محفوظ نہیں ہو سکے: %2۔ آپ کی گنتی متاثر نہیں ہوئی۔</translation>
    </message>
    <message>
        <source>No target</source>
        <translation>کوئی ہدف نہیں</translation>
    </message>
    <message>
        <source>Count “%1” to:</source>
        <translation>“%1” کو کہاں تک گنیں:</translation>
    </message>
    <message>
        <source>Target</source>
        <translation>ہدف</translation>
    </message>
    <message>
        <source>A target is a whole number from 1 to %1.</source>
        <translation>ہدف 1 سے %1 تک کا کوئی پورا عدد ہے۔</translation>
    </message>
    <message>
        <source>Target…</source>
        <translation>ہدف…</translation>
    </message>
    <message>
        <source>History…</source>
        <translation>تاریخچہ…</translation>
    </message>
    <message>
        <source>History</source>
        <translation>تاریخچہ</translation>
    </message>
    <message>
        <source>All phrases</source>
        <translation>تمام جملے</translation>
    </message>
    <message>
        <source>The last 7 days</source>
        <translation>پچھلے 7 دن</translation>
    </message>
    <message>
        <source>The last 30 days</source>
        <translation>پچھلے 30 دن</translation>
    </message>
    <message>
        <source>The last year</source>
        <translation>پچھلا سال</translation>
    </message>
    <message>
        <source>Today: %1</source>
        <translation>آج: %1</translation>
    </message>
    <message>
        <source>Best day: none yet</source>
        <translation>بہترین دن: ابھی کوئی نہیں</translation>
    </message>
    <message>
        <source>Best day: %1, on %2</source>
        <translation>بہترین دن: %1، بتاریخ %2</translation>
    </message>
    <message>
        <source>Total: %1</source>
        <translation>کل: %1</translation>
    </message>
    <message>
        <source>Total: %1, since %2</source>
        <translation>کل: %1، %2 سے</translation>
    </message>
    <message>
        <source>Days in a row with the target reached: %1</source>
        <translation>ہدف پورا ہونے کے مسلسل دن: %1</translation>
    </message>
    <message>
        <source>Days in a row with a count: %1</source>
        <translation>گنتی کے مسلسل دن: %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Nothing said on these days</source>
        <translation>ان دنوں میں کچھ نہیں کہا گیا</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Usage: %1</source>
        <translation>استعمال: %1</translation>
    </message>
    <message>
        <source>[options]</source>
        <translation>[اختیارات]</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>اختیارات:</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>کمانڈ لائن اختیارات کی مدد دکھاتا ہے۔</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation>Qt کے مخصوص اختیارات سمیت مدد دکھاتا ہے۔</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>ورژن کی معلومات دکھاتا ہے۔</translation>
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
        <translation>ٹھیک ہے</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>منسوخ</translation>
    </message>
</context>
<context>
    <name>UndoOffer</name>
    <message>
        <source>Undo</source>
        <translation>کالعدم کریں</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Varizez counts repetitions of devotional phrases (duas), the way prayer beads are used. Keep a list of phrases, pick one, press Start and count with the big + and - buttons or the keys L (up) and A (down). Every count is saved the moment it changes.

The phrases and counts are kept in one file: /home/user/varizezCount.bin when /home/user is a folder you can write (the handheld the program was made for); otherwise varizez/varizezCount.bin in $XDG_DATA_HOME, or in ~/.local/share when XDG_DATA_HOME is not set. &quot;varizez-file path&quot; prints the one in use, and varizez-file backs it up and restores it (see varizez-file --help).

Only one copy runs in a desktop session: starting it again brings the running one to the front. Qt&apos;s own options, such as -platform and -style, are listed by --help-all; any other arguments are ignored.</source>
        <translation>Varizez دعاؤں اور اذکار کی تکرار گنتا ہے، جیسے تسبیح پر گنا جاتا ہے۔ اذکار کی ایک فہرست رکھیں، ایک چنیں، «شروع» دبائیں اور بڑے + اور - بٹنوں یا کلید L (بڑھائیں) اور A (گھٹائیں) سے گنیں۔ ہر گنتی بدلتے ہی محفوظ ہو جاتی ہے۔

اذکار اور ان کی گنتی ایک فائل میں رکھی جاتی ہے: /home/user/varizezCount.bin اگر /home/user ایسا فولڈر ہو جس میں آپ لکھ سکیں (وہ ہینڈ ہیلڈ جس کے لیے پروگرام بنا تھا)؛ ورنہ $XDG_DATA_HOME میں varizez/varizezCount.bin، یا XDG_DATA_HOME مقرر نہ ہو تو ~/.local/share میں۔ &quot;varizez-file path&quot; زیر استعمال فائل دکھاتا ہے، اور varizez-file اس کا بیک اپ لیتا اور بحال کرتا ہے (دیکھیں varizez-file --help)۔

ڈیسک ٹاپ سیشن میں ایک ہی نسخہ چلتا ہے: دوبارہ شروع کرنے سے چلتا ہوا نسخہ سامنے آ جاتا ہے۔ Qt کے اپنے اختیارات، جیسے -platform اور -style، --help-all میں درج ہیں؛ باقی دلائل نظر انداز کیے جاتے ہیں۔</translation>
    </message>
</context>
</TS>
