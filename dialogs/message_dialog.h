#pragma once

#include <QMessageBox>

#include "settings/message_box.h"

#include <memory>

class QWidget;

// The standard message box of the program: the kind's title and icon, the
// text, and the requested buttons with their built-in captions. Each button
// is named after ButtonName ("Yes", "Abort", ...) so that a language file can
// re-caption it like any other control of a form; the box is translated
// (TranslateForm) before it is returned.
std::unique_ptr<QMessageBox> BuildMessageDialog(const TMessageBoxRequest& request, QWidget* parent = nullptr);

// Shows the box modally and returns the button pressed; closing the box
// without pressing one counts as its escape button.
TMsgButton RunMessageDialog(const TMessageBoxRequest& request);

// Makes RunMessageDialog the presenter of every message box.
void InstallMessageDialogPresenter();
