#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "support/file_names.h"

#include <gtest/gtest.h>

namespace {

TEST(FileNames, BaseNameAndExtension)
{
    const struct {
        const char* path;
        const char* base;
        const char* extension;
    } cases[] = {
        {"GAME.PGN", "GAME", "PGN"},
        {"/games/old.set/Spanish European.lng", "Spanish European", "lng"},
        {"/games/archive.tar.gz", "archive.tar", "gz"},
        {"/games.d/README", "README", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path);
        EXPECT_EQ(BaseFileName(QString::fromUtf8(c.path)), QString::fromUtf8(c.base));
        EXPECT_EQ(ExtensionWithoutDot(QString::fromUtf8(c.path)), QString::fromUtf8(c.extension));
    }
}

TEST(FileNames, EnsureFolderCreatesNestedFolders)
{
    QTemporaryDir temp;
    const QString folder = temp.path() + QStringLiteral("/a/b");
    EXPECT_TRUE(EnsureFolder(folder));
    EXPECT_TRUE(QFileInfo(folder).isDir());
    EXPECT_TRUE(EnsureFolder(folder));
}

TEST(FileNames, ProgramVersionHasFourNumbers)
{
    EXPECT_TRUE(
        QRegularExpression(QStringLiteral("^\\d+\\.\\d+\\.\\d+\\.\\d+$")).match(ProgramVersion()).hasMatch())
        << ProgramVersion().toStdString();
}

} // namespace
