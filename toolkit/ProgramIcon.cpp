#include "toolkit/ProgramIcon.h"

#include <QDirIterator>
#include <QFileInfo>

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
    // Each file with its size (named "shipplanner-SIZE.png"): QIcon then decodes a picture only
    // when a size of it is asked for, instead of every picture as it is added.
    QIcon icon;
    for (QDirIterator it(QStringLiteral(":/icons")); it.hasNext();) {
        const QString path = it.next();
        const int size = QFileInfo(path).completeBaseName().section(QLatin1Char('-'), -1).toInt();
        icon.addFile(path, QSize(size, size));
    }
    return icon;
}

} // namespace toolkit
