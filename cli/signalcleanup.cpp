#include "signalcleanup.h"

#include <csignal>
#include <string>
#include <vector>

#include <unistd.h>

#include <QFile>

namespace {

// Laid out before the handlers are installed: a handler may not allocate.
std::vector<std::string> removedFiles;
std::string removedFolder;

struct sigaction previousTerm;
struct sigaction previousInt;

extern "C" void removeAndEnd(int signal)
{
    for (const std::string &file : removedFiles)
        ::unlink(file.c_str());
    ::rmdir(removedFolder.c_str());
    std::signal(signal, SIG_DFL);
    std::raise(signal);
}

} // namespace

RemovedOnSignal::RemovedOnSignal(const QString &folder, const QStringList &fileNames)
{
    const QByteArray folderName = QFile::encodeName(folder);
    removedFolder = folderName.toStdString();
    removedFiles.clear();
    for (const QString &name : fileNames)
        removedFiles.push_back((folderName + '/' + QFile::encodeName(name)).toStdString());
    struct sigaction action = {};
    action.sa_handler = removeAndEnd;
    sigemptyset(&action.sa_mask);
    sigaddset(&action.sa_mask, SIGTERM);
    sigaddset(&action.sa_mask, SIGINT);
    sigaction(SIGTERM, &action, &previousTerm);
    sigaction(SIGINT, &action, &previousInt);
}

RemovedOnSignal::~RemovedOnSignal()
{
    sigaction(SIGTERM, &previousTerm, nullptr);
    sigaction(SIGINT, &previousInt, nullptr);
}
