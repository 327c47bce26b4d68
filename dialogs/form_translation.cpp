#include "dialogs/form_translation.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QPointer>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QToolButton>
#include <QTreeWidget>

#include "settings/language_file.h"
#include "support/text_fields.h"

#include <array>

namespace {

const QString objectsSection = QStringLiteral("Objects");
const QString fieldSeparator = QStringLiteral("|");

bool isForm(const QWidget* widget)
{
    return widget->isWindow() && widget->windowType() != Qt::Popup && widget->windowType() != Qt::ToolTip;
}

bool isQtPart(const QObject* object)
{
    return object->objectName().startsWith(QStringLiteral("qt_"));
}

// The nearest enclosing form, not counting the component itself.
const QWidget* ownerForm(const QObject* component)
{
    for (const QObject* up = component->parent(); up != nullptr; up = up->parent()) {
        const auto* widget = qobject_cast<const QWidget*>(up);
        if (widget != nullptr && isForm(widget)) {
            return widget;
        }
    }
    return nullptr;
}

QString withoutHotKey(QString caption)
{
    // "&&" stands for a real ampersand and stays one.
    caption.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    caption.remove(u'&');
    caption.replace(u'\x01', u'&');
    return caption;
}

void applyToAction(QAction* action, QString value)
{
    const QString caption = NextToken(fieldSeparator, value);
    action->setText(caption);
    const QString hint = withoutHotKey(caption);
    action->setStatusTip(hint);
    action->setToolTip(hint);
    action->setShortcut(ShortcutFromText(value));
}

void applyToMenu(QMenu* menu, QString value)
{
    const QString caption = NextToken(fieldSeparator, value);
    menu->setTitle(caption);
    menu->menuAction()->setStatusTip(withoutHotKey(caption));
    menu->menuAction()->setShortcut(ShortcutFromText(value));
}

void applyToToolButton(QToolButton* button, QString value)
{
    if (button->defaultAction() != nullptr) {
        return;
    }
    if (button->toolButtonStyle() == Qt::ToolButtonIconOnly && !button->icon().isNull()) {
        button->setToolTip(value.trimmed());
        return;
    }
    const QString caption = NextToken(fieldSeparator, value);
    button->setText(caption);
    button->setToolTip(withoutHotKey(caption));
}

void applyToTabs(QTabWidget* tabs, QString value)
{
    for (int page = 0; page < tabs->count() && !value.isEmpty(); ++page) {
        tabs->setTabText(page, NextToken(fieldSeparator, value));
    }
}

void applyToHeader(QAbstractItemModel* model, int columns, QString value)
{
    for (int column = 0; column < columns && !value.isEmpty(); ++column) {
        model->setHeaderData(column, Qt::Horizontal, NextToken(fieldSeparator, value));
    }
}

void applyToTable(QTableWidget* table, QString value)
{
    for (int column = 0; column < table->columnCount() && !value.isEmpty(); ++column) {
        const QString text = NextToken(fieldSeparator, value);
        if (QTableWidgetItem* item = table->horizontalHeaderItem(column)) {
            item->setText(text);
        } else {
            table->setHorizontalHeaderItem(column, new QTableWidgetItem(text));
        }
    }
}

QList<QRadioButton*> radioItems(const QGroupBox* group)
{
    return group->findChildren<QRadioButton*>(QString(), Qt::FindDirectChildrenOnly);
}

void applyToRadioGroup(QGroupBox* group, QString value)
{
    group->setTitle(NextToken(fieldSeparator, value));
    for (QRadioButton* item : radioItems(group)) {
        if (value.isEmpty()) {
            break;
        }
        item->setText(NextToken(fieldSeparator, value));
    }
}

// The tab control showing the widget as one of its pages, or none.
QTabWidget* tabsOfPage(const QWidget* widget)
{
    const QWidget* stack = widget->parentWidget();
    auto* tabs = stack != nullptr ? qobject_cast<QTabWidget*>(stack->parentWidget()) : nullptr;
    return tabs != nullptr && tabs->indexOf(widget) >= 0 ? tabs : nullptr;
}

// Caption and hint: the caption is the first field, the hint everything
// after the first "|", so an entry without "|" clears the designed hint.
void applyCaptionAndHint(QWidget* widget, const QString& value)
{
    QString hint = value;
    const QString caption = NextToken(fieldSeparator, hint);
    if (isForm(widget)) {
        widget->setWindowTitle(caption);
    } else if (auto* label = qobject_cast<QLabel*>(widget)) {
        label->setText(caption);
    } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
        button->setText(caption);
    } else if (auto* group = qobject_cast<QGroupBox*>(widget)) {
        group->setTitle(caption);
    } else if (QTabWidget* tabs = tabsOfPage(widget)) {
        // A page's own entry names its tab, after the page control's list.
        const int page = tabs->indexOf(widget);
        tabs->setTabText(page, caption);
        tabs->setTabToolTip(page, hint);
    }
    // Text the user edits is theirs: edit fields and lists take the hint only.
    widget->setToolTip(hint);
}

