#include "settings/language_file.h"

#include <QFileInfo>

#include "settings/data_folder.h"
#include "settings/options.h"
#include "settings/profile_file.h"
#include "support/text_fields.h"

#include <optional>
#include <utility>

namespace {

std::optional<ProfileFile> languageFile;
LanguageChangedHook languageChanged;

const QString languageExtension = QStringLiteral(".lng");

// The existing language file for the name, or empty.
QString existingLanguageFile(const QString& language)
{
    if (language.isEmpty() || language.contains(u'/')) {
        return {};
    }
    const QString path = FindFileIgnoringCase(DataDir, language + languageExtension);
    return QFileInfo(path).isFile() ? path : QString();
}

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

void SetLanguageFile(const QString& path)
{
    if (languageFile && languageFile->fileName() == path) {
        return;
    }
    OpenLanguageFile(path);
    if (languageChanged) {
        languageChanged();
    }
}

LanguageChangedHook setLanguageChangedHook(LanguageChangedHook hook)
{
    return std::exchange(languageChanged, std::move(hook));
}

QString LanguageFileName()
{
    const QString language = Options.Language;
    if (QString found = existingLanguageFile(language); !found.isEmpty()) {
        return found;
    }
    const auto sameName = [&language](const char16_t* name) {
        return language.compare(QString::fromUtf16(name), Qt::CaseInsensitive) == 0;
    };
    QString fallback;
    if (sameName(u"Italian 1") || sameName(u"Italian 2")) {
        fallback = existingLanguageFile(QStringLiteral("Italian"));
    } else if (sameName(u"Spanish")) {
        fallback = existingLanguageFile(QStringLiteral("Spanish European"));
    }
    if (!fallback.isEmpty()) {
        return fallback;
    }
    return FindFileIgnoringCase(DataDir, QStringLiteral("English") + languageExtension);
}

QString TipText(const QString& section, int number)
{
    const QString key = QString::number(number);
    return LanguageValue(section, key, QStringLiteral("Text #") + key);
}

QString ComponentKey(const QString& name)
{
    const qsizetype underscore = name.indexOf(u'_');
    return underscore < 0 ? name : name.left(underscore);
}
