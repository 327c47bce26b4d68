#pragma once

#include <QDialog>
#include <QString>

#include <functional>
#include <optional>

class QLabel;
class QLineEdit;

// The one-line input dialog: a caption, a heading, one edit box and OK,
// Cancel and Help. It asks for moves, positions and e-mail addresses, so
// the caller names its texts and help context.
class TEnterMoveDlg : public QDialog {
    Q_OBJECT

public:
    explicit TEnterMoveDlg(QWidget* parent = nullptr);

    // The box is preset with the text and the caret stands at its end, so
    // typing goes on after a character already given.
    void Prepare(const QString& caption, const QString& heading, const QString& preset, int helpContext);
    QString Text() const;
    int HelpContext() const { return helpContext; }

signals:
    // The Help button: the help opens at the context, the dialog stays.
    void helpRequested(int context);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLabel* heading;
    QLineEdit* edit;
    int helpContext = 0;
    bool keepCaret = false;
};

// Shows the dialog modally: the text typed on OK, nullopt on Cancel.
std::optional<QString> EnterText(
    QWidget* parent, const QString& caption, const QString& heading, const QString& preset, int helpContext);

// Tests answer in place of the dialog; an empty function brings it back.
using TTextAsker = std::function<std::optional<QString>(
    const QString& caption, const QString& heading, const QString& preset)>;
void SetTextAsker(TTextAsker asker);
