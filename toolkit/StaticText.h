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
    // per colour (from OwnPalette), which keeps building a box close to a plain label's cost.
    TStaticText(QWidget* parent, const QString& caption, const QRect& geometry, const QPalette& palette,
                const QFont& font);

    // The box's own background, not the parent's.
    void SetColour(const QColor& colour);

    // `base` with the background `colour` and every other role fixed as well: such a palette
    // is taken as it is, without resolving it against the parent's for every box.
    static QPalette OwnPalette(const QPalette& base, const QColor& colour);

private:
    void Setup(const QFont& font);
};
