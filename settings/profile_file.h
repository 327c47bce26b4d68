#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <vector>

// An INI ("profile") file held whole in memory. Reads and writes go to the
// memory image; save() writes the image back atomically.
//
// Reading follows the profile-file rules: section and key names match
// without regard to case; lines, keys and values are trimmed; a value in one
// pair of double quotes loses them; a value reads at most 2047 characters;
// the first of repeated keys is the one read, and a section named twice
// reads as one. A section header without its "]" still opens the section
// it names.
//
// Nothing in the file is lost by a save: lines before the first section,
// comments (";"), lines without "=", repeated keys, blank lines between the
// entries of a section and sections and keys the program does not know are
// all written back in their place. Only line ends and the blank lines at the
// end of a section are tidied: each section ends with one blank line.
//
// Each value is decoded on its own: UTF-8 when it is valid UTF-8, otherwise
// the 8-bit code page of older files, so one such value does not turn the
// rest of the file to the wrong characters. A line that is not changed is
// written back in its own bytes; a new or changed value is written in UTF-8.
class ProfileFile {
public:
    static constexpr qsizetype maxValueLength = 2047;

    struct SaveResult {
        bool ok = true;
        QString error;
        explicit operator bool() const { return ok; }
    };

    ProfileFile() = default;
    explicit ProfileFile(QString fileName);

    const QString& fileName() const { return path; }

    // Reads the file into memory, replacing the image. A missing file reads
    // as empty; returns false only when an existing file cannot be read.
    bool load();

    // Replaces the image with the given file contents.
    void parse(const QByteArray& bytes);

    // The image as it would be saved.
    QByteArray text() const;

    // Writes the image to the file through a temporary file, so a failed
    // write leaves the old file whole; the result says why it failed.
    SaveResult save() const;

    bool contains(const QString& section, const QString& key) const;
    QString value(const QString& section, const QString& key, const QString& defaultValue = {}) const;

    // Changes the key's value, appending a new key to its section and a new
    // section at the end. A value equal to the one read leaves the line as
    // it was. Refuses (returns false) names and values that cannot be
    // written as one line of the file.
    bool setValue(const QString& section, const QString& key, const QString& value);

    // Returns whether the key was there.
    bool removeKey(const QString& section, const QString& key);

    QStringList sections() const;
    QStringList keys(const QString& section) const;

private:
    // One line of the file, trimmed, in the bytes it is written with. An
    // entry also has its key and its value as in the file (quotes kept);
    // any other line has an empty key and is only written back.
    struct Line {
        QByteArray bytes;
        QString key;
        QString rawValue;
        QByteArray keyBytes; // the key as written, for a changed value
    };
    struct Section {
        QString name; // empty for a header that names nothing: never read
        QByteArray header;
        std::vector<Line> lines;
    };

    static Line readLine(const QByteArray& bytes);
    static Section readHeader(const QByteArray& bytes);
    const Line* findEntry(const QString& section, const QString& key) const;
    Line* findEntry(const QString& section, const QString& key);
    Section* findSection(const QString& name);
    Section& addSection(const QString& name);

    QString path;
    bool byteOrderMark = false;
    std::vector<Line> leadingLines; // before the first section
    std::vector<Section> image;
};
