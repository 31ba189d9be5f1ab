<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="id">
<context>
    <name>Counter</name>
    <message>
        <source>Tick on each count</source>
        <translation>Ketukan pada setiap hitungan</translation>
    </message>
    <message>
        <source>Counting</source>
        <translation>Sedang menghitung</translation>
    </message>
    <message>
        <source>Your choice could not be saved: %1.</source>
        <translation>Pilihan Anda tidak dapat disimpan: %1.</translation>
    </message>
    <message>
        <source>Dialog</source>
        <translation>Dialog</translation>
    </message>
    <message>
        <source>You can also use key A to decrease, key L to increase</source>
        <translation>Tombol A juga mengurangi, tombol L menambah</translation>
    </message>
    <message>
        <source>Count up</source>
        <translation>Tambah hitungan</translation>
    </message>
    <message>
        <source>Adds one to the count</source>
        <translation>Menambah satu pada hitungan</translation>
    </message>
    <message>
        <source>Count down</source>
        <translation>Kurangi hitungan</translation>
    </message>
    <message>
        <source>Takes one from the count</source>
        <translation>Mengurangi satu dari hitungan</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>Hitungan</translation>
    </message>
    <message>
        <source>How often the phrase has been said</source>
        <translation>Berapa kali zikir sudah diucapkan</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Atur ulang</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Kembali</translation>
    </message>
    <message>
        <source>Count reset from %1</source>
        <translation>Hitungan diatur ulang dari %1</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 dari %2</translation>
    </message>
    <message>
        <source>Next: %1</source>
        <translation>Berikutnya: %1</translation>
    </message>
    <message>
        <source>%1 of %2: target reached</source>
        <translation>%1 dari %2: target tercapai</translation>
    </message>
    <message>
        <source>%1 of %2 · %3 today</source>
        <translation>%1 dari %2 · %3 hari ini</translation>
    </message>
    <message>
        <source>%1 of %2: target reached · %3 today</source>
        <translation>%1 dari %2: target tercapai · %3 hari ini</translation>
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
        <translation>Tentang Varizez</translation>
    </message>
    <message>
        <source>Varizez %1</source>
        <translation>Varizez %1</translation>
    </message>
    <message>
        <source>Counts repetitions of devotional phrases, the way prayer beads are used.</source>
        <translation>Menghitung pengulangan doa dan zikir, seperti memakai tasbih.</translation>
    </message>
    <message>
        <source>This program is free software: you can share and change it under the terms of the GNU General Public License, version 3 or any later version (GPL-3.0-or-later). It comes with NO WARRANTY, to the extent permitted by law.</source>
        <translation>Program ini adalah perangkat lunak bebas: Anda boleh membagikan dan mengubahnya menurut ketentuan GNU General Public License, versi 3 atau versi mana pun yang lebih baru (GPL-3.0-or-later). Program ini TANPA JAMINAN, sejauh diizinkan oleh hukum.</translation>
    </message>
    <message>
        <source>Source code: %1</source>
        <translation>Kode sumber: %1</translation>
    </message>
    <message>
        <source>Varizez</source>
        <translation>Varizez</translation>
    </message>
    <message>
        <source>Click on a dua below, and then on Start</source>
        <translation>Klik sebuah doa di bawah, lalu Mulai</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Tambah</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Mulai</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Hapus</translation>
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
        <translation>Tentang</translation>
    </message>
    <message>
        <source>Phrases</source>
        <translation>Zikir</translation>
    </message>
    <message>
        <source>The phrases you count</source>
        <translation>Zikir yang Anda hitung</translation>
    </message>
    <message>
        <source>Your phrases could not be read from %1: %2. The file is left as it is, and nothing will be saved in it.</source>
        <translation>Doa Anda tidak dapat dibaca dari %1: %2. Berkas dibiarkan apa adanya, dan tidak ada yang akan disimpan di dalamnya.</translation>
    </message>
    <message>
        <source>Your counts could not be saved in %1: %2.</source>
        <translation>Hitungan Anda tidak dapat disimpan di %1: %2.</translation>
    </message>
    <message>
        <source>%1 was damaged, so phrases or counts may be missing. The damaged file is kept as %2.</source>
        <translation>%1 rusak, jadi beberapa doa atau hitungan mungkin hilang. Berkas yang rusak disimpan sebagai %2.</translation>
    </message>
    <message>
        <source>Your counts cannot be shared: %1 is not there. They are kept here and will be shared when it is back.</source>
        <translation>Hitungan Anda tidak dapat dibagikan: %1 tidak tersedia. Hitungan tetap tersimpan di sini dan akan dibagikan begitu folder itu kembali.</translation>
    </message>
    <message>
        <source>The counts of %1 may be missing: its file %2 is damaged.</source>
        <translation>Hitungan perangkat %1 mungkin hilang: berkas %2 rusak.</translation>
    </message>
    <message>
        <source>The counts of %1 may be missing: its file %2 was written by a newer Varizez.</source>
        <translation>Hitungan perangkat %1 mungkin hilang: berkas %2 ditulis oleh versi Varizez yang lebih baru.</translation>
    </message>
    <message>
        <source>The counts of %1 may be missing: its file %2 could not be read (%3).</source>
        <translation>Hitungan perangkat %1 mungkin hilang: berkas %2 tidak dapat dibaca (%3).</translation>
    </message>
    <message>
        <source>Removed “%1” (%2)</source>
        <translation>“%1” dihapus (%2)</translation>
    </message>
    <message>
        <source>Your counts could not be shared in %1: %2. They are kept here and will be shared as soon as that works again.</source>
        <translation>Hitungan Anda tidak dapat dibagikan di %1: %2. Hitungan tetap tersimpan di sini dan akan dibagikan begitu memungkinkan.</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>bukan berkas biasa</translation>
    </message>
    <message>
        <source>it is larger than %1 MiB</source>
        <translation>ukurannya melebihi %1 MiB</translation>
    </message>
    <message>
        <source>The days in %1 are damaged, so what was said on each day is left out. Your counts are not affected.</source>
        <translation>Hari-hari di %1 rusak, jadi apa yang diucapkan setiap hari tidak disertakan. Hitungan Anda tidak terpengaruh.</translation>
    </message>
    <message>
        <source>What was said on each day could not be read or saved in %1: %2. Your counts are not affected.</source>
        <translation>Apa yang diucapkan setiap hari tidak dapat dibaca atau disimpan di %1: %2. Hitungan Anda tidak terpengaruh.</translation>
    </message>
    <message>
        <source>The targets in %1 are damaged, so they are left out. Your counts are not affected.</source>
        <translation>Target di %1 rusak, jadi tidak dipakai. Hitungan Anda tidak terpengaruh.</translation>
    </message>
    <message>
        <source>Your targets could not be read or saved in %1: %2. Your counts are not affected.</source>
        <translation>Target Anda tidak dapat dibaca atau disimpan di %1: %2. Hitungan Anda tidak terpengaruh.</translation>
    </message>
    <message>
        <source>No target</source>
        <translation>Tanpa target</translation>
    </message>
    <message>
        <source>Count “%1” to:</source>
        <translation>Hitung “%1” sampai:</translation>
    </message>
    <message>
        <source>Target</source>
        <translation>Target</translation>
    </message>
    <message>
        <source>A target is a whole number from 1 to %1.</source>
        <translation>Target adalah bilangan bulat dari 1 sampai %1.</translation>
    </message>
    <message>
        <source>Target…</source>
        <translation>Target…</translation>
    </message>
    <message>
        <source>History…</source>
        <translation>Riwayat…</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Riwayat</translation>
    </message>
    <message>
        <source>All phrases</source>
        <translation>Semua frasa</translation>
    </message>
    <message>
        <source>The last 7 days</source>
        <translation>7 hari terakhir</translation>
    </message>
    <message>
        <source>The last 30 days</source>
        <translation>30 hari terakhir</translation>
    </message>
    <message>
        <source>The last year</source>
        <translation>Setahun terakhir</translation>
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
        <translation>Total: %1</translation>
    </message>
    <message>
        <source>Total: %1, since %2</source>
        <translation>Total: %1, sejak %2</translation>
    </message>
    <message>
        <source>Days in a row with the target reached: %1</source>
        <translation>Hari berturut-turut dengan target tercapai: %1</translation>
    </message>
    <message>
        <source>Days in a row with a count: %1</source>
        <translation>Hari berturut-turut dengan hitungan: %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Nothing said on these days</source>
        <translation>Tidak ada yang diucapkan pada hari-hari ini</translation>
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
        <translation>[opsi]</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Opsi:</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Menampilkan bantuan tentang opsi baris perintah.</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation>Menampilkan bantuan beserta opsi khusus Qt.</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>Menampilkan informasi versi.</translation>
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
        <translation>Oke</translation>
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
        <translation>Urungkan</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Varizez counts repetitions of devotional phrases (duas), the way prayer beads are used. Keep a list of phrases, pick one, press Start and count with the big + and - buttons or the keys L (up) and A (down). Every count is saved the moment it changes.

