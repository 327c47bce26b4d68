#include "settings/settings_file.h"

#include <QFile>
#include <QFileInfo>

#include "engine/random.h"
#include "settings/data_folder.h"
#include "settings/figure_map.h"
#include "settings/language_file.h"
#include "settings/message_box.h"
#include "settings/message_catalog.h"
#include "settings/option_keys.h"
#include "settings/piece_set_names.h"
#include "settings/setting_values.h"
#include "support/error_log.h"
#include "support/file_names.h"

#include <optional>
#include <type_traits>

namespace {

constexpr std::int32_t currentVersion = 40;
constexpr std::int32_t firstVersionWithAllTips = 35;
constexpr std::int32_t allTipTypes = 3;
constexpr qsizetype figureMapLength = 22;

const QString settingsSection = QStringLiteral("Settings");
const QString fontCharsSection = QStringLiteral("FontChars");
const QString defaultPieceSet = QStringLiteral("Modern");

ProfileFile settingsFile;
bool settingsFileOpen = false;
bool savingOn = true;
int commandLineSquareSize = 0;

template <typename Field> void readField(const QString& text, Field& field)
{
    if constexpr (std::is_same_v<Field, bool>) {
        field = ReadBoolValue(text).value_or(field);
    } else if constexpr (std::is_same_v<Field, std::int32_t>) {
        field = ReadIntegerValue(text).value_or(field);
    } else if constexpr (std::is_same_v<Field, char>) {
        field = ReadLetterValue(text).value_or(field);
    } else if constexpr (std::is_same_v<Field, TColour>) {
        field = ReadColourValue(text).value_or(field);
    } else {
        field = text;
    }
}

void readKey(const TOptionKey& key, TOptionsRec& rec)
{
    if (!settingsFile.contains(key.sectionName(), key.keyName())) {
        return;
    }
    const QString text = settingsFile.value(key.sectionName(), key.keyName());
    std::visit([&text, &rec](auto member) { readField(text, rec.*member); }, key.field);
}

void writeKey(const TOptionKey& key, const TOptionsRec& rec)
{
    const QString text = std::visit(
        [&rec](auto member) { return FieldValueText(rec.*member, TValueForm::SettingsFile); }, key.field);
    settingsFile.setValue(key.sectionName(), key.keyName(), text);
}

bool isSquareSize(const TOptionKey& key)
{
    return std::holds_alternative<std::int32_t TOptionsRec::*>(key.field)
        && std::get<std::int32_t TOptionsRec::*>(key.field) == &TOptionsRec::SquareSize;
}

bool pieceSetExists(const QString& name)
{
    if (name.isEmpty() || name.contains(u'/')) {
        return false;
    }
    return QFileInfo::exists(DataDir + QStringLiteral("pieces/") + name + QStringLiteral(".bmp"));
}

// The rules that hold whatever the file says.
void keepInvariants(TOptionsRec& rec)
{
    for (std::int32_t* limit : {&rec.MinsPerGame, &rec.SecsPerTurn, &rec.MovesPerHour, &rec.SecsInSandclock,
             &rec.MinsPerGame2, &rec.SecsPerTurn2, &rec.MovesPerHour2}) {
        *limit = std::max(*limit, 1);
    }
    // Analogue clocks win: the two displays share one place on the panel.
    if (rec.ShowAnalogue) {
        rec.ShowDigital = false;
    }
}

void readOptions(TOptionsRec& rec)
{
    // An absent Version means a file older than the key.
    rec.Version = 0;
    const bool tipTypeStored = settingsFile.contains(QStringLiteral("Tips"), QStringLiteral("CurTipType"));
    for (const TOptionKey& key : OptionKeys()) {
        if (isSquareSize(key) && commandLineSquareSize > 0) {
            rec.SquareSize = commandLineSquareSize;
            continue;
        }
        readKey(key, rec);
    }
    keepInvariants(rec);
    if (!pieceSetExists(PieceSetName(rec.PieceSet))) {
        rec.PieceSet = defaultPieceSet;
    }
    rec.FontChars = FigureCharMap(rec.FigureFont);
    if (!tipTypeStored) {
        rec.CurTipType = rec.TipTypes >= 0 && rec.TipTypes <= 2 ? rec.TipTypes : -1;
    }
    ApplyVersionRule(rec);
}

void readProgramSettings()
{
    Debug = ReadBoolValue(settingsFile.value(settingsSection, QStringLiteral("Debug"))).value_or(Debug);
    if (const auto seed = ReadIntegerValue(settingsFile.value(settingsSection, QStringLiteral("RandSeed")))) {
        engine::SeedEngineRandom(static_cast<std::uint32_t>(*seed));
    }
}

bool sameFile(const QString& a, const QString& b)
{
    return QFileInfo(a).absoluteFilePath() == QFileInfo(b).absoluteFilePath();
}

void loadImage(const QString& fileName)
{
    settingsFile = ProfileFile(fileName);
    if (!settingsFile.load()) {
        WriteErrorLog(QStringLiteral("Settings file %1 cannot be read; defaults are used.").arg(fileName));
    }
    settingsFileOpen = true;
}

} // namespace

