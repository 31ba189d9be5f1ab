<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Counter</name>
    <message>
        <source>Tick on each count</source>
        <translation>Bei jeder Zählung ticken</translation>
    </message>
    <message>
        <source>Counting</source>
        <translation>Zählen läuft</translation>
    </message>
    <message>
        <source>Your choice could not be saved: %1.</source>
        <translation>Ihre Auswahl konnte nicht gespeichert werden: %1.</translation>
    </message>
    <message>
        <source>Dialog</source>
        <translation>Dialog</translation>
    </message>
    <message>
        <source>You can also use key A to decrease, key L to increase</source>
        <translation>Auch: Taste A verringert, Taste L erhöht</translation>
    </message>
    <message>
        <source>Count up</source>
        <translation>Hochzählen</translation>
    </message>
    <message>
        <source>Adds one to the count</source>
        <translation>Zählt eins dazu</translation>
    </message>
    <message>
        <source>Count down</source>
        <translation>Herunterzählen</translation>
    </message>
    <message>
        <source>Takes one from the count</source>
        <translation>Zieht eins vom Zähler ab</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>Zähler</translation>
    </message>
    <message>
        <source>How often the phrase has been said</source>
        <translation>Wie oft das Bittgebet gesprochen wurde</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Zurücksetzen</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Count reset from %1</source>
        <translation>Zähler von %1 auf 0 zurückgesetzt</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 von %2</translation>
    </message>
    <message>
        <source>Next: %1</source>
        <translation>Weiter: %1</translation>
    </message>
    <message>
        <source>%1 of %2: target reached</source>
        <translation>%1 von %2: Ziel erreicht</translation>
    </message>
    <message>
        <source>%1 of %2 · %3 today</source>
        <translation>%1 von %2 · %3 heute</translation>
    </message>
    <message>
        <source>%1 of %2: target reached · %3 today</source>
        <translation>%1 von %2: Ziel erreicht · %3 heute</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Enter varizez</source>
        <translation>Bittgebet eingeben</translation>
    </message>
    <message>
        <source>About Varizez</source>
        <translation>Über Varizez</translation>
    </message>
    <message>
        <source>Varizez %1</source>
        <translation>Varizez %1</translation>
    </message>
    <message>
        <source>Counts repetitions of devotional phrases, the way prayer beads are used.</source>
        <translation>Zählt Wiederholungen von Bittgebeten (Duas), wie mit einer Gebetskette.</translation>
    </message>
    <message>
        <source>This program is free software: you can share and change it under the terms of the GNU General Public License, version 3 or any later version (GPL-3.0-or-later). It comes with NO WARRANTY, to the extent permitted by law.</source>
        <translation>Dieses Programm ist freie Software: Sie können es unter den Bedingungen der GNU General Public License, Version 3 oder jeder späteren Version (GPL-3.0-or-later), weitergeben und verändern. Es wird OHNE JEDE GEWÄHRLEISTUNG bereitgestellt, soweit gesetzlich zulässig.</translation>
    </message>
    <message>
        <source>Source code: %1</source>
        <translation>Quellcode: %1</translation>
    </message>
    <message>
        <source>Varizez</source>
        <translation>Varizez</translation>
    </message>
    <message>
        <source>Click on a dua below, and then on Start</source>
        <translation>Klicken Sie unten auf eine Dua und dann auf „Starten“</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Starten</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>More Apps!</source>
        <translation>Mehr Apps!</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>Phrases</source>
        <translation>Bittgebete</translation>
    </message>
    <message>
        <source>The phrases you count</source>
        <translation>Die Bittgebete, die Sie zählen</translation>
    </message>
    <message>
        <source>Your phrases could not be read from %1: %2. The file is left as it is, and nothing will be saved in it.</source>
        <translation>Ihre Duas konnten nicht aus %1 gelesen werden: %2. Die Datei bleibt, wie sie ist, und es wird nichts darin gespeichert.</translation>
    </message>
    <message>
        <source>Your counts could not be saved in %1: %2.</source>
        <translation>Ihre Zählungen konnten nicht in %1 gespeichert werden: %2.</translation>
    </message>
    <message>
        <source>%1 was damaged, so phrases or counts may be missing. The damaged file is kept as %2.</source>
        <translation>%1 war beschädigt, daher können Duas oder Zählungen fehlen. Die beschädigte Datei wird als %2 aufbewahrt.</translation>
    </message>
    <message>
        <source>Your counts cannot be shared: %1 is not there. They are kept here and will be shared when it is back.</source>
        <translation>Ihre Zählungen können nicht geteilt werden: %1 ist nicht erreichbar. Sie werden hier aufbewahrt und geteilt, sobald der Ordner wieder da ist.</translation>
    </message>
    <message>
        <source>The counts of %1 may be missing: its file %2 is damaged.</source>
        <translation>Die Zählungen von %1 können fehlen: Die Datei %2 ist beschädigt.</translation>
    </message>
    <message>
        <source>The counts of %1 may be missing: its file %2 was written by a newer Varizez.</source>
        <translation>Die Zählungen von %1 können fehlen: Die Datei %2 wurde mit einer neueren Version von Varizez geschrieben.</translation>
    </message>
    <message>
        <source>The counts of %1 may be missing: its file %2 could not be read (%3).</source>
        <translation>Die Zählungen von %1 können fehlen: Die Datei %2 konnte nicht gelesen werden (%3).</translation>
    </message>
    <message>
        <source>Removed “%1” (%2)</source>
        <translation>„%1“ entfernt (%2)</translation>
    </message>
    <message>
        <source>Your counts could not be shared in %1: %2. They are kept here and will be shared as soon as that works again.</source>
        <translation>Ihre Zählungen konnten nicht über %1 geteilt werden: %2. Sie werden hier aufbewahrt und geteilt, sobald das wieder möglich ist.</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>sie ist keine reguläre Datei</translation>
    </message>
    <message>
        <source>it is larger than %1 MiB</source>
        <translation>sie ist größer als %1 MiB</translation>
    </message>
    <message>
        <source>The days in %1 are damaged, so what was said on each day is left out. Your counts are not affected.</source>
        <translation>Die Tage in %1 sind beschädigt, daher fehlt, was an jedem Tag gesagt wurde. Ihre Zählungen sind davon nicht betroffen.</translation>
    </message>
    <message>
        <source>What was said on each day could not be read or saved in %1: %2. Your counts are not affected.</source>
        <translation>Was an jedem Tag gesagt wurde, konnte in %1 nicht gelesen oder gespeichert werden: %2. Ihre Zählungen sind davon nicht betroffen.</translation>
    </message>
    <message>
        <source>The targets in %1 are damaged, so they are left out. Your counts are not affected.</source>
        <translation>Die Ziele in %1 sind beschädigt und werden daher weggelassen. Ihre Zählungen sind davon nicht betroffen.</translation>
    </message>
    <message>
        <source>Your targets could not be read or saved in %1: %2. Your counts are not affected.</source>
        <translation>Ihre Ziele konnten in %1 nicht gelesen oder gespeichert werden: %2. Ihre Zählungen sind davon nicht betroffen.</translation>
    </message>
    <message>
        <source>No target</source>
        <translation>Kein Ziel</translation>
    </message>
    <message>
        <source>Count “%1” to:</source>
        <translation>„%1“ zählen bis:</translation>
    </message>
    <message>
        <source>Target</source>
        <translation>Ziel</translation>
    </message>
    <message>
        <source>A target is a whole number from 1 to %1.</source>
        <translation>Ein Ziel ist eine ganze Zahl von 1 bis %1.</translation>
    </message>
    <message>
        <source>Target…</source>
        <translation>Ziel…</translation>
    </message>
    <message>
        <source>History…</source>
        <translation>Verlauf…</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Verlauf</translation>
    </message>
    <message>
        <source>All phrases</source>
        <translation>Alle Phrasen</translation>
    </message>
    <message>
        <source>The last 7 days</source>
        <translation>Die letzten 7 Tage</translation>
    </message>
    <message>
        <source>The last 30 days</source>
        <translation>Die letzten 30 Tage</translation>
    </message>
    <message>
        <source>The last year</source>
        <translation>Das letzte Jahr</translation>
    </message>
    <message>
        <source>Today: %1</source>
        <translation>Heute: %1</translation>
    </message>
    <message>
        <source>Best day: none yet</source>
        <translation>Bester Tag: noch keiner</translation>
    </message>
    <message>
        <source>Best day: %1, on %2</source>
        <translation>Bester Tag: %1, am %2</translation>
    </message>
    <message>
        <source>Total: %1</source>
        <translation>Gesamt: %1</translation>
    </message>
    <message>
        <source>Total: %1, since %2</source>
        <translation>Gesamt: %1, seit %2</translation>
    </message>
    <message>
        <source>Days in a row with the target reached: %1</source>
        <translation>Tage in Folge mit erreichtem Ziel: %1</translation>
    </message>
    <message>
        <source>Days in a row with a count: %1</source>
        <translation>Tage in Folge mit einer Zählung: %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Nothing said on these days</source>
        <translation>An diesen Tagen nichts gesagt</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Usage: %1</source>
        <translation>Aufruf: %1</translation>
    </message>
    <message>
        <source>[options]</source>
        <translation>[Optionen]</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Optionen:</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Zeigt Hilfe zu den Befehlszeilenoptionen an.</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation>Zeigt Hilfe einschließlich der Qt-eigenen Optionen an.</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>Zeigt Versionsinformationen an.</translation>
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
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>UndoOffer</name>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Varizez counts repetitions of devotional phrases (duas), the way prayer beads are used. Keep a list of phrases, pick one, press Start and count with the big + and - buttons or the keys L (up) and A (down). Every count is saved the moment it changes.

