// SPDX-FileCopyrightText: 2026 Varizez developers <developers@varizez.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "beads.h"

Beads::Beads(const QString &name, int count, QObject *parent)
    : QObject(parent)
    , m_name(name)
    , m_count(count)
{}

Beads::~Beads() = default;

QString Beads::name() const
{
    return m_name;
}

int Beads::count() const
{
    return m_count;
}

void Beads::setCount(int count)
{
    m_count = count;
}
