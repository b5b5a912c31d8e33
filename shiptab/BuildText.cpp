#include "shiptab/BuildText.h"

#include <QClipboard>
#include <QGuiApplication>

namespace shiptab {

QStringList ToStringList(const std::vector<std::string>& cells)
{
    QStringList list;
    list.reserve(qsizetype(cells.size()));
    for (const std::string& cell : cells)
        list.append(QString::fromStdString(cell));
    return list;
}

void PutBuildsOnClipboard(const std::string& rows)
{
    QGuiApplication::clipboard()->setText(QString::fromStdString(BuildHeaderRow() + rows));
}

PastedRows ReadClipboard(const CShipDataManager& catalogue)
{
    return ReadPasted(QGuiApplication::clipboard()->text().toStdString(), catalogue);
}

} // namespace shiptab
