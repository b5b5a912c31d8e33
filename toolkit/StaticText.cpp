#include "toolkit/StaticText.h"

#include "toolkit/Application.h"
#include "toolkit/Palette.h"

#include <QPalette>

TStaticText::TStaticText(QWidget* parent) : QLabel(parent)
{
    Setup(toolkit::DesignFont(13));
}

TStaticText::TStaticText(QWidget* parent, const QString& caption, const QRect& geometry, const QPalette& palette,
                         const QFont& font)
    : QLabel(parent)
{
    Setup(font);
    setPalette(palette);
    setGeometry(geometry);
    setText(caption);
}

void TStaticText::Setup(const QFont& font)
{
    // Ship names come from data files: never let "<b>" in one turn into markup.
    setTextFormat(Qt::PlainText);
    setFrameStyle(QFrame::Box | QFrame::Plain);
    // Leading blanks in the captions do the positioning; no extra indent of our own.
    setIndent(0);
    setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    setAutoFillBackground(true);
    setFont(font);
}

void TStaticText::SetColour(const QColor& colour)
{
    // A palette rather than a style sheet: sheets make every box several times slower to build.
    QPalette own = palette();
    own.setColor(QPalette::Window, colour);
    setPalette(toolkit::SharedPalette(own));
}
