<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr">
<context>
    <name>Counter</name>
    <message>
        <source>Tick on each count</source>
        <translation>Her sayımda tık</translation>
    </message>
    <message>
        <source>Counting</source>
        <translation>Sayılıyor</translation>
    </message>
    <message>
        <source>Your choice could not be saved: %1.</source>
        <translation>Seçiminiz kaydedilemedi: %1.</translation>
    </message>
    <message>
        <source>Dialog</source>
        <translation>İletişim kutusu</translation>
    </message>
    <message>
        <source>You can also use key A to decrease, key L to increase</source>
        <translation>A tuşuyla da azaltın, L tuşuyla artırın</translation>
    </message>
    <message>
        <source>Count up</source>
        <translation>Sayıyı artır</translation>
    </message>
    <message>
        <source>Adds one to the count</source>
        <translation>Sayıya bir ekler</translation>
    </message>
    <message>
        <source>Count down</source>
        <translation>Sayıyı azalt</translation>
    </message>
    <message>
        <source>Takes one from the count</source>
        <translation>Sayıdan bir çıkarır</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>Sayı</translation>
    </message>
    <message>
        <source>How often the phrase has been said</source>
        <translation>Zikrin kaç kez söylendiği</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Sıfırla</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Geri</translation>
    </message>
    <message>
        <source>Count reset from %1</source>
        <translation>Sayı %1 iken sıfırlandı</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1/%2</translation>
    </message>
    <message>
        <source>Next: %1</source>
        <translation>Sonraki: %1</translation>
    </message>
    <message>
        <source>%1 of %2: target reached</source>
        <translation>%1/%2: hedefe ulaşıldı</translation>
    </message>
    <message>
        <source>%1 of %2 · %3 today</source>
        <translation>%1/%2 · bugün %3</translation>
    </message>
    <message>
        <source>%1 of %2: target reached · %3 today</source>
        <translation>%1/%2: hedefe ulaşıldı · bugün %3</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Enter varizez</source>
        <translation>Zikir girin</translation>
    </message>
    <message>
        <source>About Varizez</source>
        <translation>Varizez hakkında</translation>
    </message>
    <message>
        <source>Varizez %1</source>
        <translation>Varizez %1</translation>
    </message>
    <message>
        <source>Counts repetitions of devotional phrases, the way prayer beads are used.</source>
        <translation>Dua ve zikirlerin tekrarını tesbih gibi sayar.</translation>
    </message>
    <message>
        <source>This program is free software: you can share and change it under the terms of the GNU General Public License, version 3 or any later version (GPL-3.0-or-later). It comes with NO WARRANTY, to the extent permitted by law.</source>
        <translation>Bu program özgür yazılımdır: GNU Genel Kamu Lisansı sürüm 3 veya daha sonraki bir sürümün (GPL-3.0-or-later) koşulları altında paylaşabilir ve değiştirebilirsiniz. Yasaların izin verdiği ölçüde HİÇBİR GARANTİ olmadan sunulur.</translation>
    </message>
    <message>
        <source>Source code: %1</source>
        <translation>Kaynak kodu: %1</translation>
    </message>
    <message>
        <source>Varizez</source>
        <translation>Varizez</translation>
    </message>
    <message>
        <source>Click on a dua below, and then on Start</source>
        <translation>Aşağıdan bir duaya, ardından Başlat’a tıklayın</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Ekle</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Başlat</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Sil</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Çıkış</translation>
    </message>
    <message>
        <source>More Apps!</source>
        <translation>Uygulamalar!</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Hakkında</translation>
    </message>
    <message>
        <source>Phrases</source>
        <translation>Zikirler</translation>
    </message>
    <message>
        <source>The phrases you count</source>
        <translation>Saydığınız zikirler</translation>
    </message>
    <message>
        <source>Your phrases could not be read from %1: %2. The file is left as it is, and nothing will be saved in it.</source>
        <translation>Dualarınız %1 dosyasından okunamadı: %2. Dosya olduğu gibi bırakıldı ve içine hiçbir şey kaydedilmeyecek.</translation>
    </message>
    <message>
        <source>Your counts could not be saved in %1: %2.</source>
        <translation>Sayımlarınız %1 dosyasına kaydedilemedi: %2.</translation>
    </message>
    <message>
        <source>%1 was damaged, so phrases or counts may be missing. The damaged file is kept as %2.</source>
        <translation>%1 bozuktu, bu yüzden bazı dualar veya sayımlar eksik olabilir. Bozuk dosya %2 olarak saklandı.</translation>
    </message>
    <message>
        <source>Your counts cannot be shared: %1 is not there. They are kept here and will be shared when it is back.</source>
        <translation>Sayımlarınız paylaşılamıyor: %1 klasörü bulunamadı. Burada saklanıyor ve klasör geri geldiğinde paylaşılacak.</translation>
    </message>
    <message>
        <source>The counts of %1 may be missing: its file %2 is damaged.</source>
        <translation>%1 cihazının sayımları eksik olabilir: %2 dosyası bozuk.</translation>
    </message>
    <message>
        <source>The counts of %1 may be missing: its file %2 was written by a newer Varizez.</source>
        <translation>%1 cihazının sayımları eksik olabilir: %2 dosyası Varizez’in daha yeni bir sürümüyle yazılmış.</translation>
    </message>
    <message>
        <source>The counts of %1 may be missing: its file %2 could not be read (%3).</source>
        <translation>%1 cihazının sayımları eksik olabilir: %2 dosyası okunamadı (%3).</translation>
    </message>
    <message>
        <source>Removed “%1” (%2)</source>
        <translation>“%1” silindi (%2)</translation>
    </message>
    <message>
        <source>Your counts could not be shared in %1: %2. They are kept here and will be shared as soon as that works again.</source>
        <translation>Sayımlarınız %1 klasöründe paylaşılamadı: %2. Burada saklanıyor ve mümkün olduğunda paylaşılacak.</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>normal bir dosya değil</translation>
    </message>
    <message>
        <source>it is larger than %1 MiB</source>
        <translation>boyutu %1 MiB sınırını aşıyor</translation>
    </message>
    <message>
        <source>The days in %1 are damaged, so what was said on each day is left out. Your counts are not affected.</source>
        <translation>%1 içindeki günler bozuk, bu yüzden her gün söylenenler dışarıda bırakıldı. Sayımlarınız etkilenmez.</translation>
    </message>
    <message>
        <source>What was said on each day could not be read or saved in %1: %2. Your counts are not affected.</source>
        <translation>Her gün söylenenler %1 içinde okunamadı veya kaydedilemedi: %2. Sayımlarınız etkilenmez.</translation>
    </message>
    <message>
        <source>The targets in %1 are damaged, so they are left out. Your counts are not affected.</source>
        <translation>%1 içindeki hedefler bozuk, bu yüzden kullanılmıyor. Sayımlarınız etkilenmedi.</translation>
    </message>
    <message>
        <source>Your targets could not be read or saved in %1: %2. Your counts are not affected.</source>
        <translation>Hedefleriniz %1 içinde okunamadı veya kaydedilemedi: %2. Sayımlarınız etkilenmedi.</translation>
    </message>
    <message>
        <source>No target</source>
        <translation>Hedef yok</translation>
    </message>
    <message>
        <source>Count “%1” to:</source>
        <translation>“%1” kaça kadar sayılsın:</translation>
    </message>
    <message>
        <source>Target</source>
        <translation>Hedef</translation>
    </message>
    <message>
        <source>A target is a whole number from 1 to %1.</source>
        <translation>Hedef, 1 ile %1 arasında bir tam sayıdır.</translation>
    </message>
    <message>
        <source>Target…</source>
        <translation>Hedef…</translation>
    </message>
    <message>
        <source>History…</source>
        <translation>Geçmiş…</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Geçmiş</translation>
    </message>
    <message>
        <source>All phrases</source>
        <translation>Tüm ifadeler</translation>
    </message>
    <message>
        <source>The last 7 days</source>
        <translation>Son 7 gün</translation>
    </message>
    <message>
        <source>The last 30 days</source>
        <translation>Son 30 gün</translation>
    </message>
    <message>
        <source>The last year</source>
        <translation>Son bir yıl</translation>
    </message>
    <message>
        <source>Today: %1</source>
        <translation>Bugün: %1</translation>
    </message>
    <message>
        <source>Best day: none yet</source>
        <translation>En iyi gün: henüz yok</translation>
    </message>
    <message>
        <source>Best day: %1, on %2</source>
        <translation>En iyi gün: %1, %2 tarihinde</translation>
    </message>
    <message>
        <source>Total: %1</source>
        <translation>Toplam: %1</translation>
    </message>
    <message>
        <source>Total: %1, since %2</source>
        <translation>Toplam: %1, %2 tarihinden beri</translation>
    </message>
    <message>
        <source>Days in a row with the target reached: %1</source>
        <translation>Hedefe ulaşılan ardışık gün: %1</translation>
    </message>
    <message>
        <source>Days in a row with a count: %1</source>
        <translation>Sayım yapılan ardışık gün: %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Nothing said on these days</source>
        <translation>Bu günlerde hiçbir şey söylenmedi</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Usage: %1</source>
        <translation>Kullanım: %1</translation>
    </message>
    <message>
        <source>[options]</source>
        <translation>[seçenekler]</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Seçenekler:</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Komut satırı seçenekleri için yardımı gösterir.</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation>Qt’ye özgü seçenekler dahil yardımı gösterir.</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>Sürüm bilgisini gösterir.</translation>
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
        <translation>Tamam</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
