#pragma once

#include <QFont>
#include <QString>

// The font, made smaller when the text would be wider than the width, so
// a large font never cuts a word or a time off a small box. Unchanged when
// the text fits.
QFont FontToFit(const QFont& font, const QString& text, int width);
