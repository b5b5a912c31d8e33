#include "toolkit/StaticText.h"

#include "toolkit/Application.h"

#include <QPalette>

TStaticText::TStaticText(QWidget* parent) : QLabel(parent)
{
    Setup(toolkit::DesignFont(13));
}

TStaticText::TStaticText(QWidget* parent, const QString& caption, const QRect& geometry, const QColor& colour,
                         const QFont& font)
    : QLabel(parent)
{
    Setup(font);
    SetColour(colour);
    setGeometry(geometry);
    setText(caption);
}

void TStaticText::Setup(const QFont& font)
{
    // Ship names come from data files: never let "<b>" in one turn into markup.
    setTextFormat(Qt::PlainText);
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setLineWidth(1);
    // Leading blanks in the captions do the positioning; no extra indent of our own.
    setIndent(0);
    setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    setAutoFillBackground(true);
    setFont(font);
}

void TStaticText::SetColour(const QColor& colour)
{
    // A palette rather than a style sheet: sheets make every box several times slower to build.
    QPalette p = palette();
    p.setColor(QPalette::Window, colour);
    setPalette(p);
}
