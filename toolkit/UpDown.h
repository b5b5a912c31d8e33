#pragma once
// A small horizontal spinner: a left arrow (down) and a right arrow (up), each one half
// of the control. It reports every step before taking it and lets the handler refuse it.
// From the keyboard it is reached with Tab (a click never takes the focus), and Left and
// Right press its arrows.
#include <QString>
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

    // What a screen reader calls each arrow, e.g. "lower the ratio" and "raise the ratio".
    void SetArrowNames(const QString& down, const QString& up);
    QString ArrowName(TUpDownDirection arrow) const { return arrow == updDown ? DownName : UpName; }
    // The arrow's half of the control, in the control's coordinates.
    QRect HalfRect(TUpDownDirection arrow) const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    TUpDownDirection ArrowAt(int x) const;

    QString DownName;
    QString UpName;

    TUpDownDirection Pressed = updNone; // the arrow drawn sunken while the button is held
};
