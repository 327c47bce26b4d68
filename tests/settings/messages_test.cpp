#include <QFile>
#include <QTemporaryDir>

#include "settings/language_file.h"
#include "settings/message_box.h"
#include "settings/messages.h"

#include <gtest/gtest.h>
#include <vector>

namespace {

const char* const languageText = "[Messages]\n"
                                 "1016=Piece set picture %s not found\n"
                                 "1019=  Add to %s or replace it?\n"
                                 "2001=White\n2002=Black\n2003=Empty square\n"
                                 "2004=King\n2005=Queen\n2006=Rook\n2007=Bishop\n2008=Knight\n2009=Pawn\n"
                                 "[Objects]\n"
                                 "Abort=&Add\n";

class MessagesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder.isValid());
        QFile file(languagePath());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(languageText);
        file.close();
        OpenLanguageFile(languagePath());
        previous = setMessageBoxPresenter([this](const TMessageBoxRequest& request) {
            shown.push_back(request);
            return answer;
        });
    }
    void TearDown() override
    {
        CloseLanguageFile();
        setMessageBoxPresenter(previous);
    }

    QString languagePath() const { return folder.filePath(QStringLiteral("English.lng")); }

    QTemporaryDir folder;
    MessageBoxPresenter previous;
    std::vector<TMessageBoxRequest> shown;
    TMsgButton answer = TMsgButton::Ok;
};

TEST_F(MessagesTest, MessageTextLooksUpTheNumber)
{
    EXPECT_EQ(MessageText(2003), u"Empty square");
    EXPECT_EQ(MessageText(1019), u"Add to %s or replace it?");
    EXPECT_EQ(MessageText(9999), u"Mesg #9999");
}

TEST_F(MessagesTest, NoFileOpenGivesEmptyTextAndAMissingFileShowsNumbers)
{
    CloseLanguageFile();
    EXPECT_FALSE(LanguageFileIsOpen());
    EXPECT_EQ(MessageText(2001), u"");

    OpenLanguageFile(folder.filePath(QStringLiteral("Missing.lng")));
    EXPECT_TRUE(LanguageFileIsOpen());
    EXPECT_EQ(MessageText(2001), u"Mesg #2001");
}

TEST_F(MessagesTest, FormatMessageFillsTheMessage)
{
    EXPECT_EQ(FormatMessage(1016, "Modern.bmp"), u"Piece set picture Modern.bmp not found");
    EXPECT_EQ(FormatMessage(1016), u"Piece set picture %s not found");
    EXPECT_EQ(FormatMessage(1016, 7), u"Piece set picture 7 not found");
}

TEST_F(MessagesTest, ColoursAndPiecesAreNamedByNumber)
{
    EXPECT_EQ(ColourText(1), u"Black");
    EXPECT_EQ(PieceText(5), u"Knight");
    EXPECT_EQ(ColouredPieceText(0, 1), u"White King");
    EXPECT_EQ(ColouredPieceText(1, 6), u"Black Pawn");
    EXPECT_EQ(ColouredPieceText(1, 0), u"Empty square");
    EXPECT_EQ(ColourText(2), u"");
    EXPECT_EQ(PieceText(7), u"");
}

TEST_F(MessagesTest, HelpersShowTheirKindTitleAndButtons)
{
    ErrorMessage(1016, "Modern.bmp");
    InfoBox(QStringLiteral("Saved."));
    answer = TMsgButton::Ok;
    EXPECT_TRUE(ConfirmOkCancel(2001));
    answer = TMsgButton::No;
    EXPECT_FALSE(AskYesNo(2002));

    ASSERT_EQ(shown.size(), 4u);
    EXPECT_EQ(shown[0].kind, TMsgKind::Error);
    EXPECT_EQ(shown[0].title, u"Error");
    EXPECT_EQ(shown[0].text, u"Piece set picture Modern.bmp not found");
    EXPECT_EQ(shown[0].buttons, QList<TMsgButton>({TMsgButton::Ok}));
    EXPECT_EQ(shown[1].title, u"Information");
    EXPECT_EQ(shown[2].title, u"Confirm");
    EXPECT_EQ(shown[2].buttons, QList<TMsgButton>({TMsgButton::Ok, TMsgButton::Cancel}));
    EXPECT_EQ(shown[3].buttons, QList<TMsgButton>({TMsgButton::Yes, TMsgButton::No}));
    EXPECT_EQ(MessageBoxTitle(TMsgKind::Warning), u"Warning");
}

TEST_F(MessagesTest, AskCancelAbortRetryReturnsThePressedButton)
{
    for (TMsgButton pressed : {TMsgButton::Cancel, TMsgButton::Abort, TMsgButton::Retry}) {
        answer = pressed;
        EXPECT_EQ(AskCancelAbortRetry(1019, "games.pgn"), pressed);
    }
    EXPECT_EQ(shown.back().text, u"Add to games.pgn or replace it?");
    EXPECT_EQ(
        shown.back().buttons, QList<TMsgButton>({TMsgButton::Cancel, TMsgButton::Abort, TMsgButton::Retry}));
}

TEST_F(MessagesTest, AnswersOutsideTheBoxOrWithoutAPresenterMeanEscape)
{
    answer = TMsgButton::Yes;
    EXPECT_EQ(AskCancelAbortRetry(1019, "games.pgn"), TMsgButton::Cancel);

    setMessageBoxPresenter({});
    EXPECT_FALSE(AskYesNo(2001));
    EXPECT_FALSE(ConfirmOkCancel(2001));
}

TEST(MessageBoxCaptions, AreTheBuiltInOnes)
{
    const struct {
        TMsgButton button;
        const char* caption;
        const char* name;
    } cases[] = {
        {TMsgButton::Yes, "&Yes", "Yes"},
        {TMsgButton::No, "&No", "No"},
        {TMsgButton::Ok, "OK", "OK"},
        {TMsgButton::Cancel, "Cancel", "Cancel"},
        {TMsgButton::Abort, "&Abort", "Abort"},
        {TMsgButton::Retry, "&Retry", "Retry"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ButtonCaption(c.button), QString::fromUtf8(c.caption));
        EXPECT_EQ(ButtonName(c.button), QString::fromUtf8(c.name));
    }
}

} // namespace
