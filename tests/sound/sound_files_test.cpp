#include "sound/sound_files.h"

#include <gtest/gtest.h>

TEST(SoundFiles, OptionValuesResolveAgainstTheDataFolderOnlyWhenBare)
{
    struct Case {
        const char* Value;
        const char* Expected;
    };
    const Case cases[] = {
        {"Chomp.wav", "/data/Chomp.wav"},
        {"", ""},
        {"+", "+"},
        {"$", "$"},
        {"/home/me/bell.wav", "/home/me/bell.wav"},
        {"sounds/bell.wav", "sounds/bell.wav"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ResolveSoundFile(QString::fromUtf8(c.Value), QStringLiteral("/data/")),
            QString::fromUtf8(c.Expected))
            << c.Value;
    }
}

TEST(SoundFiles, OnlyTheFiveCodesAreAlerts)
{
    for (const char* code : {"*", "!", "$", "?", "#"}) {
        EXPECT_TRUE(IsAlertCode(QString::fromLatin1(code))) << code;
    }
    for (const char* item : {"", "+", "**", "a", "Hand.wav"}) {
        EXPECT_FALSE(IsAlertCode(QString::fromLatin1(item))) << item;
    }
    EXPECT_EQ(AlertSoundFile(QStringLiteral("$")), u"Hand.wav");
    EXPECT_EQ(DefaultAlertFile(), u"Default.wav");
}
