// corvane-tool: the desktop tool. Everything runs in the launcher's modal
// loop and the windows it opens.
#include <QApplication>

#include "app/config_app.h"
#include "corvane_version.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("corvane-tool"));
    QApplication::setApplicationVersion(QString::fromLatin1(corvane::kVersion));
    corvane::app::ConfigApp configApp;
    return configApp.InitInstance(app);
}
