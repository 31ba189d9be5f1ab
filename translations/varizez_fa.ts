<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fa">
<context>
    <name>Counter</name>
    <message>
        <source>Tick on each count</source>
        <translation>تیک با هر شمارش</translation>
    </message>
    <message>
        <source>Counting</source>
        <translation>در حال شمارش</translation>
    </message>
    <message>
        <source>Your choice could not be saved: %1.</source>
        <translation>انتخاب شما ذخیره نشد: %1.</translation>
    </message>
    <message>
        <source>Dialog</source>
        <translation>گفتگو</translation>
    </message>
    <message>
        <source>You can also use key A to decrease, key L to increase</source>
        <translation>کلید A هم کم می‌کند، کلید L زیاد</translation>
    </message>
    <message>
        <source>Count up</source>
        <translation>افزایش شمار</translation>
    </message>
    <message>
        <source>Adds one to the count</source>
        <translation>یکی به شمار می‌افزاید</translation>
    </message>
    <message>
        <source>Count down</source>
        <translation>کاهش شمار</translation>
    </message>
    <message>
        <source>Takes one from the count</source>
        <translation>یکی از شمار می‌کاهد</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>شمار</translation>
    </message>
    <message>
        <source>How often the phrase has been said</source>
        <translation>تعداد دفعاتی که ذکر گفته شده است</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>صفر کردن</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>بازگشت</translation>
    </message>
    <message>
        <source>Count reset from %1</source>
        <translation>شمار صفر شد (پیش‌تر %1 بود)</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 از %2</translation>
    </message>
    <message>
        <source>Next: %1</source>
        <translation>بعدی: %1</translation>
    </message>
    <message>
        <source>%1 of %2: target reached</source>
        <translation>%1 از %2: به هدف رسیدید</translation>
    </message>
    <message>
        <source>%1 of %2 · %3 today</source>
        <translation>%1 از %2 · %3 امروز</translation>
    </message>
    <message>
        <source>%1 of %2: target reached · %3 today</source>
        <translation>%1 از %2: به هدف رسیدید · %3 امروز</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Enter varizez</source>
        <translation>ذکر را وارد کنید</translation>
    </message>
    <message>
        <source>About Varizez</source>
        <translation>درباره Varizez</translation>
    </message>
    <message>
        <source>Varizez %1</source>
        <translation>Varizez %1</translation>
    </message>
    <message>
        <source>Counts repetitions of devotional phrases, the way prayer beads are used.</source>
        <translation>تکرار ذکرها و دعاها را می‌شمارد، همان‌گونه که با تسبیح شمرده می‌شود.</translation>
    </message>
    <message>
        <source>This program is free software: you can share and change it under the terms of the GNU General Public License, version 3 or any later version (GPL-3.0-or-later). It comes with NO WARRANTY, to the extent permitted by law.</source>
        <translation>این برنامه آزاد است: می‌توانید آن را طبق شرایط پروانهٔ عمومی همگانی گنو، نسخهٔ ۳ یا هر نسخهٔ بعدی (GPL-3.0-or-later)، هم‌رسانی و تغییر دهید. این برنامه تا جایی که قانون اجازه می‌دهد بدون هیچ ضمانتی ارائه می‌شود.</translation>
    </message>
    <message>
        <source>Source code: %1</source>
        <translation>کد منبع: %1</translation>
    </message>
    <message>
        <source>Varizez</source>
        <translation>Varizez</translation>
    </message>
    <message>
        <source>Click on a dua below, and then on Start</source>
        <translation>روی یک دعا در پایین کلیک کنید، سپس روی «شروع»</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>افزودن</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>شروع</translation>
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
        <translation>برنامه‌های دیگر!</translation>
    </message>
    <message>
        <source>About</source>
        <translation>درباره</translation>
    </message>
    <message>
        <source>Phrases</source>
        <translation>ذکرها</translation>
    </message>
    <message>
        <source>The phrases you count</source>
        <translation>ذکرهایی که می‌شمارید</translation>
    </message>
    <message>
        <source>Your phrases could not be read from %1: %2. The file is left as it is, and nothing will be saved in it.</source>
        <translation>دعاهای شما از %1 خوانده نشد: %2. پرونده همان‌طور که هست می‌ماند و چیزی در آن ذخیره نمی‌شود.</translation>
    </message>
    <message>
        <source>Your counts could not be saved in %1: %2.</source>
        <translation>شمارش‌های شما در %1 ذخیره نشد: %2.</translation>
    </message>
    <message>
        <source>%1 was damaged, so phrases or counts may be missing. The damaged file is kept as %2.</source>
        <translation>%1 آسیب دیده بود، پس ممکن است برخی دعاها یا شمارش‌ها نباشند. پروندهٔ آسیب‌دیده با نام %2 نگه داشته شد.</translation>
    </message>
    <message>
        <source>Your counts cannot be shared: %1 is not there. They are kept here and will be shared when it is back.</source>
        <translation>شمارش‌های شما هم‌رسانی نمی‌شوند: پوشهٔ %1 در دسترس نیست. اینجا نگه داشته می‌شوند و با بازگشت پوشه هم‌رسانی خواهند شد.</translation>
    </message>
    <message>
        <source>The counts of %1 may be missing: its file %2 is damaged.</source>
        <translation>ممکن است شمارش‌های دستگاه %1 نباشند: پروندهٔ %2 آسیب دیده است.</translation>
    </message>
    <message>
        <source>The counts of %1 may be missing: its file %2 was written by a newer Varizez.</source>
        <translation>ممکن است شمارش‌های دستگاه %1 نباشند: پروندهٔ %2 با نسخهٔ جدیدتری از Varizez نوشته شده است.</translation>
    </message>
    <message>
        <source>The counts of %1 may be missing: its file %2 could not be read (%3).</source>
        <translation>ممکن است شمارش‌های دستگاه %1 نباشند: پروندهٔ %2 خوانده نشد (%3).</translation>
    </message>
    <message>
        <source>Removed “%1” (%2)</source>
        <translation>«%1» حذف شد (%2)</translation>
    </message>
    <message>
        <source>Your counts could not be shared in %1: %2. They are kept here and will be shared as soon as that works again.</source>
        <translation>شمارش‌های شما در %1 هم‌رسانی نشد: %2. اینجا نگه داشته می‌شوند و هر وقت ممکن شد هم‌رسانی خواهند شد.</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>پروندهٔ معمولی نیست</translation>
    </message>
    <message>
        <source>it is larger than %1 MiB</source>
        <translation>بزرگ‌تر از %1 مبی‌بایت است</translation>
    </message>
    <message>
        <source>The days in %1 are damaged, so what was said on each day is left out. Your counts are not affected.</source>
        <translation>روزها در %1 آسیب دیده‌اند، پس آنچه هر روز گفته شده کنار گذاشته شد. شمارش‌های شما آسیبی ندیده‌اند.</translation>
    </message>
    <message>
        <source>What was said on each day could not be read or saved in %1: %2. Your counts are not affected.</source>
        <translation>آنچه هر روز گفته شده در %1 خوانده یا ذخیره نشد: %2. شمارش‌های شما آسیبی ندیده‌اند.</translation>
    </message>
    <message>
        <source>The targets in %1 are damaged, so they are left out. Your counts are not affected.</source>
        <translation>هدف‌ها در %1 آسیب دیده‌اند، پس کنار گذاشته شدند. شمارش‌های شما آسیبی ندیده‌اند.</translation>
    </message>
    <message>
        <source>Your targets could not be read or saved in %1: %2. Your counts are not affected.</source>
        <translation>هدف‌های شما در %1 خوانده یا ذخیره نشد: %2. شمارش‌های شما آسیبی ندیده‌اند.</translation>
    </message>
    <message>
        <source>No target</source>
        <translation>بدون هدف</translation>
    </message>
    <message>
        <source>Count “%1” to:</source>
        <translation>«%1» را تا چند بشمارید:</translation>
    </message>
    <message>
        <source>Target</source>
        <translation>هدف</translation>
    </message>
    <message>
        <source>A target is a whole number from 1 to %1.</source>
        <translation>هدف یک عدد صحیح از ۱ تا %1 است.</translation>
    </message>
    <message>
        <source>Target…</source>
        <translation>هدف…</translation>
    </message>
    <message>
        <source>History…</source>
        <translation>تاریخچه…</translation>
    </message>
    <message>
        <source>History</source>
        <translation>تاریخچه</translation>
    </message>
    <message>
        <source>All phrases</source>
        <translation>همه عبارت‌ها</translation>
    </message>
    <message>
        <source>The last 7 days</source>
        <translation>۷ روز گذشته</translation>
    </message>
    <message>
        <source>The last 30 days</source>
        <translation>۳۰ روز گذشته</translation>
    </message>
    <message>
        <source>The last year</source>
        <translation>یک سال گذشته</translation>
    </message>
    <message>
        <source>Today: %1</source>
        <translation>امروز: %1</translation>
    </message>
    <message>
        <source>Best day: none yet</source>
        <translation>بهترین روز: هنوز نیست</translation>
    </message>
    <message>
        <source>Best day: %1, on %2</source>
        <translation>بهترین روز: %1، در %2</translation>
    </message>
    <message>
        <source>Total: %1</source>
        <translation>مجموع: %1</translation>
    </message>
    <message>
        <source>Total: %1, since %2</source>
        <translation>مجموع: %1، از %2</translation>
    </message>
    <message>
        <source>Days in a row with the target reached: %1</source>
        <translation>روزهای پیاپی با رسیدن به هدف: %1</translation>
    </message>
    <message>
        <source>Days in a row with a count: %1</source>
        <translation>روزهای پیاپی با شمارش: %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Nothing said on these days</source>
        <translation>در این روزها چیزی گفته نشد</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Usage: %1</source>
        <translation>کاربرد: %1</translation>
    </message>
    <message>
        <source>[options]</source>
        <translation>[گزینه‌ها]</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>گزینه‌ها:</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>راهنمای گزینه‌های خط فرمان را نشان می‌دهد.</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation>راهنما را همراه با گزینه‌های ویژهٔ Qt نشان می‌دهد.</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>اطلاعات نسخه را نشان می‌دهد.</translation>
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
        <translation>تأیید</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>لغو</translation>
    </message>
