// A full icon-font project: 1020 font images x 256 characters. One child process builds
// it and saves it; another loads it as the tool opens a project (peak memory of that
// process), runs the key and overlap checks (no conflict), saves it again and closes it.

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include "benchsupport.h"
#include "fontscene.h"
#include "glyphscene.h"
#include "character.h"
#include "validation.h"
#include "zaffixtures.h"
#include "zafproject.h"
#include "zafworkspace.h"

namespace {

QString projectPath()
{
    return bench::dataFolder(QStringLiteral("zaf-project")) + QStringLiteral("/lumo.prozaf");
}

// What the save command writes, without its message box.
bool saveProject(const FontImageList &images, const QString &path)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text))
        return false;
    writeZafProject(&file, images);
    return file.commit();
}

int make()
{
    const QStringList pictures = bench::fontPictures();
    FontImageList images;
    for (int number = 0; number < pictures.size(); ++number) {
        auto image = std::make_unique<FontImage>();
        image->number = number;
        image->file = QFileInfo(pictures[number]);
        image->scene = newFontScene(number, 1, 32, image->file);
        for (int k = 0; k < bench::charsPerFont; ++k)
            addCharacter(image->scene, bench::characterRect(k))->asc = k;
        images[number] = std::move(image);
    }
    QCoreApplication::processEvents();
    const double saveMs = bench::bestMilliseconds(1, [&] { saveProject(images, projectPath()); });
    bench::print("zaf_project_save_built_ms", saveMs, "ms");
    return 0;
}

int load()
{
    auto *workspace = new ZafWorkspace;
    QElapsedTimer timer;
    timer.start();
    if (!workspace->loadFile(projectPath()))
        return 1;
    bench::print("zaf_project_load_ms", bench::elapsedMs(timer), "ms(target<3000)");
    bench::print("zaf_project_load_rss", bench::currentRssMb(), "MB");
    bench::print("zaf_project_load_peak_rss", bench::peakRssMb(), "MB(target<400)");
    size_t shapes = 0;
    for (const auto &entry : workspace->fontImages)
        shapes += entry.second->scene->items().size();
    bench::print("zaf_project_items", shapes, "items");

    // As the command line does it: straight after loading, the event loop not yet run.
    timer.restart();
    const bool keys = findKeyConflict(workspace->fontImages).isValid();
    const double keyMs = bench::elapsedMs(timer);
    timer.restart();
    const bool overlap = findOverlapConflict(workspace->fontImages).isValid();
    const double overlapMs = bench::elapsedMs(timer);
    if (keys || overlap)
        return 1;
    bench::print("zaf_checks_key_ms", keyMs, "ms");
    bench::print("zaf_checks_overlap_ms", overlapMs, "ms");
    bench::print("zaf_checks_ms", keyMs + overlapMs, "ms(target<1000)");

    const QString again = projectPath() + QStringLiteral(".again");
    timer.restart();
    if (!saveProject(workspace->fontImages, again))
        return 1;
    bench::print("zaf_project_save_ms", bench::elapsedMs(timer), "ms(target<1000)");
    QFile first(projectPath()), second(again);
    if (!first.open(QIODevice::ReadOnly) || !second.open(QIODevice::ReadOnly)
        || first.readAll() != second.readAll()) {
        std::fprintf(stderr, "zaf_project_bench: the saved project differs from the loaded one\n");
        return 1;
    }
    QFile::remove(again);

    // The window's event loop has run by the time anyone closes a project.
    QCoreApplication::processEvents();
    timer.restart();
    delete workspace;
    bench::print("zaf_project_close_ms", bench::elapsedMs(timer), "ms(target<1000)");
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    qInstallMessageHandler(bench::dropDebug);
    const QString mode = app.arguments().value(1);
    if (mode == QLatin1String("--make"))
        return make();
    if (mode == QLatin1String("--load"))
        return load();
    bench::runChild({ QStringLiteral("--make") });
    bench::runChild({ QStringLiteral("--load") });
    return 0;
}
