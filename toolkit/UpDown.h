#pragma once
// A small horizontal spinner: a left arrow (down) and a right arrow (up), each one half
// of the control. It reports every step before taking it and lets the handler refuse it.
#include <QWidget>

#include <functional>

enum TUpDownDirection { updNone = 0, updUp = 1, updDown = 2 };

class TUpDown : public QWidget {
    Q_OBJECT
public:
    // Called before every step with the allow flag set; the step is taken only when the
    // handler leaves it set. `newValue` is the position the step leads to; `direction` is
    // updNone when that position lies outside Min..Max. A plain callback rather than a Qt
    // signal: the flag is written back by the one handler, which a signal with a reference
    // argument only guarantees for direct connections.
    using ChangingEx = std::function<void(TUpDown* sender, bool& allowChange, short newValue,
                                          TUpDownDirection direction)>;

    explicit TUpDown(QWidget* parent = nullptr);

    short Min = 0;
    short Max = 2;
    short Position = 1;
    ChangingEx OnChangingEx;

    // One step as a press on that arrow makes it: updUp for the right arrow, updDown for the left.
    void Step(TUpDownDirection arrow);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    QRect HalfRect(TUpDownDirection arrow) const;
    TUpDownDirection ArrowAt(int x) const;

    TUpDownDirection Pressed = updNone; // the arrow drawn sunken while the button is held
};
