#pragma once

#include <QKeySequence>
#include <QString>

class QObject;
class QWidget;

// Re-captioning windows from the "Objects" section of the language file.
//
// Components are found by objectName. An entry is keyed by the form's
// ComponentKey, a full stop and the component's ComponentKey
// ("OptionsDlg.StoreSettingsBox"), or by the component's ComponentKey alone.
// The form ("owner") of a component is the nearest enclosing window that is
// not a pop-up menu; a form's own entry uses its name alone. Objects whose
// names begin with "qt_" are Qt's own parts and are never translated.
//
// How a value ("field | field | ...") applies, by kind of component:
//   QAction, and a QMenu (its title and its menu action's shortcut):
//       caption | shortcut: the hint (status tip and tool tip) becomes the
//       caption without its "&"; an empty or unreadable shortcut removes it.
//   QToolButton showing text and not bound to an action ("tool button"):
//       caption; the hint becomes the caption without its "&".
//   QToolButton showing only its icon, not bound to an action ("speed
//       button"): the whole value is the hint.
//   QToolButton bound to an action: nothing; its action carries the texts.
//   QTabWidget: one caption per page, in page order, while fields remain.
//   QTableWidget, QTreeWidget, QHeaderView: one text per column, while
//       fields remain; fields beyond the last column are ignored.
//   Radio group (a QGroupBox whose direct children include QRadioButtons):
//       the group's title, then one text per radio button in creation order.
//   Forms (windows), QLabel, QAbstractButton, QGroupBox, and a page of a
//       QTabWidget (its tab text): caption | hint: the window title or text is
//       the first field; the tool tip is everything after the first "|" (none
//       when there is no "|"). A page's own entry comes after its page
//       control's list, so it wins.
//   Any other widget with a name (edit fields, lists...): caption | hint, of
//       which only the hint is applied, so a language switch never
//       overwrites what the user typed.

// The entry for the component ("" when it has no name or no entry).
QString LookupObjectText(const QObject* component);

// Applies an entry to the component as above; an empty value changes nothing.
void ApplyObjectText(QObject* component, const QString& value);

// The form and then every object it owns, in creation order. Does nothing
// while no language file is open.
void TranslateForm(QWidget* form);

// TranslateForm for every top-level window, letting pending events be
// handled after each.
void TranslateAllForms();

// Makes every switch of the language file (SetLanguageFile) re-caption the
// open windows.
void InstallFormTranslation();

// Reads "[Shift+][Ctrl+][Alt+]key" (prefixes in any order and case): a
// letter, a digit, F1 to F12, BkSp, Tab, Esc, Enter, Space, PgUp, PgDn, End,
// Home, Left, Up, Right, Down, Ins, Del. Empty for anything else.
QKeySequence ShortcutFromText(const QString& text);
