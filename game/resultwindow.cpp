#include "game/resultwindow.h"

#include "app/gamestate.h"
#include "game/gamefont.h"
#include "game/results.h"

#include <QLabel>

namespace {

QLabel *resultLabel(const char *name, const QRect &geometry, QWidget *parent)
{
    auto *label = new QLabel(QStringLiteral("标签"), parent);
    label->setObjectName(QString::fromUtf8(name));
    label->setGeometry(geometry);
    label->setFont(heitiBold(14));
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    label->setWordWrap(false);
    label->setFocusPolicy(Qt::NoFocus);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, Qt::black);
    label->setPalette(palette);
    return label;
}

} // namespace

ResultWindow::ResultWindow(QWidget *owner)
    : ProgramWindow(owner)
{
    setObjectName(QStringLiteral("resultwindow"));
    setWindowTitle(QStringLiteral("结果页"));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowCloseButtonHint);
    setFixedOuterSize(380, 250);

    zonggong = resultLabel("zonggong", QRect(72, 40, 208, 32), this);
    zhengque = resultLabel("zhengque", QRect(72, 85, 200, 32), this);
    caizhonglv = resultLabel("caizhonglv", QRect(72, 128, 208, 32), this);
}

void ResultWindow::created()
{
    const GameState &state = gameState();
    zonggong->setText(answeredText(state.answered));
    zhengque->setText(correctText(state.correct));
    caizhonglv->setText(hitRateText(state.correct, state.answered));
}
