#pragma once

#include <QByteArray>
#include <QStringList>
#include <QTemporaryDir>

#include "settings/message_box.h"
#include "text_printing.h"

#include <gtest/gtest.h>

// A scratch folder for game files, the English messages, and a message-box
// presenter that records what would have been shown.
class FilesTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    QString PathOf(const QString& name) const { return folder.filePath(name); }
    QString WriteBytes(const QString& name, const QByteArray& bytes) const;
    static QByteArray ReadBytes(const QString& path);

    QTemporaryDir folder;
    QStringList shown;

private:
    MessageBoxPresenter previousPresenter;
};