The phrases and counts are kept in one file: /home/user/varizezCount.bin when /home/user is a folder you can write (the handheld the program was made for); otherwise varizez/varizezCount.bin in $XDG_DATA_HOME, or in ~/.local/share when XDG_DATA_HOME is not set. &quot;varizez-file path&quot; prints the one in use, and varizez-file backs it up and restores it (see varizez-file --help).

Only one copy runs in a desktop session: starting it again brings the running one to the front. Qt&apos;s own options, such as -platform and -style, are listed by --help-all; any other arguments are ignored.</source>
        <translation>Varizez zählt Wiederholungen von Bittgebeten (Duas), wie mit einer Gebetskette. Führen Sie eine Liste von Bittgebeten, wählen Sie eines, drücken Sie „Starten“ und zählen Sie mit den großen Knöpfen + und - oder den Tasten L (hoch) und A (herunter). Jeder Zählerstand wird gespeichert, sobald er sich ändert.

Die Bittgebete und ihre Zähler liegen in einer Datei: /home/user/varizezCount.bin, wenn /home/user ein Ordner ist, in den Sie schreiben können (das Handgerät, für das das Programm gemacht wurde); sonst varizez/varizezCount.bin in $XDG_DATA_HOME oder in ~/.local/share, wenn XDG_DATA_HOME nicht gesetzt ist. &quot;varizez-file path&quot; gibt die verwendete aus, und varizez-file sichert sie und stellt sie wieder her (siehe varizez-file --help).

In einer Desktop-Sitzung läuft nur eine Kopie: ein erneuter Start holt die laufende nach vorn. Qts eigene Optionen wie -platform und -style listet --help-all auf; alle anderen Argumente werden ignoriert.</translation>
    </message>
</context>
</TS>
