#include "toolkit/UpDown.h"

#include <QMouseEvent>
#include <QPainter>
#include <QStyleOption>

TUpDown::TUpDown(QWidget* parent) : QWidget(parent)
{
    // Bare arrow buttons: clicking them leaves the focus where it was.
    setFocusPolicy(Qt::NoFocus);
}

QRect TUpDown::HalfRect(TUpDownDirection arrow) const
{
    const int half = width() / 2;
    return arrow == updDown ? QRect(0, 0, half, height()) : QRect(half, 0, width() - half, height());
}

TUpDownDirection TUpDown::ArrowAt(int x) const
{
    return x < width() / 2 ? updDown : updUp;
}

void TUpDown::Step(TUpDownDirection arrow)
{
    if (!isEnabled() || arrow == updNone)
        return;
    const int target = Position + (arrow == updUp ? 1 : -1);
    const bool inRange = target >= Min && target <= Max;
    const TUpDownDirection direction = inRange ? arrow : updNone;
    bool allow = true;
    if (OnChangingEx)
        OnChangingEx(this, allow, static_cast<short>(target), direction);
    if (allow && inRange)
        Position = static_cast<short>(target);
}

void TUpDown::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    // The step happens on the press, as with the platform's own spinners. A double-click's
    // second press arrives here too (QWidget's default), so it steps again.
    Pressed = ArrowAt(event->position().toPoint().x());
    update();
    Step(Pressed);
}

void TUpDown::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    Pressed = updNone;
    update();
}

void TUpDown::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::EnabledChange && !isEnabled())
        Pressed = updNone;
    QWidget::changeEvent(event);
}

void TUpDown::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    for (const TUpDownDirection arrow : {updDown, updUp}) {
        QStyleOption option;
        option.initFrom(this);
        option.rect = HalfRect(arrow);
        option.state |= Pressed == arrow ? QStyle::State_Sunken : QStyle::State_Raised;
        style()->drawPrimitive(QStyle::PE_PanelButtonBevel, &option, &painter, this);
        option.rect.adjust(3, 3, -3, -3);
        style()->drawPrimitive(arrow == updDown ? QStyle::PE_IndicatorArrowLeft : QStyle::PE_IndicatorArrowRight,
                               &option, &painter, this);
    }
}
