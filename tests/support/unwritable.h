#pragma once

#include <QByteArray>
#include <QMetaType>
#include <QString>
#include <QStringList>

// Destinations a writer cannot write to even as root, none of them a device: QSaveFile
// would rename its temporary file over one. Each keeps what was there before.
enum class Unwritable {
    ParentIsFile, // the folder named in the path is a regular file
    MissingFolder, // the folder named in the path does not exist
    IsFolder, // the destination itself is an existing folder
    DiskFull, // an existing file, while writes past the first byte fail (EFBIG)
};
Q_DECLARE_METATYPE(Unwritable)

// Adds one row per kind of destination to the current test's table, in a column
// "destination" of type Unwritable.
void addUnwritableRows();

// Lays out `kind` in `folder` for a file named `name` and checks afterwards that nothing
// there changed. For DiskFull the limit holds only between block() and unblock() (or the
// destructor), so that the test's own files can be written.
class UnwritableDestination
{
public:
    UnwritableDestination(Unwritable kind, const QString &folder, const QString &name);
    ~UnwritableDestination();
    UnwritableDestination(const UnwritableDestination &) = delete;
    UnwritableDestination &operator=(const UnwritableDestination &) = delete;

    QString path() const { return m_path; }
    void block();
    void unblock();
    // Empty when the folder holds what it held after set-up; else what differs.
    QString changes() const;

private:
    QStringList listing() const;

    Unwritable m_kind;
    QString m_folder;
    QString m_path;
    QString m_existing; // the file whose bytes must stay
    QByteArray m_bytes;
    QStringList m_listing;
    bool m_blocked = false;
    unsigned long long m_limit = 0;
    void (*m_handler)(int) = nullptr;
};
