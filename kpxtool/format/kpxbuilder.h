#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QVector>

class QTranslator;

enum class KpxSound { Buzzer, Speaker, Silent };

// The power-on settings entered in the window (or on the command line).
struct KpxSettings
{
    int pageFileId = 32; // RPL, 0 to 65535
    int startPageId = 0; // 0 to 65535
    KpxSound sound = KpxSound::Speaker;
    int audioFileId = 0; // ZVA, -1 to 65534; -1 is written as FF FF
    int audioId = 0; // 0 to 65535
};

// The two input files as read; an input that is not included is left out entirely.
struct KpxSources
{
    bool touchIncluded = false;
    QByteArray touch;
    bool variablesIncluded = false;
    QByteArray variables;
};

enum class KpxRefusal {
    None,
    VariablesTooShort, // no highest-page field at offsets 8 and 9
    LayoutTooLarge, // a block starts past what a 24-bit index offset can say
};

struct KpxBuild
{
    KpxRefusal refusal = KpxRefusal::None;
    QByteArray bytes; // the whole file; empty when refused
    int highestPage = -1; // -1 while no page is known
    int highestTouchPage = 0;
    int refusedPage = -1; // LayoutTooLarge: the page whose block cannot be placed
    qint64 refusedOffset = 0;
};

constexpr int kpxHeaderSize = 256;
constexpr int kpxBlockLimit = 16384;
constexpr int kpxMinimumVariablesSize = 10;
constexpr qint64 kpxLargestBlockOffset = 0xFFFFFF;

// The largest page number of the whole 16-byte blocks of the touch data, continuation
// blocks (first byte FE) left out; 0 when there is none.
int highestTouchPage(const QByteArray &touch);

// The touch and variable data grouped by page in one pass, so that building every
// page's block costs time in proportion to the data.
class KpxPages
{
public:
    KpxPages(const QByteArray &touch, const QByteArray &variables);

    // Appends the block of page `page`, cut to 16384 bytes, to `out` and returns its
    // length; a page without records appends nothing and returns 0.
    int appendPageBlock(int page, QByteArray *out) const;

private:
    struct Record
    {
        int position;
        int length;
    };

    const QByteArray m_touch; // implicitly shared with the caller's data, not copied
    const QByteArray m_variables;
    QVector<Record> m_records; // grouped by page, each group in file order
    QVector<int> m_firstRecord; // page -> index of its first record; one extra at the end
};

// One whole generation: the header, page index and page blocks for these inputs, with
// `stamp` as the time of generation.
KpxBuild buildKpx(const KpxSources &sources, const KpxSettings &settings, const QDateTime &stamp);

// The wording of a refusal of `build`, translated in the context "KpxBuilder"; the variable
// file is named `variablesPath` and was `variablesSize` bytes long. The untranslated text
// is the KPX tool's Chinese.
QString kpxRefusalText(const KpxBuild &build, const QString &variablesPath, int variablesSize);

// Loads into `translator` the English that the command line prints for these refusals
// (the window's English catalogue words them in its own way).
bool loadKpxBuilderCommandLineCatalogue(QTranslator *translator);
