<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ms">
<context>
    <name>Counter</name>
    <message>
        <source>Tick on each count</source>
        <translation>Ketukan pada setiap kiraan</translation>
    </message>
    <message>
        <source>Counting</source>
        <translation>Sedang mengira</translation>
    </message>
    <message>
        <source>Your choice could not be saved: %1.</source>
        <translation>Pilihan anda tidak dapat disimpan: %1.</translation>
    </message>
    <message>
        <source>Dialog</source>
        <translation>Dialog</translation>
    </message>
    <message>
        <source>You can also use key A to decrease, key L to increase</source>
        <translation>Kekunci A juga mengurangkan, L menambah</translation>
    </message>
    <message>
        <source>Count up</source>
        <translation>Tambah kiraan</translation>
    </message>
    <message>
        <source>Adds one to the count</source>
        <translation>Menambah satu pada kiraan</translation>
    </message>
    <message>
        <source>Count down</source>
        <translation>Kurangkan kiraan</translation>
    </message>
    <message>
        <source>Takes one from the count</source>
        <translation>Mengurangkan satu daripada kiraan</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>Kiraan</translation>
    </message>
    <message>
        <source>How often the phrase has been said</source>
        <translation>Berapa kali zikir telah diucapkan</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Set semula</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Kembali</translation>
    </message>
    <message>
        <source>Count reset from %1</source>
        <translation>Kiraan diset semula daripada %1</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 daripada %2</translation>
    </message>
    <message>
        <source>Next: %1</source>
        <translation>Seterusnya: %1</translation>
    </message>
    <message>
        <source>%1 of %2: target reached</source>
        <translation>%1 daripada %2: sasaran dicapai</translation>
    </message>
    <message>
        <source>%1 of %2 · %3 today</source>
        <translation>%1 daripada %2 · %3 hari ini</translation>
    </message>
    <message>
        <source>%1 of %2: target reached · %3 today</source>
        <translation>%1 daripada %2: sasaran dicapai · %3 hari ini</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Enter varizez</source>
        <translation>Masukkan zikir</translation>
    </message>
    <message>
        <source>About Varizez</source>
        <translation>Perihal Varizez</translation>
    </message>
    <message>
        <source>Varizez %1</source>
        <translation>Varizez %1</translation>
    </message>
    <message>
        <source>Counts repetitions of devotional phrases, the way prayer beads are used.</source>
        <translation>Mengira ulangan doa dan zikir, seperti menggunakan tasbih.</translation>
    </message>
    <message>
        <source>This program is free software: you can share and change it under the terms of the GNU General Public License, version 3 or any later version (GPL-3.0-or-later). It comes with NO WARRANTY, to the extent permitted by law.</source>
        <translation>Program ini ialah perisian bebas: anda boleh berkongsi dan mengubahnya menurut syarat GNU General Public License, versi 3 atau mana-mana versi kemudian (GPL-3.0-or-later). Program ini TIDAK DISERTAKAN SEBARANG JAMINAN, setakat yang dibenarkan oleh undang-undang.</translation>
    </message>
    <message>
        <source>Source code: %1</source>
        <translation>Kod sumber: %1</translation>
    </message>
    <message>
        <source>Varizez</source>
        <translation>Varizez</translation>
    </message>
    <message>
        <source>Click on a dua below, and then on Start</source>
        <translation>Klik pada doa di bawah, kemudian pada Mula</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Tambah</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Mula</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Buang</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Keluar</translation>
    </message>
    <message>
        <source>More Apps!</source>
        <translation>Aplikasi lain!</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Perihal</translation>
    </message>
    <message>
        <source>Phrases</source>
        <translation>Zikir</translation>
    </message>
    <message>
        <source>The phrases you count</source>
        <translation>Zikir yang anda kira</translation>
    </message>
    <message>
        <source>Your phrases could not be read from %1: %2. The file is left as it is, and nothing will be saved in it.</source>
        <translation>Doa anda tidak dapat dibaca daripada %1: %2. Fail dibiarkan seperti sedia ada, dan tiada apa-apa akan disimpan di dalamnya.</translation>
    </message>
    <message>
        <source>Your counts could not be saved in %1: %2.</source>
        <translation>Kiraan anda tidak dapat disimpan dalam %1: %2.</translation>
    </message>
    <message>
        <source>%1 was damaged, so phrases or counts may be missing. The damaged file is kept as %2.</source>
        <translation>%1 rosak, jadi sesetengah doa atau kiraan mungkin hilang. Fail yang rosak disimpan sebagai %2.</translation>
    </message>
    <message>
        <source>Your counts cannot be shared: %1 is not there. They are kept here and will be shared when it is back.</source>
        <translation>Kiraan anda tidak dapat dikongsi: %1 tidak tersedia. Kiraan tetap disimpan di sini dan akan dikongsi apabila folder itu kembali.</translation>
    </message>
    <message>
        <source>The counts of %1 may be missing: its file %2 is damaged.</source>
        <translation>Kiraan peranti %1 mungkin hilang: fail %2 rosak.</translation>
    </message>
    <message>
        <source>The counts of %1 may be missing: its file %2 was written by a newer Varizez.</source>
        <translation>Kiraan peranti %1 mungkin hilang: fail %2 ditulis oleh versi Varizez yang lebih baharu.</translation>
    </message>
    <message>
        <source>The counts of %1 may be missing: its file %2 could not be read (%3).</source>
        <translation>Kiraan peranti %1 mungkin hilang: fail %2 tidak dapat dibaca (%3).</translation>
    </message>
    <message>
        <source>Removed “%1” (%2)</source>
        <translation>“%1” dibuang (%2)</translation>
    </message>
    <message>
        <source>Your counts could not be shared in %1: %2. They are kept here and will be shared as soon as that works again.</source>
        <translation>Kiraan anda tidak dapat dikongsi dalam %1: %2. Kiraan tetap disimpan di sini dan akan dikongsi sebaik sahaja boleh.</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>bukan fail biasa</translation>
    </message>
    <message>
        <source>it is larger than %1 MiB</source>
        <translation>saiznya melebihi %1 MiB</translation>
    </message>
    <message>
        <source>The days in %1 are damaged, so what was said on each day is left out. Your counts are not affected.</source>
        <translation>Hari-hari dalam %1 rosak, jadi apa yang diucapkan setiap hari ditinggalkan. Kiraan anda tidak terjejas.</translation>
    </message>
    <message>
        <source>What was said on each day could not be read or saved in %1: %2. Your counts are not affected.</source>
        <translation>Apa yang diucapkan setiap hari tidak dapat dibaca atau disimpan dalam %1: %2. Kiraan anda tidak terjejas.</translation>
    </message>
    <message>
        <source>The targets in %1 are damaged, so they are left out. Your counts are not affected.</source>
        <translation>Sasaran dalam %1 rosak, jadi ia tidak digunakan. Kiraan anda tidak terjejas.</translation>
    </message>
    <message>
        <source>Your targets could not be read or saved in %1: %2. Your counts are not affected.</source>
        <translation>Sasaran anda tidak dapat dibaca atau disimpan dalam %1: %2. Kiraan anda tidak terjejas.</translation>
    </message>
    <message>
        <source>No target</source>
        <translation>Tiada sasaran</translation>
    </message>
    <message>
        <source>Count “%1” to:</source>
        <translation>Kira “%1” sehingga:</translation>
    </message>
    <message>
        <source>Target</source>
        <translation>Sasaran</translation>
    </message>
    <message>
        <source>A target is a whole number from 1 to %1.</source>
        <translation>Sasaran ialah nombor bulat dari 1 hingga %1.</translation>
    </message>
    <message>
        <source>Target…</source>
        <translation>Sasaran…</translation>
    </message>
    <message>
        <source>History…</source>
        <translation>Sejarah…</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Sejarah</translation>
    </message>
    <message>
        <source>All phrases</source>
        <translation>Semua frasa</translation>
    </message>
    <message>
        <source>The last 7 days</source>
        <translation>7 hari lepas</translation>
    </message>
    <message>
        <source>The last 30 days</source>
        <translation>30 hari lepas</translation>
    </message>
    <message>
        <source>The last year</source>
        <translation>Setahun lepas</translation>
    </message>
    <message>
        <source>Today: %1</source>
        <translation>Hari ini: %1</translation>
    </message>
    <message>
        <source>Best day: none yet</source>
        <translation>Hari terbaik: belum ada</translation>
    </message>
    <message>
        <source>Best day: %1, on %2</source>
        <translation>Hari terbaik: %1, pada %2</translation>
    </message>
    <message>
        <source>Total: %1</source>
        <translation>Jumlah: %1</translation>
    </message>
    <message>
        <source>Total: %1, since %2</source>
        <translation>Jumlah: %1, sejak %2</translation>
    </message>
    <message>
        <source>Days in a row with the target reached: %1</source>
        <translation>Hari berturut-turut dengan sasaran dicapai: %1</translation>
    </message>
    <message>
        <source>Days in a row with a count: %1</source>
        <translation>Hari berturut-turut dengan kiraan: %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Nothing said on these days</source>
        <translation>Tiada yang diucapkan pada hari-hari ini</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Usage: %1</source>
        <translation>Penggunaan: %1</translation>
    </message>
    <message>
        <source>[options]</source>
        <translation>[pilihan]</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Pilihan:</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Memaparkan bantuan tentang pilihan baris perintah.</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation>Memaparkan bantuan termasuk pilihan khusus Qt.</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>Memaparkan maklumat versi.</translation>
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
        <translation>Okey</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Batal</translation>
    </message>
