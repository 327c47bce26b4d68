#include "view/status_panel.h"

#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>

#include "view/controls/clock_face.h"
#include "view/controls/font_fit.h"
#include "view/move_list.h"

#include <algorithm>

namespace {

// Designed bounds of the parts, in the panel's pixels.
constexpr QRect TurnBounds(8, 8, 176, 20);
constexpr QRect ModeBounds(8, 32, 176, 20);
constexpr QRect MovesBounds(8, 104, 176, 129);
constexpr QRect WorkingBounds(8, 238, 176, 68);
constexpr QRect SearchBounds(2, 1, 172, 14);
constexpr QRect ValueBounds(2, 15, 172, 14);
constexpr QRect BestLineBounds(2, 29, 172, 38);
constexpr QRect CommentBounds(2, 1, 172, 66);
constexpr QRect MessageBounds(8, 310, 176, 34);
constexpr QRect NarrateBounds(192, 8, 176, 274);
constexpr QRect LayoutBounds(192, 288, 176, 56);
constexpr int AudioImageSize = 16;
// The analogue game clock between the two player faces keeps this width.
constexpr int MinGameClockWidth = 24;
// The typed-move line under the move list.
constexpr int EntryHeight = 22;

QFrame* MakeBevel(const QString& name, const QRect& bounds, QWidget* parent)
{
    auto* bevel = new QFrame(parent);
    bevel->setObjectName(name);
    bevel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    bevel->setGeometry(bounds);
    return bevel;
}

QLabel* MakeLabel(const QString& name, const QRect& bounds, QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setGeometry(bounds);
    return label;
}

// A read-only text box in the parent's colour until it takes the focus.
QPlainTextEdit* MakeMemo(const QString& name, QWidget* parent, bool readOnly)
{
    auto* memo = new QPlainTextEdit(parent);
    memo->setObjectName(name);
    memo->setReadOnly(readOnly);
    memo->setFrameShape(QFrame::NoFrame);
    memo->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    memo->viewport()->setBackgroundRole(QPalette::Window);
    memo->setTabChangesFocus(true);
    return memo;
}

// The label takes its parent's font, made smaller when even one word of
// the texts is wider than the label: words wrap, but never break.
void FitWords(QLabel* label, const QFont& base, int width, const QStringList& texts)
{
    const QFontMetrics metrics(base);
    QString widest;
    for (const QString& text : texts) {
        for (const QString& word : text.split(u' ', Qt::SkipEmptyParts)) {
            if (metrics.horizontalAdvance(word) > metrics.horizontalAdvance(widest)) {
                widest = word;
            }
        }
    }
    label->setFont(FontToFit(base, widest, width));
}

// The height of the tallest text wrapped at the label's inside width.
int WrappedHeight(const QLabel* label, int width, const QStringList& texts)
{
    const QFontMetrics metrics(label->font());
    int tallest = metrics.height();
    for (const QString& text : texts) {
        const QRect bounds(0, 0, std::max(1, width), 1 << 16);
        tallest = std::max(tallest, metrics.boundingRect(bounds, Qt::TextWordWrap, text).height());
    }
    return tallest;
}

void FillBevel(QWidget* child, const QFrame* bevel)
{
    child->setGeometry(bevel->rect().adjusted(2, 2, -2, -2));
}

TClockFace* MakeClock(const QString& name, QWidget* parent)
{
    auto* clock = new TClockFace(parent);
    clock->setObjectName(name);
    clock->SetBevel(TClockFace::TBevel::Lowered);
    clock->Reset();
    return clock;
}

void ColourClock(TClockFace* clock, const QColor& face, const QColor& hands, const QColor& text)
{
    clock->SetFaceColor(face);
    clock->SetHandsColor(hands);
    QPalette colours = clock->palette();
    colours.setColor(QPalette::WindowText, text);
    clock->setPalette(colours);
}

} // namespace

TStatusPanel::TStatusPanel(QWidget* parent)
    : QFrame(parent)
{
    setObjectName(QStringLiteral("StatusPanel"));
    setAutoFillBackground(true);
    BuildLeftColumn();
    BuildWorkingPanel();
    BuildRightColumn();
    resize(PanelWidth(true), MessageBounds.bottom() + 1 + 8);
    Arrange({});
}

