#include "windows/main/controls.h"

#include <QAccessibleWidget>
#include <QMouseEvent>
#include <QPainter>

namespace {

// The accessible side of a control that reacts to a press: its role, its
// text as its name unless a name was given, and the Press action.
class PressableAccessible final : public QAccessibleWidget
{
public:
    PressableAccessible(QWidget *widget, QAccessible::Role role)
        : QAccessibleWidget(widget, role)
    {
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty()) {
            if (const auto *label = qobject_cast<const QLabel *>(widget()))
                return label->text();
        }
        return QAccessibleWidget::text(t);
    }

    QStringList actionNames() const override
    {
        QStringList names = QAccessibleWidget::actionNames();
        if (isPressable())
            names.prepend(pressAction());
        return names;
    }

    void doAction(const QString &actionName) override
    {
        if (actionName != pressAction() || !isPressable()) {
            QAccessibleWidget::doAction(actionName);
            return;
        }
        if (auto *label = qobject_cast<PressLabel *>(widget()))
            label->press();
        else if (auto *picture = qobject_cast<PictureBox *>(widget()))
            picture->press();
    }

private:
    // Asked each time: the interface may be made before the control is set up.
    bool isPressable() const
    {
        if (const auto *picture = qobject_cast<const PictureBox *>(widget()))
            return picture->isPressable();
        return qobject_cast<const PressLabel *>(widget()) != nullptr;
    }
};

QAccessibleInterface *controlAccessible(const QString &, QObject *object)
{
    if (auto *label = qobject_cast<PressLabel *>(object))
        return new PressableAccessible(label, label->accessibleRole());
    if (auto *picture = qobject_cast<PictureBox *>(object))
        return new PressableAccessible(picture, QAccessible::Graphic);
    return nullptr;
}

void installControlAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(controlAccessible);
        return true;
    }();
    Q_UNUSED(installed);
}

} // namespace

PressLabel::PressLabel(const QString &text, QAccessible::Role role, QWidget *parent)
    : QLabel(text, parent), m_role(role)
{
    installControlAccessibility();
    setFocusPolicy(Qt::NoFocus);
}

void PressLabel::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton) {
        QLabel::mousePressEvent(event);
        return;
    }
    event->accept();
    press();
}

PictureBox::PictureBox(QWidget *parent)
    : QWidget(parent)
{
    installControlAccessibility();
    setFocusPolicy(Qt::NoFocus);
    setAutoFillBackground(true);
}

void PictureBox::setPicture(const QPixmap &picture)
{
    m_picture = picture;
    m_shrunk = QPixmap();
    update();
}

QRect PictureBox::pictureRect() const
{
    if (m_picture.isNull())
        return {};
    const QSize natural = m_picture.deviceIndependentSize().toSize();
    QSize drawn = natural;
    if (drawn.width() > width() || drawn.height() > height())
        drawn = natural.scaled(size(), Qt::KeepAspectRatio);
    return QRect(QPoint((width() - drawn.width()) / 2, (height() - drawn.height()) / 2), drawn);
}

void PictureBox::paintEvent(QPaintEvent *)
{
    if (m_picture.isNull())
        return;
    const QRect target = pictureRect();
    // Shrunk once per size with a smooth filter: painting a large picture
    // straight into a small rectangle leaves it jagged.
    const qreal ratio = devicePixelRatioF();
    const QSize pixels = (QSizeF(target.size()) * ratio).toSize();
    if (m_shrunk.size() != pixels) {
        m_shrunk = m_picture.scaled(pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        m_shrunk.setDevicePixelRatio(ratio);
    }
    QPainter painter(this);
    painter.drawPixmap(target.topLeft(), m_shrunk);
}

void PictureBox::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    event->accept();
    press();
}
