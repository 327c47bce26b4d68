#include "settings/language_file.h"

#include "settings/profile_file.h"
#include "support/text_fields.h"

#include <optional>

namespace {

std::optional<ProfileFile> languageFile;

} // namespace

void OpenLanguageFile(const QString& path)
{
    languageFile.emplace(path);
    languageFile->load();
}

void CloseLanguageFile()
{
    languageFile.reset();
}

bool LanguageFileIsOpen()
{
    return languageFile.has_value();
}

QString LanguageFilePath()
{
    return languageFile ? languageFile->fileName() : QString();
}

QString LanguageValue(const QString& section, const QString& key, const QString& defaultValue)
{
    if (!languageFile) {
        return {};
    }
    return trimStart(languageFile->value(section, key, defaultValue));
}
