#pragma once

#include <QString>

// How a picture enters a project, by its suffix (compared without regard to case).
enum class PictureKind {
    Refused, // any other suffix
    Converted, // bmp, gif, png, ico: flattened on white and encoded as JPEG
    Copied, // jpg, jpeg: stored unchanged
};

PictureKind pictureKind(const QString &fileName);

// The folders of one project: P and its picture folder P + "/images".
struct GlyphFolders
{
    QString projectPath;
    QString imagePath;

    static GlyphFolders forProject(const QString &projectPath);
    QString temporaryBmp() const { return projectPath + QStringLiteral("/temp.bmp"); }
};

enum class GlyphStatus {
    Converted, // JPEG written at `quality`
    Copied, // JPEG source stored unchanged
    Refused, // suffix not accepted; nothing done
    Unreadable, // the source file cannot be read; nothing written
    Undecodable, // the source cannot be decoded as a picture; nothing written
    CopyFailed, // the destination exists or cannot be written
    EncodeFailed, // the intermediate BMP, the encoder or the output failed; no JPEG written
};

struct GlyphResult
{
    GlyphStatus status = GlyphStatus::Refused;
    QString storedPath; // the stored JPEG; empty when nothing was stored
    int quality = 0; // quality used when converted, else 0
    QString error; // English reason when nothing was stored

    bool accepted() const { return status != GlyphStatus::Refused; }
    bool decoded() const
    {
        return status != GlyphStatus::Unreadable && status != GlyphStatus::Undecodable;
    }
    bool stored() const
    {
        return status == GlyphStatus::Converted || status == GlyphStatus::Copied;
    }
    // "copied", or the quality as a number.
    QString qualityText() const;
};

// Where a picture is stored in the picture folder.
QString convertedPath(const GlyphFolders &folders, const QString &source);
QString copiedPath(const GlyphFolders &folders, const QString &source);

// Decodes `source` (format from its content), flattens it onto opaque white, writes the
// 24-bit BMP to `bmpPath` and runs the quality loop into `jpegPath`, which is written once.
// An undecodable source writes nothing.
GlyphResult convertPicture(const QString &source, const QString &bmpPath, const QString &jpegPath);

// Copies a JPEG source into the picture folder under its own name; an existing file is
// not replaced. On success `*file` becomes the copy, otherwise it stays the source.
GlyphResult copyPic(const GlyphFolders &folders, QString *file);

// Converts `*file` into the picture folder through P/temp.bmp. On success `*file` becomes
// the stored JPEG; on failure it stays the source.
GlyphResult copyImg(const GlyphFolders &folders, QString *file);

// Stores `*file` by its kind (copyImg or copyPic). accepted() says whether the suffix was
// accepted, whatever the outcome of the copy or conversion.
GlyphResult checkFile(const GlyphFolders &folders, QString *file);
