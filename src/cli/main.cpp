// corvane: the command-line face of Corvane Tool, for technicians who script
// and for the end-to-end tests.
#include <QCoreApplication>

#include "cli/commands.h"
#include "corvane_version.h"

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("corvane"));
    QCoreApplication::setApplicationVersion(QString::fromLatin1(corvane::kVersion));
    return corvane::cli::runCommandLine(QCoreApplication::arguments());
}
