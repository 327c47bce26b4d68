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
// lines before the first section, empty lines and ";" lines are ignored, and
// a line that is neither a section header nor "key=value" is skipped.
// Sections and keys the program does not know are kept and written back in
// their order.
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

    // Replaces the image with the given file contents: UTF-8, or Latin-1
    // when the bytes are not valid UTF-8 (older language files).
    void parse(const QByteArray& bytes);

    // The image as it would be saved, in UTF-8.
    QByteArray text() const;

    // Writes the image to the file through a temporary file, so a failed
    // write leaves the old file whole; the result says why it failed.
    SaveResult save() const;

    bool contains(const QString& section, const QString& key) const;
    QString value(const QString& section, const QString& key, const QString& defaultValue = {}) const;

    // Changes the key's value, appending a new key to its section and a new
    // section at the end. Refuses (returns false) names and values that
    // cannot be written as one line of the file.
    bool setValue(const QString& section, const QString& key, const QString& value);

    // Returns whether the key was there.
    bool removeKey(const QString& section, const QString& key);

    QStringList sections() const;
    QStringList keys(const QString& section) const;

private:
    struct Entry {
        QString key;
        QString rawValue; // as in the file: trimmed, quotes kept
    };
    struct Section {
        QString name;
        std::vector<Entry> entries;
    };

    const Section* findSection(const QString& name) const;
    Section* findSection(const QString& name);
    Section& addSection(const QString& name);

    QString path;
    std::vector<Section> image;
};
