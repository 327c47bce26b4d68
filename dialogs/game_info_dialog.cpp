#include "dialogs/game_info_dialog.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "dialogs/dialog_help.h"
#include "dialogs/form_translation.h"

#include <utility>

namespace {

TInfoEditor infoEditor;

enum class TGroup { Game, White, Black };

// Each "x" of a mask is one place for any character but a blank; the
// separators between them stay fixed.
const QString dateMask = QStringLiteral("xxxx.xx.xx");
const QString timeMask = QStringLiteral("xx:xx:xx");

struct TFieldBox {
    QString TInfoRec::*member;
    const char* edit;
    const char* label;
    const char* caption;
    int limit; // 0: no limit
    const QString* mask;
    TGroup group;
};

// In the record's order. Label names carry "Info" so that no entry of the
// main window's own player labels can re-caption them.
const TFieldBox fieldBoxes[TInfoDlg::FieldCount] = {
    {&TInfoRec::Event, "EventEdit", "InfoEventLabel", "&Event:", 0, nullptr, TGroup::Game},
    {&TInfoRec::Site, "SiteEdit", "InfoSiteLabel", "&Site:", 0, nullptr, TGroup::Game},
    {&TInfoRec::Round, "RoundEdit", "InfoRoundLabel", "&Round:", 80, nullptr, TGroup::Game},
    {&TInfoRec::Date, "DateEdit", "InfoDateLabel", "&Date:", 0, &dateMask, TGroup::Game},
    {&TInfoRec::Time, "TimeEdit", "InfoTimeLabel", "T&ime:", 0, &timeMask, TGroup::Game},
    {&TInfoRec::Opening, "OpeningEdit", "InfoOpeningLabel", "&Opening:", 0, nullptr, TGroup::Game},
    {&TInfoRec::ECO, "ECOEdit", "InfoECOLabel", "E&CO:", 6, nullptr, TGroup::Game},
    {&TInfoRec::White, "WhiteEdit", "InfoWhiteNameLabel", "Na&me:", 0, nullptr, TGroup::White},
    {&TInfoRec::WhiteTitle, "WhiteTitleEdit", "InfoWhiteTitleLabel", "&Title:", 2, nullptr, TGroup::White},
    {&TInfoRec::WhiteELO, "WhiteEloEdit", "InfoWhiteEloLabel", "Rati&ng:", 4, nullptr, TGroup::White},
    {&TInfoRec::WhiteCountry, "WhiteCtryEdit", "InfoWhiteCtryLabel", "Co&untry:", 3, nullptr, TGroup::White},
    {&TInfoRec::WhiteEmail, "WhiteEmailEdit", "InfoWhiteEmailLabel", "E-mai&l:", 0, nullptr, TGroup::White},
    {&TInfoRec::WhiteTcpip, "WhiteTcpipEdit", "InfoWhiteTcpipLabel", "Net&work address:", 0, nullptr,
        TGroup::White},
    {&TInfoRec::Black, "BlackEdit", "InfoBlackNameLabel", "Na&me:", 0, nullptr, TGroup::Black},
    {&TInfoRec::BlackTitle, "BlackTitleEdit", "InfoBlackTitleLabel", "&Title:", 2, nullptr, TGroup::Black},
    {&TInfoRec::BlackELO, "BlackEloEdit", "InfoBlackEloLabel", "Rati&ng:", 4, nullptr, TGroup::Black},
    {&TInfoRec::BlackCountry, "BlackCtryEdit", "InfoBlackCtryLabel", "Co&untry:", 3, nullptr, TGroup::Black},
    {&TInfoRec::BlackEmail, "BlackEmailEdit", "InfoBlackEmailLabel", "E-mai&l:", 0, nullptr, TGroup::Black},
    {&TInfoRec::BlackTcpip, "BlackTcpipEdit", "InfoBlackTcpipLabel", "Net&work address:", 0, nullptr,
        TGroup::Black},
    {&TInfoRec::Annotator, "AnnotatorEdit", "InfoAnnotatorLabel", "&Annotator:", 0, nullptr, TGroup::Game},
    {&TInfoRec::EventDate, "EventDateEdit", "InfoEventDateLabel", "Event dat&e:", 0, &dateMask, TGroup::Game},
};

bool FitsMask(const QString& text, const QString& mask)
{
    if (text.size() != mask.size()) {
        return false;
    }
    for (qsizetype i = 0; i < mask.size(); ++i) {
        const bool place = mask[i] == u'x';
        if (place ? text[i].isSpace() : text[i] != mask[i]) {
            return false;
        }
    }
    return true;
}

// Empty and fitting values go into the places; anything else is shown as
// it stands, since the places would scatter it.
void ShowValue(QLineEdit* edit, const QString* mask, const QString& value)
{
    if (mask != nullptr) {
        const bool masked = value.isEmpty() || FitsMask(value, *mask);
        edit->setInputMask(masked ? *mask : QString());
    }
    edit->setText(value);
}

QString ReadValue(const QLineEdit* edit, const QString* mask)
{
    if (mask == nullptr || edit->inputMask().isEmpty()) {
        return edit->text();
    }
    QString shown = edit->displayText();
    bool anyFilled = false;
    for (qsizetype i = 0; i < mask->size() && i < shown.size(); ++i) {
        if ((*mask)[i] != u'x') {
            continue;
        }
        if (shown[i].isSpace()) {
            shown[i] = u'?';
        } else {
            anyFilled = true;
        }
    }
    return anyFilled ? shown : QString();
}

// Typing a separator moves past it instead of filling a place with it, so
// a date can be typed as it is written: 2003.05.17.
class TSeparatorSkipper : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        auto* edit = qobject_cast<QLineEdit*>(watched);
        if (edit == nullptr || event->type() != QEvent::KeyPress || edit->inputMask().isEmpty()) {
            return false;
        }
        const QString mask = edit->inputMask().section(u';', 0, 0);
        const QString typed = static_cast<QKeyEvent*>(event)->text();
        if (typed.size() != 1 || typed == u"x" || !mask.contains(typed)) {
            return false;
        }
        const int cursor = edit->cursorPosition();
        if (cursor > 0 && mask.mid(cursor - 1, 1) == typed) {
            return true;
        }
        const qsizetype separator = mask.indexOf(typed, cursor);
        if (separator >= 0) {
            edit->setCursorPosition(static_cast<int>(separator + 1));
        }
        return true;
    }
};

