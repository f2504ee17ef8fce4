#pragma once

#include <QMessageBox>

// Builds the message box for `flags` (Shell::Flags added up): buttons from
// the low bits (0 OK, 1 OK and Cancel), icon from the next ones (16 stop,
// 32 question, 48 warning, 64 information). It has no owner window.
QMessageBox *buildMessageBox(const QString &text, int flags, const QString &caption);

// Shell::Ok when the box was left with its OK button, Shell::Cancel for
// Cancel or when it was closed.
int messageBoxAnswer(const QMessageBox &box);