void TStatusPanel::BuildLeftColumn()
{
    turnPanel = MakeLabel(QStringLiteral("TurnPanel"), TurnBounds, this);
    turnPanel->setAlignment(Qt::AlignCenter);
    turnPanel->setWordWrap(true);
    turnPanel->setAutoFillBackground(true);
    turnPanel->setFrameStyle(QFrame::Panel | QFrame::Raised);

    modeBevel = MakeBevel(QStringLiteral("ModeBevel"), ModeBounds, this);
    modeLabel = MakeLabel(QStringLiteral("ModeLabel"), modeBevel->rect().adjusted(3, 1, -3, -1), modeBevel);
    modeLabel->setWordWrap(true);
    // Shown while sounds play, once there are sounds.
    audioImage = MakeLabel(QStringLiteral("AudioImage"), {}, this);
    audioImage->hide();

    gameClock = MakeClock(QStringLiteral("GameClockFace"), this);
    whiteClock = MakeClock(QStringLiteral("WhiteClockFace"), this);
    blackClock = MakeClock(QStringLiteral("BlackClockFace"), this);
    ColourClock(whiteClock, Qt::white, Qt::black, Qt::black);
    ColourClock(blackClock, Qt::black, QColor(192, 192, 192), Qt::white);
    ColourClock(gameClock, palette().color(QPalette::Light), palette().color(QPalette::WindowText),
        palette().color(QPalette::WindowText));

    movesPanel = MakeBevel(QStringLiteral("MovesPanel"), MovesBounds, this);
    moveList = new TMoveGrid(movesPanel);
    moveEntry = new QLineEdit(movesPanel);
    moveEntry->setObjectName(QStringLiteral("MoveEntry"));
    moveEntry->setPlaceholderText(tr("Type a move"));
    moveList->SetUnitHeight(UnitHeight());

    messagePanel = MakeBevel(QStringLiteral("MessagePanel"), MessageBounds, this);
    messageMemo = MakeMemo(QStringLiteral("MessageMemo"), messagePanel, true);
    FillBevel(messageMemo, messagePanel);
}

void TStatusPanel::BuildWorkingPanel()
{
    workingPanel = MakeBevel(QStringLiteral("WorkingPanel"), WorkingBounds, this);
    searchLabel = MakeLabel(QStringLiteral("SearchLabel"), SearchBounds, workingPanel);
    valueLabel = MakeLabel(QStringLiteral("ValueLabel"), ValueBounds, workingPanel);
    searchLabel->setWordWrap(true);
    valueLabel->setWordWrap(true);
    bestLineLabel = MakeLabel(QStringLiteral("BestLineLabel"), BestLineBounds, workingPanel);
    bestLineLabel->setWordWrap(true);
    bestLineLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // Over the working labels, shown only while a comment is edited.
    commentMemo = MakeMemo(QStringLiteral("CommentMemo"), workingPanel, false);
    commentMemo->setGeometry(CommentBounds);
    commentMemo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    commentMemo->hide();
}

void TStatusPanel::BuildRightColumn()
{
    narrateBevel = MakeBevel(QStringLiteral("NarrateBevel"), NarrateBounds, this);
    narrateMemo = MakeMemo(QStringLiteral("NarrateMemo"), narrateBevel, true);
    layoutBevel = MakeBevel(QStringLiteral("LayoutBevel"), LayoutBounds, this);
    layoutMemo = MakeMemo(QStringLiteral("LayoutMemo"), layoutBevel, true);
    FillBevel(narrateMemo, narrateBevel);
    FillBevel(layoutMemo, layoutBevel);
    // A position string has no blanks to break at before its side field.
    layoutMemo->setWordWrapMode(QTextOption::WrapAnywhere);
}

int TStatusPanel::ColumnWidth() const
{
    return turnPanel->width();
}

// The designed 20 pixels hold a line of the usual fonts; a larger font
// makes every unit larger.
int TStatusPanel::UnitHeight() const
{
    return unitHeight;
}

