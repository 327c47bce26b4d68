#include "files_fixture.h"

#include <QFile>

#include "settings/language_file.h"

void FilesTest::SetUp()
{
    ASSERT_TRUE(folder.isValid());
    OpenLanguageFile(QStringLiteral(QUARVEL_SOURCE_DIR "/data/English.lng"));
    previousPresenter = setMessageBoxPresenter([this](const TMessageBoxRequest& request) {
        shown.append(request.text);
        return request.buttons.front();
    });
}

void FilesTest::TearDown()
{
    setMessageBoxPresenter(previousPresenter);
}

QString FilesTest::WriteBytes(const QString& name, const QByteArray& bytes) const
{
    const QString path = PathOf(name);
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    return path;
}

QByteArray FilesTest::ReadBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
