// Icon-font generation of a full project (1020 font images of about 250 KB, 256
// characters each), against reading the same pictures and writing a file of the output's
// size once. Each side runs in a child process of its own, so that its peak resident
// memory is its own.

#include <QCoreApplication>
#include <QFile>
#include <QSaveFile>
#include <QVector>

#include "benchsupport.h"
#include "zaffixtures.h"
#include "zafwriter.h"

namespace {

QString outputPath()
{
    return bench::dataFolder(QStringLiteral("zaf-output")) + QStringLiteral("/bench.ZAF");
}

QVector<ZafChar> characters()
{
    QVector<ZafChar> chars;
    for (int k = 0; k < bench::charsPerFont; ++k) {
        const QRect rect = bench::characterRect(k);
        chars.append({ k, qreal(rect.x()), qreal(rect.y()), qreal(rect.width()),
            qreal(rect.height()), rect.width() / 2.0, rect.height() / 2.0 });
    }
    return chars;
}

// What the generate command hands the writer for every font image.
QVector<ZafFontInput> writerInputs(const QStringList &pictures)
{
    const QVector<ZafChar> chars = characters();
    QVector<ZafFontInput> inputs;
    for (int number = 0; number < pictures.size(); ++number) {
        ZafFontInput input;
        input.number = number;
        input.file = pictures[number];
        input.pictureInFile = true;
        input.chars = chars;
        inputs.append(input);
    }
    return inputs;
}

int generate(const QStringList &pictures)
{
    QElapsedTimer timer;
    timer.start();
    const ZafResult result = buildZaf(writerInputs(pictures));
    QString error;
    if (!result.ok() || !writeWholeFile(outputPath(), result.bytes, &error))
        return 1;
    const double ms = bench::elapsedMs(timer);
    bench::print("zaf_generate_ms", ms, "ms");
    bench::print("zaf_generate_output", result.bytes.size() / 1e6, "MB");
    bench::print("zaf_generate_peak_rss", bench::peakRssMb(), "MB");
    return 0;
}

// The least any generation must do: every picture read, a file of the output's size
// written once.
int reference(const QStringList &pictures)
{
    QElapsedTimer timer;
    timer.start();
    QVector<QByteArray> bytes;
    for (const QString &path : pictures) {
        QString error;
        QByteArray picture;
        if (!readWholeFile(path, &picture, &error))
            return 1;
        bytes.append(picture);
    }
    QSaveFile out(outputPath());
    if (!out.open(QIODevice::WriteOnly))
        return 1;
    out.write(QByteArray((pictures.size() + 1) * 4096, '\xFF'));
    for (const QByteArray &picture : qAsConst(bytes))
        out.write(picture);
    if (!out.commit())
        return 1;
    bench::print("zaf_generate_reference_ms", bench::elapsedMs(timer), "ms");
    bench::print("zaf_generate_reference_peak_rss", bench::peakRssMb(), "MB");
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    qInstallMessageHandler(bench::dropDebug);
    const QStringList pictures = bench::fontPictures();
    const QStringList arguments = app.arguments().mid(1);
    if (arguments.value(0) == QLatin1String("--generate"))
        return generate(pictures);
    if (arguments.value(0) == QLatin1String("--reference"))
        return reference(pictures);

    // Once untimed, so that both sides find the pictures in the page cache.
    bench::runChild({ QStringLiteral("--reference") });
    const QStringList ref = bench::runChild({ QStringLiteral("--reference") });
    const QStringList gen = bench::runChild({ QStringLiteral("--generate") });
    QFile::remove(outputPath());
    const double refMs = bench::figure(ref, QStringLiteral("zaf_generate_reference_ms"));
    const double genMs = bench::figure(gen, QStringLiteral("zaf_generate_ms"));
    const double output = bench::figure(gen, QStringLiteral("zaf_generate_output"));
    const double peak = bench::figure(gen, QStringLiteral("zaf_generate_peak_rss"));
    bench::print("zaf_generate_time_ratio", genMs / refMs, "x_reference(target<=2)");
    bench::print("zaf_generate_peak_ratio", peak / output, "x_output(target<=1.5)");
    return 0;
}
