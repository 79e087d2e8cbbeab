#include "unwritable.h"

#include <csignal>
#include <sys/resource.h>

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTest>

namespace {

const QByteArray kKept("kept bytes\n");

void writeKept(const QString &path)
{
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(kKept);
}

QByteArray bytesOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

void addUnwritableRows()
{
    QTest::addColumn<Unwritable>("destination");
    QTest::newRow("parent is a file") << Unwritable::ParentIsFile;
    QTest::newRow("missing folder") << Unwritable::MissingFolder;
    QTest::newRow("destination is a folder") << Unwritable::IsFolder;
    QTest::newRow("disk full") << Unwritable::DiskFull;
}

UnwritableDestination::UnwritableDestination(
    Unwritable kind, const QString &folder, const QString &name)
    : m_kind(kind)
    , m_folder(folder)
{
    const QDir dir(folder);
    switch (kind) {
    case Unwritable::ParentIsFile:
        m_existing = dir.filePath(QStringLiteral("plain"));
        m_path = m_existing + QLatin1Char('/') + name;
        break;
    case Unwritable::MissingFolder:
        m_path = dir.filePath(QStringLiteral("missing/") + name);
        break;
    case Unwritable::IsFolder:
        m_path = dir.filePath(name);
        dir.mkpath(name);
        m_existing = m_path + QStringLiteral("/kept");
        break;
    case Unwritable::DiskFull:
        m_path = dir.filePath(name);
        m_existing = m_path;
        break;
    }
    if (!m_existing.isEmpty())
        writeKept(m_existing);
    m_bytes = bytesOf(m_existing);
    m_listing = listing();
}

UnwritableDestination::~UnwritableDestination()
{
    unblock();
}

void UnwritableDestination::block()
{
    if (m_kind != Unwritable::DiskFull || m_blocked)
        return;
    rlimit limit {};
    getrlimit(RLIMIT_FSIZE, &limit);
    m_limit = limit.rlim_cur;
    // Past the limit a write fails with EFBIG instead of ending the process.
    m_handler = std::signal(SIGXFSZ, SIG_IGN);
    limit.rlim_cur = 1;
    setrlimit(RLIMIT_FSIZE, &limit);
    m_blocked = true;
}

void UnwritableDestination::unblock()
{
    if (!m_blocked)
        return;
    rlimit limit {};
    getrlimit(RLIMIT_FSIZE, &limit);
    limit.rlim_cur = m_limit;
    setrlimit(RLIMIT_FSIZE, &limit);
    std::signal(SIGXFSZ, m_handler);
    m_blocked = false;
}

QStringList UnwritableDestination::listing() const
{
    QStringList entries;
    QDirIterator it(m_folder, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden,
        QDirIterator::Subdirectories);
    while (it.hasNext())
        entries.append(QDir(m_folder).relativeFilePath(it.next()));
    entries.sort();
    return entries;
}

QString UnwritableDestination::changes() const
{
    if (!m_existing.isEmpty() && bytesOf(m_existing) != m_bytes)
        return QStringLiteral("%1 changed").arg(m_existing);
    const QStringList now = listing();
    if (now != m_listing)
        return QStringLiteral("the folder held %1, now %2")
            .arg(m_listing.join(QLatin1Char(',')), now.join(QLatin1Char(',')));
    return QString();
}