</context>
<context>
    <name>UndoOffer</name>
    <message>
        <source>Undo</source>
        <translation>Geri al</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Varizez counts repetitions of devotional phrases (duas), the way prayer beads are used. Keep a list of phrases, pick one, press Start and count with the big + and - buttons or the keys L (up) and A (down). Every count is saved the moment it changes.

The phrases and counts are kept in one file: /home/user/varizezCount.bin when /home/user is a folder you can write (the handheld the program was made for); otherwise varizez/varizezCount.bin in $XDG_DATA_HOME, or in ~/.local/share when XDG_DATA_HOME is not set. &quot;varizez-file path&quot; prints the one in use, and varizez-file backs it up and restores it (see varizez-file --help).

Only one copy runs in a desktop session: starting it again brings the running one to the front. Qt&apos;s own options, such as -platform and -style, are listed by --help-all; any other arguments are ignored.</source>
        <translation>Varizez, dua ve zikirlerin tekrarını tesbih gibi sayar. Bir zikir listesi tutun, birini seçin, Başlat’a basın ve büyük + ile - düğmeleriyle ya da L (artır) ve A (azalt) tuşlarıyla sayın. Her sayı değiştiği anda kaydedilir.

Zikirler ve sayıları tek bir dosyada tutulur: /home/user yazabildiğiniz bir klasörse (programın yapıldığı el cihazı) /home/user/varizezCount.bin; değilse $XDG_DATA_HOME içinde, XDG_DATA_HOME ayarlı değilse ~/.local/share içinde varizez/varizezCount.bin. &quot;varizez-file path&quot; kullanılan dosyayı yazdırır; varizez-file onu yedekler ve geri yükler (bkz. varizez-file --help).

Bir masaüstü oturumunda yalnızca bir kopya çalışır: yeniden başlatmak çalışan kopyayı öne getirir. Qt’nin kendi seçenekleri (-platform, -style gibi) --help-all ile listelenir; diğer argümanlar yok sayılır.</translation>
    </message>
</context>
</TS>
