#include "toolkit/ProgramIcon.h"

#include <QDirIterator>

// The icons are a resource in a static library, whose initialiser the linker would leave out:
// this reference keeps it. Outside any namespace, where the macro declares the initialiser.
static void RegisterIconResource()
{
    Q_INIT_RESOURCE(shipplanner_icons);
}

namespace toolkit {

QIcon ProgramIcon()
{
    static const bool registered = (RegisterIconResource(), true);
    (void)registered;
    QIcon icon;
    for (QDirIterator it(QStringLiteral(":/icons")); it.hasNext();)
        icon.addFile(it.next());
    return icon;
}

} // namespace toolkit
