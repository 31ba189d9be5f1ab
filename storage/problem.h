// SPDX-FileCopyrightText: 2026 Varizez developers <developers@varizez.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef VARIZEZ_PROBLEM_H
#define VARIZEZ_PROBLEM_H

#include <QString>

// Something wrong with one of the files that keep the user's list, for the
// user to be told of: what, where (the file) and why (the system's reason;
// for a damaged file kept aside, where the copy is). Of another device's
// file, whose it is too: that device's name where known, else its id.
struct Problem
{
    enum What { None, CannotRead, CannotSave, KeptAside, Damaged, Newer };
    What what = None;
    QString where;
    QString why;
    QString whose;

    bool operator==(const Problem &o) const
    {
        return what == o.what && where == o.where && why == o.why && whose == o.whose;
    }
    bool operator!=(const Problem &o) const { return !(*this == o); }
};

// What reading a file of the list's found: whole, damaged (cut short,
// altered or beyond a bound), or written by a newer version in a layout
// this one does not know.
enum class FileVerdict { Whole, Damaged, Newer };

#endif // VARIZEZ_PROBLEM_H
