#include "toolkit/PageControl.h"

#include <QTabWidget>

namespace toolkit {

void RemovePage(QTabWidget* tabs, QWidget* page)
{
    if (tabs == nullptr || page == nullptr)
        return;
    const int index = tabs->indexOf(page);
    if (index < 0)
        return;
    const bool wasCurrent = tabs->currentIndex() == index;
    tabs->removeTab(index);
    // Qt makes the left neighbour current; the follower (now at `index`) should be.
    if (wasCurrent && tabs->count() > 0)
        tabs->setCurrentIndex(index < tabs->count() ? index : 0);
}

} // namespace toolkit
