#include "cli/commands.h"

#include <functional>

#include <QCoreApplication>

#include "cli/output.h"

namespace corvane::cli {

int runCommandLine(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("command"), QStringLiteral("The command to run."));
    addOptions(parser);

    if (!parser.parse(arguments)) return usageError(parser.errorText());
    if (parser.isSet(help)) {
        printText(helpText(parser));
        return kExitOk;
    }
    if (parser.isSet(version)) {
        printText(QCoreApplication::applicationName() + QLatin1Char(' ') + QCoreApplication::applicationVersion() +
                  QLatin1Char('\n'));
        return kExitOk;
    }

    const QStringList positional = parser.positionalArguments();
    if (positional.isEmpty()) return usageError(QStringLiteral("no command given"));
    const QString command = positional.first();
    const Invocation invocation(parser);

    const std::pair<const char*, std::function<int(const Invocation&)>> commands[] = {
        {"ports", runPorts},   {"discover", runDiscover}, {"lan-set", runLanSet},  {"lan-plan", runLanPlan},
        {"survey", runSurvey}, {"link", runLink},         {"history", runHistory}, {"print-test", runPrintTest},
    };
    for (const auto& [name, run] : commands) {
        if (command == QLatin1String(name)) return run(invocation);
    }
    return usageError(QStringLiteral("unknown command \"%1\"").arg(command));
}

}  // namespace corvane::cli
