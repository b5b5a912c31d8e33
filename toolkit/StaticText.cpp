#include "toolkit/StaticText.h"

#include "toolkit/Application.h"
#include "toolkit/Palette.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QPalette>

namespace {

// A box with an accessible name of its own (a value box named after its label) reads as
// that name with the shown figure as its value and description; any other box reads as its
// caption. The leading blanks only place the text, so a reader gets it trimmed.
class StaticTextAccessible : public QAccessibleWidget {
public:
    explicit StaticTextAccessible(TStaticText* box) : QAccessibleWidget(box, QAccessible::StaticText) {}

    QString text(QAccessible::Text t) const override
    {
        const auto* box = static_cast<const TStaticText*>(widget());
        const bool named = !box->accessibleName().isEmpty();
        switch (t) {
        case QAccessible::Name: return named ? box->accessibleName() : box->text().trimmed();
        // The description carries the figure too: the desktop bridge passes no text value on.
        case QAccessible::Value:
        case QAccessible::Description: return named ? box->text().trimmed() : QString();
        default: return QAccessibleWidget::text(t);
        }
    }
    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.readOnly = true;
        return s;
    }
};

QAccessibleInterface* StaticTextAccessibleFactory(const QString& className, QObject* object)
{
    if (className == QLatin1String("TStaticText"))
        if (auto* box = qobject_cast<TStaticText*>(object))
            return new StaticTextAccessible(box);
    return nullptr;
}

void InstallAccessibleFactory()
{
    static const bool installed = (QAccessible::installFactory(StaticTextAccessibleFactory), true);
    (void)installed;
}

} // namespace

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
    InstallAccessibleFactory();
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