void applyToWidget(QWidget* widget, const QString& value)
{
    if (auto* menu = qobject_cast<QMenu*>(widget)) {
        applyToMenu(menu, value);
    } else if (auto* toolButton = qobject_cast<QToolButton*>(widget)) {
        applyToToolButton(toolButton, value);
    } else if (auto* tabs = qobject_cast<QTabWidget*>(widget)) {
        applyToTabs(tabs, value);
    } else if (auto* table = qobject_cast<QTableWidget*>(widget)) {
        applyToTable(table, value);
    } else if (auto* tree = qobject_cast<QTreeWidget*>(widget)) {
        applyToHeader(tree->model(), tree->columnCount(), value);
    } else if (auto* header = qobject_cast<QHeaderView*>(widget);
               header != nullptr && header->model() != nullptr) {
        applyToHeader(header->model(), header->count(), value);
    } else if (auto* group = qobject_cast<QGroupBox*>(widget);
               group != nullptr && !radioItems(group).isEmpty()) {
        applyToRadioGroup(group, value);
    } else {
        applyCaptionAndHint(widget, value);
    }
}

struct NamedKey {
    const char16_t* name;
    Qt::Key key;
};

constexpr std::array<NamedKey, 15> namedKeys {{
    {u"BkSp", Qt::Key_Backspace},
    {u"Tab", Qt::Key_Tab},
    {u"Esc", Qt::Key_Escape},
    {u"Enter", Qt::Key_Return},
    {u"Space", Qt::Key_Space},
    {u"PgUp", Qt::Key_PageUp},
    {u"PgDn", Qt::Key_PageDown},
    {u"End", Qt::Key_End},
    {u"Home", Qt::Key_Home},
    {u"Left", Qt::Key_Left},
    {u"Up", Qt::Key_Up},
    {u"Right", Qt::Key_Right},
    {u"Down", Qt::Key_Down},
    {u"Ins", Qt::Key_Insert},
    {u"Del", Qt::Key_Delete},
}};

constexpr int functionKeyCount = 12;

std::optional<Qt::Key> keyFromName(const QString& name)
{
    if (name.size() == 1) {
        const QChar c = name.front().toUpper();
        if ((c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9')) {
            return static_cast<Qt::Key>(c.unicode());
        }
        return std::nullopt;
    }
    for (const auto& [text, key] : namedKeys) {
        if (name.compare(QString::fromUtf16(text), Qt::CaseInsensitive) == 0) {
            return key;
        }
    }
    if (name.startsWith(u'F', Qt::CaseInsensitive)) {
        bool ok = false;
        const int number = name.mid(1).toInt(&ok);
        if (ok && number >= 1 && number <= functionKeyCount && !name.mid(1).startsWith(u'0')) {
            return static_cast<Qt::Key>(Qt::Key_F1 + number - 1);
        }
    }
    return std::nullopt;
}

} // namespace

QKeySequence ShortcutFromText(const QString& text)
{
    static const std::array<std::pair<QString, Qt::KeyboardModifier>, 3> prefixes {{
        {QStringLiteral("Shift+"), Qt::ShiftModifier},
        {QStringLiteral("Ctrl+"), Qt::ControlModifier},
        {QStringLiteral("Alt+"), Qt::AltModifier},
    }};
    QString rest = text.trimmed();
    Qt::KeyboardModifiers modifiers;
    for (bool found = true; found;) {
        found = false;
        for (const auto& [prefix, modifier] : prefixes) {
            if (rest.startsWith(prefix, Qt::CaseInsensitive)) {
                modifiers |= modifier;
                rest = rest.mid(prefix.size());
                found = true;
            }
        }
    }
    const std::optional<Qt::Key> key = keyFromName(rest);
    return key ? QKeySequence(QKeyCombination(modifiers, *key)) : QKeySequence();
}

QString LookupObjectText(const QObject* component)
{
    const QString name = component->objectName();
    if (name.isEmpty()) {
        return {};
    }
    const QString key = ComponentKey(name);
    if (const QWidget* owner = ownerForm(component); owner != nullptr && !owner->objectName().isEmpty()) {
        const QString qualified
            = LanguageValue(objectsSection, ComponentKey(owner->objectName()) + u'.' + key, {});
        if (!qualified.isEmpty()) {
            return qualified;
        }
    }
    return LanguageValue(objectsSection, key, {});
}

void ApplyObjectText(QObject* component, const QString& value)
{
    if (value.isEmpty()) {
        return;
    }
    if (auto* action = qobject_cast<QAction*>(component)) {
        applyToAction(action, value);
    } else if (auto* widget = qobject_cast<QWidget*>(component)) {
        applyToWidget(widget, value);
    }
}

void TranslateForm(QWidget* form)
{
    if (form == nullptr || !LanguageFileIsOpen()) {
        return;
    }
    QList<QObject*> components {form};
    components += form->findChildren<QObject*>();
    for (QObject* component : components) {
        if (!isQtPart(component)) {
            ApplyObjectText(component, LookupObjectText(component));
        }
    }
}

void TranslateAllForms()
{
    // Handling events between forms may close one of them.
    QList<QPointer<QWidget>> forms;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (isForm(widget)) {
            forms.append(widget);
        }
    }
    for (const QPointer<QWidget>& form : forms) {
        if (form) {
            TranslateForm(form);
            QCoreApplication::processEvents();
        }
    }
}

void InstallFormTranslation()
{
    setLanguageChangedHook(&TranslateAllForms);
}