QGroupBox* MakeGroup(const char* name, const QString& title, QWidget* parent)
{
    auto* group = new QGroupBox(title, parent);
    group->setObjectName(QLatin1String(name));
    new QFormLayout(group);
    return group;
}

} // namespace

TInfoDlg::TInfoDlg(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("InfoDlg"));
    setWindowTitle(tr("Game and Player Information"));
    auto* layout = new QVBoxLayout(this);
    auto* heading = new QLabel(tr("Enter any relevant information about this game and it's players:"), this);
    heading->setObjectName(QStringLiteral("HeadingLabel"));
    layout->addWidget(heading);

    QGroupBox* groups[] = {
        MakeGroup("GameGroup", tr("Game"), this),
        MakeGroup("WhitePlayerGroup", tr("White"), this),
        MakeGroup("BlackPlayerGroup", tr("Black"), this),
    };
    auto* columns = new QHBoxLayout;
    columns->addWidget(groups[0], 0, Qt::AlignTop);
    auto* players = new QVBoxLayout;
    players->addWidget(groups[1]);
    players->addWidget(groups[2]);
    players->addStretch();
    columns->addLayout(players);
    layout->addLayout(columns);

    auto* skipper = new TSeparatorSkipper(this);
    // Filled by group, so the tab order runs down each column in turn.
    std::array<QList<QLineEdit*>, 3> tabOrder;
    for (std::size_t i = 0; i < FieldCount; ++i) {
        const TFieldBox& box = fieldBoxes[i];
        const auto group = static_cast<std::size_t>(box.group);
        QWidget* owner = groups[group];
        auto* edit = new QLineEdit(owner);
        edit->setObjectName(QLatin1String(box.edit));
        if (box.limit > 0) {
            edit->setMaxLength(box.limit);
        }
        if (box.mask != nullptr) {
            edit->installEventFilter(skipper);
        }
        auto* label = new QLabel(tr(box.caption), owner);
        label->setObjectName(QLatin1String(box.label));
        label->setBuddy(edit);
        static_cast<QFormLayout*>(owner->layout())->addRow(label, edit);
        edits[i] = edit;
        tabOrder[group].append(edit);
    }
    QList<QLineEdit*> order = tabOrder[0] + tabOrder[1] + tabOrder[2];
    for (qsizetype i = 1; i < order.size(); ++i) {
        setTabOrder(order[i - 1], order[i]);
    }

    AddOkCancelHelp(*this, *layout, [this] { emit helpRequested(HelpContext); });
    TranslateForm(this);
}

void TInfoDlg::SetInfo(const TInfoRec& info)
{
    for (std::size_t i = 0; i < FieldCount; ++i) {
        ShowValue(edits[i], fieldBoxes[i].mask, info.*fieldBoxes[i].member);
    }
    edits[0]->setFocus();
}

TInfoRec TInfoDlg::Info() const
{
    TInfoRec info;
    for (std::size_t i = 0; i < FieldCount; ++i) {
        info.*fieldBoxes[i].member = ReadValue(edits[i], fieldBoxes[i].mask);
    }
    return info;
}

bool EditGameInfo(QWidget* parent, TInfoRec& info)
{
    if (infoEditor) {
        return infoEditor(info);
    }
    TInfoDlg dialog(parent);
    QObject::connect(&dialog, &TInfoDlg::helpRequested, &ShowDialogHelp);
    dialog.SetInfo(info);
    if (dialog.exec() != QDialog::Accepted) {
        return false;
    }
    info = dialog.Info();
    return true;
}

void SetInfoEditor(TInfoEditor editor)
{
    infoEditor = std::move(editor);
}