</context>
<context>
    <name>UndoOffer</name>
    <message>
        <source>Undo</source>
        <translation>بازگردانی</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Varizez counts repetitions of devotional phrases (duas), the way prayer beads are used. Keep a list of phrases, pick one, press Start and count with the big + and - buttons or the keys L (up) and A (down). Every count is saved the moment it changes.

The phrases and counts are kept in one file: /home/user/varizezCount.bin when /home/user is a folder you can write (the handheld the program was made for); otherwise varizez/varizezCount.bin in $XDG_DATA_HOME, or in ~/.local/share when XDG_DATA_HOME is not set. &quot;varizez-file path&quot; prints the one in use, and varizez-file backs it up and restores it (see varizez-file --help).

Only one copy runs in a desktop session: starting it again brings the running one to the front. Qt&apos;s own options, such as -platform and -style, are listed by --help-all; any other arguments are ignored.</source>
        <translation>Varizez تکرار ذکرها و دعاها را می‌شمارد، همان‌گونه که با تسبیح شمرده می‌شود. فهرستی از ذکرها نگه دارید، یکی را برگزینید، «شروع» را بزنید و با دکمه‌های بزرگ + و - یا کلیدهای L (افزایش) و A (کاهش) بشمارید. هر شمار همان لحظه که تغییر کند ذخیره می‌شود.

ذکرها و شمارشان در یک پرونده نگه داشته می‌شوند: /home/user/varizezCount.bin اگر /home/user پوشه‌ای باشد که بتوانید در آن بنویسید (دستگاه دستی‌ای که برنامه برایش ساخته شده)؛ وگرنه varizez/varizezCount.bin در $XDG_DATA_HOME، یا در ~/.local/share اگر XDG_DATA_HOME تنظیم نشده باشد. &quot;varizez-file path&quot; پرونده‌ای را که به کار می‌رود چاپ می‌کند، و varizez-file از آن پشتیبان می‌گیرد و آن را بازمی‌گرداند (varizez-file --help را ببینید).

در هر نشست میزکار تنها یک نسخه اجرا می‌شود: اجرای دوباره، نسخهٔ در حال اجرا را به جلو می‌آورد. گزینه‌های خود Qt، مانند -platform و -style، با --help-all فهرست می‌شوند؛ آرگومان‌های دیگر نادیده گرفته می‌شوند.</translation>
    </message>
</context>
</TS>
