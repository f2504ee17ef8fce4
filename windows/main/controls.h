#pragma once

#include <QAccessible>
#include <QLabel>
#include <QPixmap>
#include <QWidget>

// A label that reacts the moment the left mouse button goes down over it, as
// the main window's "开始猜词", "管理词库" and "支持作者" do. It never takes the
// keyboard focus; assistive technology sees it with `role`, its text as its
// name and a Press action that does what the mouse press does.
class PressLabel final : public QLabel
{
    Q_OBJECT
public:
    PressLabel(const QString &text, QAccessible::Role role, QWidget *parent);

    QAccessible::Role accessibleRole() const { return m_role; }
    // What a left-button press does; also the accessible Press action.
    void press() { emit pressed(); }

signals:
    void pressed();

protected:
    void mousePressEvent(QMouseEvent *event) override;

private:
    QAccessible::Role m_role;
};

// A picture box: its picture drawn centred and shrunk proportionally to fit,
// never enlarged or stretched, on the window's background colour. Without a
// picture it is a plain strip of that colour. A left-button press over it
// emits pressed(); one that reacts to it (setPressable) also offers a Press
// action to assistive technology.
class PictureBox final : public QWidget
{
    Q_OBJECT
public:
    explicit PictureBox(QWidget *parent);

    void setPicture(const QPixmap &picture);
    const QPixmap &picture() const { return m_picture; }
    // Where the picture is drawn, in the box's coordinates (empty without one).
    QRect pictureRect() const;

    void setPressable(bool pressable) { m_pressable = pressable; }
    bool isPressable() const { return m_pressable; }
    void press() { emit pressed(); }

signals:
    void pressed();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    QPixmap m_picture;
    QPixmap m_shrunk; // m_picture at the size it is drawn
    bool m_pressable = false;
};
