#include "toolkit/UpDown.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QStyleOption>

namespace {

// One arrow as a screen reader sees it: a button that can be pressed. The arrows are halves
// of one widget, so they get interfaces of their own, without objects.
class ArrowAccessible : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    ArrowAccessible(TUpDown* spinner, TUpDownDirection arrow) : Spinner(spinner), Arrow(arrow) {}

    bool isValid() const override { return !Spinner.isNull(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return Spinner ? Spinner->window()->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(Spinner.data()); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* focusChild() const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Name && Spinner ? Spinner->ArrowName(Arrow) : QString();
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override
    {
        if (!Spinner)
            return {};
        const QRect half = Spinner->HalfRect(Arrow);
        return QRect(Spinner->mapToGlobal(half.topLeft()), half.size());
    }
    QAccessible::Role role() const override { return QAccessible::Button; }
    QAccessible::State state() const override
    {
        QAccessible::State s;
        s.disabled = !Spinner || !Spinner->isEnabled();
        s.invisible = !Spinner || !Spinner->isVisible();
        return s;
    }
    void* interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this) : nullptr;
    }

    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& name) override
    {
        if (name == pressAction() && Spinner)
            Spinner->Step(Arrow);
    }
    QStringList keyBindingsForAction(const QString& name) const override
    {
        if (name != pressAction())
            return {};
        return {QKeySequence(Arrow == updDown ? Qt::Key_Left : Qt::Key_Right).toString(QKeySequence::NativeText)};
    }

private:
    QPointer<TUpDown> Spinner;
    TUpDownDirection Arrow;
};

// The spinner with its two arrows as children, left first.
class UpDownAccessible : public QAccessibleWidget {
public:
    explicit UpDownAccessible(TUpDown* spinner) : QAccessibleWidget(spinner, QAccessible::Grouping) {}
    ~UpDownAccessible() override
    {
        for (QAccessible::Id id : Arrows)
            if (id != 0)
                QAccessible::deleteAccessibleInterface(id);
    }

    int childCount() const override { return 2; }
    QAccessibleInterface* child(int index) const override
    {
        if (index < 0 || index > 1)
            return nullptr;
        QAccessible::Id& id = Arrows[index];
        if (id == 0) // registered, so the cache owns it until we delete it
            id = QAccessible::registerAccessibleInterface(
                new ArrowAccessible(static_cast<TUpDown*>(widget()), index == 0 ? updDown : updUp));
        return QAccessible::accessibleInterface(id);
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        for (int i = 0; i < 2; ++i)
            if (Arrows[i] != 0 && QAccessible::accessibleInterface(Arrows[i]) == child)
                return i;
        return -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override
    {
        for (int i = 0; i < 2; ++i)
            if (QAccessibleInterface* arrow = child(i); arrow->rect().contains(x, y))
                return arrow;
        return nullptr;
    }

private:
    mutable QAccessible::Id Arrows[2] = {0, 0};
};

QAccessibleInterface* UpDownAccessibleFactory(const QString& className, QObject* object)
{
    if (className == QLatin1String("TUpDown"))
        if (auto* spinner = qobject_cast<TUpDown*>(object))
            return new UpDownAccessible(spinner);
    return nullptr;
}

} // namespace

TUpDown::TUpDown(QWidget* parent) : QWidget(parent)
{
    // Reached with Tab only: clicking the arrows leaves the focus where it was.
    setFocusPolicy(Qt::TabFocus);
    static const bool factoryInstalled = (QAccessible::installFactory(UpDownAccessibleFactory), true);
    (void)factoryInstalled;
}

void TUpDown::SetArrowNames(const QString& down, const QString& up)
{
    DownName = down;
    UpName = up;
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

void TUpDown::keyPressEvent(QKeyEvent* event)
{
    // The keys press the arrows they point like, through the same step as a click.
    const Qt::KeyboardModifiers mods = event->modifiers() & ~Qt::KeypadModifier;
    if (mods == Qt::NoModifier && (event->key() == Qt::Key_Left || event->key() == Qt::Key_Right)) {
        Step(event->key() == Qt::Key_Left ? updDown : updUp);
        return;
    }
    // Everything else (Tab, Ctrl+Tab, Ctrl+W) belongs to the frame and the window.
    QWidget::keyPressEvent(event);
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
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = rect().adjusted(2, 2, -2, -2);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
    }
}