QString DefaultSettingsPath(bool screenSaver)
{
    return SettingsDir + (screenSaver ? QStringLiteral("ScrnSave.ini") : QStringLiteral("Default.ini"));
}

ProfileFile& SettingsFile()
{
    return settingsFile;
}

void SetCommandLineSquareSize(int size)
{
    commandLineSquareSize = std::max(size, 0);
}

void ApplyVersionRule(TOptionsRec& rec)
{
    if (rec.Version < firstVersionWithAllTips && rec.TipTypes == 2) {
        rec.TipTypes = allTipTypes;
        rec.CurTipType = 0;
    }
    rec.Version = currentVersion;
}

void ReadSettings(const QString& fileName)
{
    if (!fileName.isEmpty()) {
        // Saving the image over the file about to be read would throw away
        // whatever was written into it since (by hand, or by another copy).
        if (settingsFileOpen && !sameFile(settingsFile.fileName(), fileName)) {
            FlushSettings();
        }
        loadImage(fileName);
    }
    readProgramSettings();
    ResetOptions(Options);
    readOptions(Options);
    SetLanguageFile(LanguageFileName());
    SettingsFromGame = false;
}

void ReadUserSettings(bool screenSaver)
{
    const QString path = DefaultSettingsPath(screenSaver);
    const QString shipped = DataDir + QFileInfo(path).fileName();
    QFile preset(shipped);
    if (QFileInfo::exists(path) || shipped == path || !preset.open(QIODevice::ReadOnly)) {
        ReadSettings(path);
        return;
    }
    if (settingsFileOpen) {
        FlushSettings();
    }
    settingsFile = ProfileFile(path);
    settingsFile.parse(preset.readAll());
    settingsFileOpen = true;
    ReadSettings();
}

void SetSettingsSaving(bool on)
{
    savingOn = on;
}

bool SettingsSaving()
{
    return savingOn;
}

ProfileFile::SaveResult FlushSettings()
{
    if (!savingOn) {
        return {};
    }
    const QString folder = QFileInfo(settingsFile.fileName()).absolutePath();
    if (!EnsureFolder(folder)) {
        WriteErrorLog(QStringLiteral("Settings cannot be saved: folder %1 cannot be made.").arg(folder));
        return {false, QStringLiteral("cannot make %1").arg(folder)};
    }
    ProfileFile::SaveResult result = settingsFile.save();
    if (!result) {
        WriteErrorLog(
            QStringLiteral("Settings cannot be saved to %1: %2").arg(settingsFile.fileName(), result.error));
    }
    return result;
}

ProfileFile::SaveResult WriteSettings()
{
    for (const TOptionKey& key : OptionKeys()) {
        if (key.written) {
            writeKey(key, Options);
        }
    }
    settingsFile.setValue(fontCharsSection, Options.FigureFont, Options.FontChars);
    return FlushSettings();
}

void SwitchSettingsFile(const QString& fileName)
{
    if (settingsFileOpen) {
        WriteSettings();
    }
    ReadSettings(fileName);
}

bool IsSettingsFile(const QString& path)
{
    if (path.endsWith(QStringLiteral(".ini"), Qt::CaseInsensitive)) {
        return true;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return false;
    }
    QByteArray start = file.read(13);
    // Editors that save UTF-8 may put a byte-order mark in front.
    if (start.startsWith("\xEF\xBB\xBF")) {
        start.remove(0, 3);
    }
    return start.startsWith("[Settings]");
}

QString FigureCharMap(const QString& fontName)
{
    QString map = settingsFile.value(fontCharsSection, fontName, DefaultFigureMap(fontName));
    return map.leftJustified(figureMapLength, u' ', true);
}

void OfferRestoreSettings(bool applyNow, const std::function<void()>& putIntoEffect)
{
    if (!SettingsFromGame) {
        return;
    }
    if (AskYesNo(msg::RestoreOwnSettings)) {
        ReadSettings();
        if (applyNow && putIntoEffect) {
            putIntoEffect();
        }
    } else {
        SettingsFromGame = false;
    }
}
