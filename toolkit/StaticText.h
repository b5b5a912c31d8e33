#pragma once
// The static-text box: a fixed, bordered, coloured caption in the designed font.
#include <QColor>
#include <QLabel>

class QFont;
class QPalette;
class QRect;

class TStaticText : public QLabel {
    Q_OBJECT
public:
    explicit TStaticText(QWidget* parent = nullptr);
    // For forms that build many boxes from a table: they share one font and one palette
    // per colour (from toolkit::SharedPalette), which keeps building a box close to a plain
    // label's cost.
    TStaticText(QWidget* parent, const QString& caption, const QRect& geometry, const QPalette& palette,
                const QFont& font);

    // The box's own background, not the parent's.
    void SetColour(const QColor& colour);

private:
    void Setup(const QFont& font);
};
