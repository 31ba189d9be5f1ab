<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>Counter</name>
    <message>
        <source>Tick on each count</source>
        <translation>Un tic à chaque compte</translation>
    </message>
    <message>
        <source>Counting</source>
        <translation>Comptage en cours</translation>
    </message>
    <message>
        <source>Your choice could not be saved: %1.</source>
        <translation>Votre choix n’a pas pu être enregistré : %1.</translation>
    </message>
    <message>
        <source>Dialog</source>
        <translation>Dialogue</translation>
    </message>
    <message>
        <source>You can also use key A to decrease, key L to increase</source>
        <translation>Aussi : touche A pour diminuer, L pour augmenter</translation>
    </message>
    <message>
        <source>Count up</source>
        <translation>Augmenter le compte</translation>
    </message>
    <message>
        <source>Adds one to the count</source>
        <translation>Ajoute un au compte</translation>
    </message>
    <message>
        <source>Count down</source>
        <translation>Diminuer le compte</translation>
    </message>
    <message>
        <source>Takes one from the count</source>
        <translation>Retire un du compte</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>Compte</translation>
    </message>
    <message>
        <source>How often the phrase has been said</source>
        <translation>Combien de fois l’invocation a été dite</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Remettre à zéro</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Retour</translation>
    </message>
    <message>
        <source>Count reset from %1</source>
        <translation>Compte de %1 remis à zéro</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 sur %2</translation>
    </message>
    <message>
        <source>Next: %1</source>
        <translation>Suivant : %1</translation>
    </message>
    <message>
        <source>%1 of %2: target reached</source>
        <translation>%1 sur %2 : objectif atteint</translation>
    </message>
    <message>
        <source>%1 of %2 · %3 today</source>
        <translation>%1 sur %2 · %3 aujourd’hui</translation>
    </message>
    <message>
        <source>%1 of %2: target reached · %3 today</source>
        <translation>%1 sur %2 : objectif atteint · %3 aujourd’hui</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Enter varizez</source>
        <translation>Saisir une invocation</translation>
    </message>
    <message>
        <source>About Varizez</source>
        <translation>À propos de Varizez</translation>
    </message>
    <message>
        <source>Varizez %1</source>
        <translation>Varizez %1</translation>
    </message>
    <message>
        <source>Counts repetitions of devotional phrases, the way prayer beads are used.</source>
        <translation>Compte les répétitions d’invocations (douas), comme avec un chapelet.</translation>
    </message>
    <message>
        <source>This program is free software: you can share and change it under the terms of the GNU General Public License, version 3 or any later version (GPL-3.0-or-later). It comes with NO WARRANTY, to the extent permitted by law.</source>
        <translation>Ce programme est un logiciel libre : vous pouvez le partager et le modifier selon les termes de la Licence publique générale GNU, version 3 ou toute version ultérieure (GPL-3.0-or-later). Il est fourni SANS AUCUNE GARANTIE, dans les limites permises par la loi.</translation>
    </message>
    <message>
        <source>Source code: %1</source>
        <translation>Code source : %1</translation>
    </message>
    <message>
        <source>Varizez</source>
        <translation>Varizez</translation>
    </message>
    <message>
        <source>Click on a dua below, and then on Start</source>
        <translation>Cliquez sur une invocation ci-dessous, puis sur Démarrer</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Démarrer</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Retirer</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>More Apps!</source>
        <translation>Autres applis !</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Phrases</source>
        <translation>Invocations</translation>
    </message>
    <message>
        <source>The phrases you count</source>
        <translation>Les invocations que vous comptez</translation>
    </message>
    <message>
        <source>Your phrases could not be read from %1: %2. The file is left as it is, and nothing will be saved in it.</source>
        <translation>Vos invocations n’ont pas pu être lues dans %1 : %2. Le fichier est laissé tel quel, et rien n’y sera enregistré.</translation>
    </message>
    <message>
        <source>Your counts could not be saved in %1: %2.</source>
        <translation>Vos comptes n’ont pas pu être enregistrés dans %1 : %2.</translation>
    </message>
    <message>
        <source>%1 was damaged, so phrases or counts may be missing. The damaged file is kept as %2.</source>
        <translation>%1 était endommagé : des invocations ou des comptes peuvent manquer. Le fichier endommagé est conservé sous le nom %2.</translation>
    </message>
    <message>
        <source>Your counts cannot be shared: %1 is not there. They are kept here and will be shared when it is back.</source>
        <translation>Vos comptes ne peuvent pas être partagés : %1 est introuvable. Ils sont conservés ici et seront partagés dès son retour.</translation>
    </message>
    <message>
        <source>The counts of %1 may be missing: its file %2 is damaged.</source>
        <translation>Les comptes de %1 peuvent manquer : son fichier %2 est endommagé.</translation>
    </message>
    <message>
        <source>The counts of %1 may be missing: its file %2 was written by a newer Varizez.</source>
        <translation>Les comptes de %1 peuvent manquer : son fichier %2 a été écrit par une version plus récente de Varizez.</translation>
    </message>
    <message>
        <source>The counts of %1 may be missing: its file %2 could not be read (%3).</source>
        <translation>Les comptes de %1 peuvent manquer : son fichier %2 n’a pas pu être lu (%3).</translation>
    </message>
    <message>
        <source>Removed “%1” (%2)</source>
        <translation>Invocation «&#xa0;%1&#xa0;» retirée (%2)</translation>
    </message>
    <message>
        <source>Your counts could not be shared in %1: %2. They are kept here and will be shared as soon as that works again.</source>
        <translation>Vos comptes n’ont pas pu être partagés dans %1 : %2. Ils sont conservés ici et seront partagés dès que possible.</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>ce n’est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>it is larger than %1 MiB</source>
        <translation>il fait plus de %1&#xa0;Mio</translation>
    </message>
    <message>
        <source>The days in %1 are damaged, so what was said on each day is left out. Your counts are not affected.</source>
        <translation>Les jours dans %1 sont endommagés : ce qui a été dit chaque jour est donc omis. Vos comptes ne sont pas affectés.</translation>
    </message>
    <message>
        <source>What was said on each day could not be read or saved in %1: %2. Your counts are not affected.</source>
        <translation>Ce qui a été dit chaque jour n’a pas pu être lu ou enregistré dans %1 : %2. Vos comptes ne sont pas affectés.</translation>
    </message>
    <message>
        <source>The targets in %1 are damaged, so they are left out. Your counts are not affected.</source>
        <translation>Les objectifs de %1 sont endommagés : ils sont laissés de côté. Vos comptes ne sont pas touchés.</translation>
    </message>
    <message>
        <source>Your targets could not be read or saved in %1: %2. Your counts are not affected.</source>
        <translation>Vos objectifs n’ont pas pu être lus ou enregistrés dans %1 : %2. Vos comptes ne sont pas touchés.</translation>
    </message>
    <message>
        <source>No target</source>
        <translation>Aucun objectif</translation>
    </message>
    <message>
        <source>Count “%1” to:</source>
        <translation>Compter « %1 » jusqu’à :</translation>
    </message>
    <message>
        <source>Target</source>
        <translation>Objectif</translation>
    </message>
    <message>
        <source>A target is a whole number from 1 to %1.</source>
        <translation>Un objectif est un nombre entier de 1 à %1.</translation>
    </message>
    <message>
        <source>Target…</source>
        <translation>Objectif…</translation>
    </message>
    <message>
        <source>History…</source>
        <translation>Historique…</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Historique</translation>
    </message>
    <message>
        <source>All phrases</source>
        <translation>Toutes les phrases</translation>
    </message>
    <message>
        <source>The last 7 days</source>
        <translation>Les 7 derniers jours</translation>
    </message>
    <message>
        <source>The last 30 days</source>
        <translation>Les 30 derniers jours</translation>
    </message>
    <message>
        <source>The last year</source>
        <translation>La dernière année</translation>
    </message>
    <message>
        <source>Today: %1</source>
        <translation>Aujourd’hui : %1</translation>
    </message>
    <message>
        <source>Best day: none yet</source>
        <translation>Meilleur jour : aucun pour l’instant</translation>
    </message>
    <message>
        <source>Best day: %1, on %2</source>
        <translation>Meilleur jour : %1, le %2</translation>
    </message>
    <message>
        <source>Total: %1</source>
        <translation>Total : %1</translation>
    </message>
    <message>
        <source>Total: %1, since %2</source>
        <translation>Total : %1, depuis le %2</translation>
    </message>
    <message>
        <source>Days in a row with the target reached: %1</source>
        <translation>Jours d’affilée avec l’objectif atteint : %1</translation>
    </message>
    <message>
        <source>Days in a row with a count: %1</source>
        <translation>Jours d’affilée avec un compte : %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>Nothing said on these days</source>
        <translation>Rien de dit ces jours-là</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Usage: %1</source>
        <translation>Utilisation : %1</translation>
    </message>
    <message>
        <source>[options]</source>
        <translation>[options]</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Options :</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Affiche l’aide sur les options de la ligne de commande.</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation>Affiche l’aide, options propres à Qt comprises.</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>Affiche les informations de version.</translation>
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
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>UndoOffer</name>
    <message>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Varizez counts repetitions of devotional phrases (duas), the way prayer beads are used. Keep a list of phrases, pick one, press Start and count with the big + and - buttons or the keys L (up) and A (down). Every count is saved the moment it changes.

