#pragma once

#include <QString>
#include <QStringList>

// While it lives, SIGTERM and SIGINT first remove the named files of a temporary folder and
// the folder itself, as QTemporaryDir would have on a normal end, and then end the program
// as the signal would have: a stopped conversion leaves no picture-sized files behind.
// One at a time.
class RemovedOnSignal
{
public:
    RemovedOnSignal(const QString &folder, const QStringList &fileNames);
    ~RemovedOnSignal();
    RemovedOnSignal(const RemovedOnSignal &) = delete;
    RemovedOnSignal &operator=(const RemovedOnSignal &) = delete;
};
