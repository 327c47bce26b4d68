#include <QAbstractButton>
#include <QEvent>
#include <QFile>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>

#include "support/error_handler.h"
#include "support/error_log.h"
#include "support/gui/application.h"

#include <gtest/gtest.h>
#include <memory>
#include <stdexcept>

namespace {

const auto throwStdEvent = static_cast<QEvent::Type>(QEvent::User + 1);
const auto throwOtherEvent = static_cast<QEvent::Type>(QEvent::User + 2);
const auto countEvent = static_cast<QEvent::Type>(QEvent::User + 3);

// Stands in for any window whose event handler fails.
class FailingReceiver : public QObject {
public:
    int counted = 0;

    bool event(QEvent* event) override
    {
        if (event->type() == throwStdEvent) {
            throw std::runtime_error("board picture missing");
        }
        if (event->type() == throwOtherEvent) {
            throw 7;
        }
        if (event->type() == countEvent) {
            ++counted;
            return true;
        }
        return QObject::event(event);
    }
};

struct Shown {
    QString title;
    QString message;
};

class ApplicationTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        static int argc = 1;
        static char name[] = "support_gui_tests";
        static char* argv[] = {name, nullptr};
        if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")
            && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
            qputenv("QT_QPA_PLATFORM", "offscreen");
        }
        app = std::make_unique<TApplication>(argc, argv);
        TApplication::setApplicationDisplayName(QStringLiteral("Chess Quarvel Educational Computer"));
    }
    static void TearDownTestSuite() { app.reset(); }

    void SetUp() override
    {
        ASSERT_TRUE(folder.isValid());
        setErrorLogPath(folder.filePath(QStringLiteral("quarvel.err")));
        setErrorPresenter([this](const QString& title, const QString& message) {
            shown.push_back({title, message});
        });
    }
    void TearDown() override { setErrorLogPath({}); }

    QString logText() const
    {
        QFile file(folder.filePath(QStringLiteral("quarvel.err")));
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    }

    static std::unique_ptr<TApplication> app;
    QTemporaryDir folder;
    std::vector<Shown> shown;
};

std::unique_ptr<TApplication> ApplicationTest::app;

TEST_F(ApplicationTest, AThrowingEventHandlerIsReportedAndTheLoopGoesOn)
{
    FailingReceiver receiver;
    QCoreApplication::postEvent(&receiver, new QEvent(throwStdEvent));
    QCoreApplication::postEvent(&receiver, new QEvent(countEvent));
    QCoreApplication::postEvent(&receiver, new QEvent(throwOtherEvent));
    QCoreApplication::postEvent(&receiver, new QEvent(countEvent));
    QCoreApplication::processEvents();

    EXPECT_EQ(receiver.counted, 2);
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[0].title, u"Chess Quarvel Educational Computer");
    EXPECT_EQ(shown[0].message, u"board picture missing");
    EXPECT_FALSE(shown[1].message.isEmpty());
    EXPECT_TRUE(logText().contains(u"\nboard picture missing\n\n")) << logText().toStdString();
}

TEST_F(ApplicationTest, TheErrorBoxIsModalWithTitleIconMessageAndOk)
{
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QList<QAbstractButton*> buttons;
    QTimer::singleShot(0, [&title, &text, &icon, &buttons]() {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        title = box->windowTitle();
        text = box->text();
        icon = box->icon();
        buttons = box->buttons();
        box->button(QMessageBox::Ok)->click();
    });
    ShowErrorBox(QStringLiteral("Chess Quarvel Educational Computer"), QStringLiteral("disk full"));

    EXPECT_EQ(title, u"Chess Quarvel Educational Computer");
    EXPECT_EQ(text, u"disk full");
    EXPECT_EQ(icon, QMessageBox::Critical);
    EXPECT_EQ(buttons.size(), 1);
}

} // namespace