The phrases and counts are kept in one file: /home/user/varizezCount.bin when /home/user is a folder you can write (the handheld the program was made for); otherwise varizez/varizezCount.bin in $XDG_DATA_HOME, or in ~/.local/share when XDG_DATA_HOME is not set. &quot;varizez-file path&quot; prints the one in use, and varizez-file backs it up and restores it (see varizez-file --help).

Only one copy runs in a desktop session: starting it again brings the running one to the front. Qt&apos;s own options, such as -platform and -style, are listed by --help-all; any other arguments are ignored.</source>
        <translation>Varizez compte les répétitions d’invocations (douas), comme avec un chapelet. Gardez une liste d’invocations, choisissez-en une, appuyez sur Démarrer et comptez avec les grands boutons + et - ou les touches L (plus) et A (moins). Chaque compte est enregistré dès qu’il change.

Les invocations et leurs comptes sont gardés dans un seul fichier : /home/user/varizezCount.bin si /home/user est un dossier où vous pouvez écrire (l’appareil de poche pour lequel le programme a été conçu) ; sinon varizez/varizezCount.bin dans $XDG_DATA_HOME, ou dans ~/.local/share si XDG_DATA_HOME n’est pas défini. « varizez-file path » affiche celui qui est utilisé, et varizez-file le sauvegarde et le restaure (voir varizez-file --help).

Une seule copie tourne dans une session de bureau : la relancer amène au premier plan celle qui tourne. Les options propres à Qt, comme -platform et -style, sont listées par --help-all ; tout autre argument est ignoré.</translation>
    </message>
</context>
</TS>
