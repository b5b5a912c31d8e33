#include "toolkit/Palette.h"

#include <QPalette>
#include <QWidget>

#include <deque>

namespace toolkit {

const QPalette& SharedPalette(const QPalette& wanted)
{
    // A handful of entries: one per set of colours a form uses. A deque keeps references valid.
    static std::deque<QPalette> pool;
    for (const QPalette& p : pool)
        if (p == wanted) // compares the brushes
            return p;
    QPalette own = wanted;
    for (int group = 0; group < QPalette::NColorGroups; ++group)
        for (int role = 0; role < QPalette::NColorRoles; ++role) {
            const auto g = static_cast<QPalette::ColorGroup>(group);
            const auto r = static_cast<QPalette::ColorRole>(role);
            own.setBrush(g, r, wanted.brush(g, r));
        }
    return pool.emplace_back(own);
}

void ShareInheritedPalettes(QWidget* root)
{
    for (QWidget* widget : root->findChildren<QWidget*>())
        if (!widget->testAttribute(Qt::WA_SetPalette))
            widget->setPalette(SharedPalette(widget->palette()));
}

} // namespace toolkit
