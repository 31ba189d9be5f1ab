// SPDX-FileCopyrightText: 2026 Varizez developers <developers@varizez.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef VARIZEZ_DATALOCATION_H
#define VARIZEZ_DATALOCATION_H

#include <QString>

// Where the phrase file lives. On the handheld the program was made for it is
// /home/user/varizezCount.bin, as it always was. On any other desktop it is
// varizezCount.bin in the folder "varizez" of the user's data folder under
// the freedesktop base directory rules: $XDG_DATA_HOME when that is an
// absolute path, else ~/.local/share.
struct DataLocation
{
    QString file; // the phrase file, or a description of it when there is no usable home
    // Missing folders of the file's folder below this one are made on saving:
    // the home folder, or "/" for a data folder outside it.
    QString makeBelow;
    QString problem; // why nothing can be saved, when nothing can

    // The decision, from what it looks at: whether /home/user is a folder
    // this user can write, and the values of HOME and XDG_DATA_HOME.
    static DataLocation decide(bool handheldHomeWritable, const QString &home,
                               const QString &xdgDataHome);
    // The decision for this user on this machine.
    static DataLocation here();
    // The lock that the running program holds on a phrase file, and that
    // whatever else writes the file takes first. It lives in the user's
    // runtime folder, so it needs no folder beside the file and is gone
    // with the session; without one, in the system's temporary folder.
    static QString lockFileFor(const QString &file);
};

#endif // VARIZEZ_DATALOCATION_H