</context>
<context>
    <name>UndoOffer</name>
    <message>
        <source>Undo</source>
        <translation>Buat asal</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Varizez counts repetitions of devotional phrases (duas), the way prayer beads are used. Keep a list of phrases, pick one, press Start and count with the big + and - buttons or the keys L (up) and A (down). Every count is saved the moment it changes.

The phrases and counts are kept in one file: /home/user/varizezCount.bin when /home/user is a folder you can write (the handheld the program was made for); otherwise varizez/varizezCount.bin in $XDG_DATA_HOME, or in ~/.local/share when XDG_DATA_HOME is not set. &quot;varizez-file path&quot; prints the one in use, and varizez-file backs it up and restores it (see varizez-file --help).

Only one copy runs in a desktop session: starting it again brings the running one to the front. Qt&apos;s own options, such as -platform and -style, are listed by --help-all; any other arguments are ignored.</source>
        <translation>Varizez mengira ulangan doa dan zikir, seperti menggunakan tasbih. Simpan senarai zikir, pilih satu, tekan Mula dan kira dengan butang besar + dan - atau kekunci L (naik) dan A (turun). Setiap kiraan disimpan sebaik sahaja ia berubah.

Zikir dan kiraannya disimpan dalam satu fail: /home/user/varizezCount.bin jika /home/user ialah folder yang boleh anda tulis (peranti pegang tangan yang program ini dibuat untuknya); jika tidak, varizez/varizezCount.bin dalam $XDG_DATA_HOME, atau dalam ~/.local/share jika XDG_DATA_HOME tidak ditetapkan. &quot;varizez-file path&quot; mencetak fail yang digunakan, dan varizez-file membuat sandaran dan memulihkannya (lihat varizez-file --help).

Hanya satu salinan berjalan dalam satu sesi desktop: memulakannya semula membawa salinan yang sedang berjalan ke hadapan. Pilihan Qt sendiri, seperti -platform dan -style, disenaraikan oleh --help-all; hujah lain diabaikan.</translation>
    </message>
</context>
</TS>