The phrases and counts are kept in one file: /home/user/varizezCount.bin when /home/user is a folder you can write (the handheld the program was made for); otherwise varizez/varizezCount.bin in $XDG_DATA_HOME, or in ~/.local/share when XDG_DATA_HOME is not set. &quot;varizez-file path&quot; prints the one in use, and varizez-file backs it up and restores it (see varizez-file --help).

Only one copy runs in a desktop session: starting it again brings the running one to the front. Qt&apos;s own options, such as -platform and -style, are listed by --help-all; any other arguments are ignored.</source>
        <translation>Varizez menghitung pengulangan doa dan zikir, seperti memakai tasbih. Simpan daftar zikir, pilih satu, tekan Mulai, lalu hitung dengan tombol besar + dan - atau tombol L (naik) dan A (turun). Setiap hitungan disimpan begitu berubah.

Zikir dan hitungannya disimpan dalam satu berkas: /home/user/varizezCount.bin bila /home/user adalah folder yang bisa Anda tulisi (perangkat genggam tempat program ini dibuat); selain itu varizez/varizezCount.bin di $XDG_DATA_HOME, atau di ~/.local/share bila XDG_DATA_HOME tidak diatur. &quot;varizez-file path&quot; menampilkan berkas yang dipakai, dan varizez-file mencadangkan serta memulihkannya (lihat varizez-file --help).

Hanya satu salinan berjalan dalam satu sesi desktop: menjalankannya lagi membawa salinan yang berjalan ke depan. Opsi milik Qt, seperti -platform dan -style, dicantumkan oleh --help-all; argumen lain diabaikan.</translation>
    </message>
</context>
</TS>