void TStatusPanel::FitStatusTexts(const TStatusTexts& texts)
{
    const int unit = std::max(
        TurnBounds.height(), QFontMetrics(turnPanel->font()).height() + 2 * turnPanel->frameWidth() + 1);
    unitHeight = unit;
    const int turnFrame = 2 * turnPanel->frameWidth();
    const int turnWidth = TurnBounds.width() - turnFrame;
    FitWords(turnPanel, turnPanel->font(), turnWidth, texts.Turn);
    const int turnHeight = std::max(unit, WrappedHeight(turnPanel, turnWidth, texts.Turn) + turnFrame + 1);
    turnPanel->setGeometry(TurnBounds.x(), TurnBounds.y(), TurnBounds.width(), turnHeight);

    // The label sits 3 pixels in from the bevel's sides and 1 from its top
    // and bottom.
    const int labelWidth = ModeBounds.width() - 6;
    FitWords(modeLabel, modeBevel->font(), labelWidth, texts.Mode);
    const int modeHeight = std::max(unit, WrappedHeight(modeLabel, labelWidth, texts.Mode) + 2);
    const int modeTop = turnPanel->y() + turnHeight + (ModeBounds.y() - TurnBounds.bottom() - 1);
    modeBevel->setGeometry(ModeBounds.x(), modeTop, ModeBounds.width(), modeHeight);
    modeLabel->setGeometry(modeBevel->rect().adjusted(3, 1, -3, -1));
    moveList->SetUnitHeight(unit);
    FitWorkingLabels(texts);
}

// The search and value lines take what their texts need; the expected line
// keeps room for at least two whole lines below them.
void TStatusPanel::FitWorkingLabels(const TStatusTexts& texts)
{
    const int width = SearchBounds.width();
    FitWords(searchLabel, workingPanel->font(), width, texts.Search);
    FitWords(valueLabel, workingPanel->font(), width, texts.Value);
    const int line = QFontMetrics(bestLineLabel->font()).height();
    const int search = std::max(SearchBounds.height(), WrappedHeight(searchLabel, width, texts.Search));
    const int value = std::max(ValueBounds.height(), WrappedHeight(valueLabel, width, texts.Value));
    // Whole lines only, so no half-cut line shows at the bottom.
    const int best = std::max(2, BestLineBounds.height() / std::max(1, line)) * line;
    const int top = SearchBounds.y();
    searchLabel->setGeometry(SearchBounds.x(), top, width, search);
    valueLabel->setGeometry(ValueBounds.x(), top + search, width, value);
    bestLineLabel->setGeometry(BestLineBounds.x(), top + search + value, width, best);
    const int height = std::max(WorkingBounds.height(), top + search + value + best + 1);
    workingPanel->resize(WorkingBounds.width(), height);
    commentMemo->setGeometry(CommentBounds.x(), CommentBounds.y(), CommentBounds.width(), height - 2);
}

int TStatusPanel::PanelWidth(bool narration) const
{
    return narration ? 2 * ColumnWidth() + 24 : ColumnWidth() + 16;
}

int TStatusPanel::ClocksTop() const
{
    return modeBevel->y() + modeBevel->height() + 4;
}

int TStatusPanel::ClocksHeight(bool shown) const
{
    return shown ? 2 * UnitHeight() + 8 : 0;
}

