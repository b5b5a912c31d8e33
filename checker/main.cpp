// shipplanner-check: says what the program does with its two data files.
#include "checker/Checker.h"

#include <QCoreApplication>
#include <QTranslator>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

void Write(std::FILE* to, const std::string& text)
{
    std::fwrite(text.data(), 1, text.size(), to);
}

void WriteLine(std::FILE* to, const QString& text)
{
    Write(to, text.toStdString() + '\n');
}

// The first of LC_ALL, LC_MESSAGES and LANG that is set decides, as for other programs.
bool WantsJapanese()
{
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char* value = std::getenv(name);
        if (value != nullptr && *value != '\0')
            return std::string(value).starts_with("ja");
    }
    return false;
}

QString Usage()
{
    return QCoreApplication::translate("Checker",
                                       "Usage: shipplanner-check [FOLDER]\n"
                                       "       shipplanner-check SHIP_FILE MATERIAL_FILE\n"
                                       "Checks FOLDER/data/ship_varietion.csv and FOLDER/data/ship_material.csv "
                                       "(FOLDER: the current directory when not given), or the two files named, and "
                                       "reports everything the program reads differently from what they seem to "
                                       "say, one finding a line as PATH:LINE:COLUMN: warning: MESSAGE [ID].\n"
                                       "Exit status: 0 nothing found, 1 warnings, 2 a file unreadable or a wrong "
                                       "command line.");
}

std::string InFolder(std::string folder, const char* file)
{
    if (!folder.ends_with('/'))
        folder += '/';
    return folder + "data/" + file;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTranslator translator;
    if (WantsJapanese() && translator.load(QStringLiteral(":/i18n/shipplanner-check_ja.qm")))
        QCoreApplication::installTranslator(&translator);

    const std::vector<std::string> args(argv + 1, argv + argc);
    if (args.size() == 1 && args[0] == "--help") {
        WriteLine(stdout, Usage());
        return 0;
    }
    if (args.size() == 1 && args[0] == "--version") {
        Write(stdout, "shipplanner-check " SHIPPLANNER_VERSION "\n");
        return 0;
    }
    std::string ships, materials;
    bool usable = args.size() <= 2;
    for (const std::string& a : args)
        usable = usable && !a.empty() && a[0] != '-';
    if (!usable) {
        WriteLine(stderr, Usage());
        return 2;
    }
    const std::string folder = args.empty() ? std::string(".") : args[0];
    ships = args.size() == 2 ? args[0] : InFolder(folder, "ship_varietion.csv");
    materials = args.size() == 2 ? args[1] : InFolder(folder, "ship_material.csv");

    const checker::Report report = checker::Check(ships, materials);
    for (const checker::Finding& f : report.Findings)
        Write(stdout, checker::Format(f));
    std::fflush(stdout);
    for (const auto& [path, message] : report.Unreadable)
        Write(stderr, checker::FormatUnreadable(path, message));
    WriteLine(stderr, checker::Summary(report));
    if (!report.Unreadable.empty())
        return 2;
    return report.Findings.empty() ? 0 : 1;
}
