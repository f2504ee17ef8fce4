#include "platform/messagebox.h"

#include "platform/shell.h"

#include <QAbstractButton>

namespace {

QMessageBox::Icon iconFor(int flags)
{
    switch (flags & 0x70) {
    case 16:
        return QMessageBox::Critical;
    case 32:
        return QMessageBox::Question;
    case 48:
        return QMessageBox::Warning;
    case 64:
        return QMessageBox::Information;
    default:
        return QMessageBox::NoIcon;
    }
}

} // namespace

QMessageBox *buildMessageBox(const QString &text, int flags, const QString &caption)
{
    // A message box belongs to no window: it is application modal so that
    // every program window is blocked while it shows.
    auto *box = new QMessageBox(iconFor(flags), caption, text, QMessageBox::NoButton, nullptr);
    box->setWindowModality(Qt::ApplicationModal);
    if ((flags & 0x0f) == Shell::OkCancel) {
        box->setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        box->setEscapeButton(QMessageBox::Cancel);
    } else {
        // Its one button is also what Esc and the close box answer.
        box->setStandardButtons(QMessageBox::Ok);
    }
    box->setDefaultButton(QMessageBox::Ok);
    box->button(QMessageBox::Ok)->setText(QStringLiteral("确定"));
    if (QAbstractButton *cancel = box->button(QMessageBox::Cancel))
        cancel->setText(QStringLiteral("取消"));
    return box;
}

int messageBoxAnswer(const QMessageBox &box)
{
    return box.clickedButton() == box.button(QMessageBox::Ok) ? Shell::Ok : Shell::Cancel;
}