void TStatusPanel::Arrange(const TStatusLayout& layout)
{
    audioImage->setGeometry(modeBevel->x() + modeBevel->width() - AudioImageSize - 2, modeBevel->y() + 2,
        AudioImageSize, AudioImageSize);
    movesPanel->move(movesPanel->x(), ClocksTop() + ClocksHeight(layout.ShowClocks));
    workingPanel->move(workingPanel->x(), height() - messagePanel->height() - workingPanel->height() - 12);
    messagePanel->move(messagePanel->x(), height() - messagePanel->height() - 8);
    ResetWorkingPanel(layout.ShowWorking, layout.ShowComment);

    for (QLabel* label : {searchLabel, valueLabel, bestLineLabel}) {
        label->setVisible(layout.ShowWorking);
    }
    narrateBevel->setVisible(layout.ShowNarration);
    layoutBevel->setVisible(layout.ShowNarration);
    if (!layout.ShowNarration) {
        return;
    }
    // The position box keeps its height at the bottom; the narration takes
    // the rest of the second column.
    const int left = ColumnWidth() + 16;
    const int columnWidth = std::max(0, width() - ColumnWidth() - 24);
    const int layoutTop = height() - 8 - layoutBevel->height();
    layoutBevel->setGeometry(left, layoutTop, columnWidth, layoutBevel->height());
    const int narrateTop = NarrateBounds.top();
    const int narrateGap = LayoutBounds.top() - NarrateBounds.bottom() - 1;
    narrateBevel->setGeometry(
        left, narrateTop, columnWidth, std::max(0, layoutTop - narrateGap - narrateTop));
    FillBevel(narrateMemo, narrateBevel);
    FillBevel(layoutMemo, layoutBevel);
}

void TStatusPanel::ResetWorkingPanel(bool showWorking, bool showComment)
{
    const int room = workingPanel->y() - movesPanel->y();
    const bool shown = (showWorking || showComment) && room >= 3 * moveList->RowHeight() + 6;
    workingPanel->setVisible(shown);
    const int bottom = (shown ? workingPanel->y() : messagePanel->y()) - 4;
    movesPanel->resize(movesPanel->width(), std::max(0, bottom - movesPanel->y()));
    PlaceMoveList();
}

void TStatusPanel::PlaceMoveList()
{
    const QRect inside = movesPanel->rect().adjusted(1, 1, -1, -1);
    moveEntry->setGeometry(inside.left(), inside.bottom() + 1 - EntryHeight, inside.width(), EntryHeight);
    moveList->setGeometry(
        inside.left(), inside.top(), inside.width(), std::max(0, inside.height() - EntryHeight));
    moveList->ScrollToCurrent();
}

void TStatusPanel::ArrangeClocks(bool analogue, bool digital, bool hundredths)
{
    const bool shown = analogue || digital;
    for (TClockFace* clock : {gameClock, whiteClock, blackClock}) {
        clock->setVisible(shown);
        clock->SetDigital(digital);
        // Hundredths belong to the digital faces only.
        clock->SetShowHunds(digital && hundredths);
    }
    if (!shown) {
        return;
    }
    const int h = UnitHeight();
    const int w = ColumnWidth();
    const int left = turnPanel->x();
    const int top = ClocksTop();
    if (digital) {
        gameClock->setGeometry(left, top, w, h);
        const int half = w / 2 - 2;
        whiteClock->setGeometry(left, top + h + 4, half, h);
        blackClock->setGeometry(left + w - half, top + h + 4, half, h);
        return;
    }
    // Large fonts make large units; the faces stop growing while the game
    // clock between them still has room.
    const int a = std::min(h, (w - 16 - MinGameClockWidth) / 4);
    const int face = 2 * a + 4;
    gameClock->setGeometry(left + 2 * a + 8, top - 2, w - 4 * a - 16, 2 * a + 8);
    whiteClock->setGeometry(left, top, face, face);
    blackClock->setGeometry(left + w - face, top, face, face);
}

void TStatusPanel::SetTurn(const QString& text, int colour)
{
    QPalette colours = palette();
    if (colour == 0 || colour == 1) {
        const bool black = colour == 1;
        colours.setColor(QPalette::Window, black ? Qt::black : Qt::white);
        colours.setColor(QPalette::WindowText, black ? Qt::white : Qt::black);
    }
    turnPanel->setPalette(colours);
    turnPanel->setText(colour < 0 ? QString() : text);
}

void TStatusPanel::mouseReleaseEvent(QMouseEvent* event)
{
    QFrame::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        emit clicked();
    }
}

bool TStatusPanel::IsMemo(const QWidget* widget) const
{
    return widget != nullptr
        && (widget == commentMemo || widget == messageMemo || widget == narrateMemo || widget == layoutMemo);
}
