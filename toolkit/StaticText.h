#pragma once
// The static-text box: a fixed, bordered, coloured caption in the designed font.
#include <QColor>
#include <QLabel>

class QFont;
class QRect;

class TStaticText : public QLabel {
    Q_OBJECT
public:
    explicit TStaticText(QWidget* parent = nullptr);
    // Forms that build many boxes from a table pass one font object to all of them:
    // building a font per box shows up in the frame's creation time.
    TStaticText(QWidget* parent, const QString& caption, const QRect& geometry, const QColor& colour,
                const QFont& font);

    // The box's own background, not the parent's.
    void SetColour(const QColor& colour);

private:
    void Setup(const QFont& font);
};
