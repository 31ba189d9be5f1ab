// SPDX-FileCopyrightText: 2026 Varizez developers <developers@varizez.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "deviceidentity.h"

#include "devicefile.h"
#include "durablefile.h"
#include "folders.h"
#include "regularfile.h"
#include "sharingsettings.h"

#include <QFileInfo>
#include <QRandomGenerator>

namespace {

// A key shorter than this is none of the program's.
constexpr int kKeyLeast = 16;

bool readKept(const QString &path, QByteArray *bytes, QString *reason)
{
    return RegularFile::read(path, DeviceFile::kSizeBound, bytes, reason);
}

} // namespace

DeviceIdentity::DeviceIdentity(const DataLocation &location, const QString &mirror)
    : m_location(location)
    , m_mirror(mirror)
{
    QByteArray number;
    QString reason;
    if (readKept(incarnationPath(), &number, &reason))
        m_incarnation = qBound(0, number.trimmed().toInt(), 1000000);
    m_id = SharingSettings::deviceId(location.file, m_incarnation);
}

QString DeviceIdentity::keyPath() const
{
    return m_mirror + QStringLiteral("/key");
}

QString DeviceIdentity::incarnationPath() const
{
    return m_mirror + QStringLiteral("/incarnation");
}

bool DeviceIdentity::makeMirror(QString *error) const
{
    const QString below =
        m_location.makeBelow.isEmpty() ? QFileInfo(m_mirror).path() : m_location.makeBelow;
    return Folders::make(m_mirror, below, error);
}

bool DeviceIdentity::becomeNew(QString *error)
{
    if (!makeMirror(error) ||
        !DurableFile::replace(incarnationPath(), QByteArray::number(m_incarnation + 1) + '\n',
                              error, nullptr, DurableFile::Sync::Durable,
                              DurableFile::Links::Replace))
        return false;
    m_id = SharingSettings::deviceId(m_location.file, ++m_incarnation);
    return true;
}

bool DeviceIdentity::readKey(QString *reason)
{
    QByteArray key;
    if (!readKept(keyPath(), &key, reason) || key.size() < kKeyLeast)
        return false;
    m_key = key;
    return true;
}

const QByteArray &DeviceIdentity::keptKey()
{
    QString reason;
    if (m_key.isEmpty())
        readKey(&reason);
    return m_key;
}

QByteArray DeviceIdentity::key(QString *error)
{
    if (!m_key.isEmpty() || readKey(error))
        return m_key;
    const QString path = keyPath();
    if (QFileInfo(path).exists() || QFileInfo(path).isSymLink() || !makeMirror(error))
        return QByteArray();
    QByteArray key(32, '\0');
    QRandomGenerator::system()->generate(key.begin(), key.end());
    bool exists = false;
    if (!DurableFile::create(path, key, 0600, &exists, error))
        return QByteArray();
    m_key = key;
    return m_key;
}
