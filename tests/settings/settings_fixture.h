#pragma once

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "settings/data_folder.h"
#include "settings/language_file.h"
#include "settings/options.h"
#include "settings/settings_file.h"
#include "support/error_log.h"

#include <gtest/gtest.h>

// A data folder of its own for each test, holding the "Modern" piece set,
// and a clean start: default options, no language file, no settings file.
class SettingsFolderTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(root.isValid());
        DataDir = root.filePath(QStringLiteral("data")) + u'/';
        SettingsDir = DataDir;
        QDir().mkpath(DataDir + QStringLiteral("pieces"));
        writeFile(DataDir + QStringLiteral("pieces/Modern.bmp"), "BM");
        CloseLanguageFile();
        ResetOptions(Options);
        SetCommandLineSquareSize(0);
        SetSettingsSaving(true);
        setErrorLogPath(errorLog());
    }
    void TearDown() override
    {
        CloseLanguageFile();
        ResetOptions(Options);
        SettingsFromGame = false;
        Debug = false;
        SetSettingsSaving(true);
        setErrorLogPath({});
    }

    static void writeFile(const QString& path, const QByteArray& bytes)
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
        file.write(bytes);
    }
    static QByteArray readFile(const QString& path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    QString errorLog() const { return root.filePath(QStringLiteral("test.err")); }
    QString settingsPath() const { return DataDir + QStringLiteral("Default.ini"); }

    // Writes the text as the settings file and reads it.
    void load(const QByteArray& text)
    {
        writeFile(settingsPath(), text);
        ReadSettings(settingsPath());
    }

    QTemporaryDir root;
};
