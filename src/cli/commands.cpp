#include "cli/commands.h"

#include <functional>

#include <QCoreApplication>

#include "cli/command_help.h"
#include "cli/output.h"
#include "transport/wire_trace.h"

namespace corvane::cli {

int runCommandLine(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("command"), QStringLiteral("The command to run."));
    addOptions(parser);

    if (!parser.parse(arguments)) return usageError(parser.errorText());
    const QStringList positional = parser.positionalArguments();
    // `corvane --help`, `corvane COMMAND --help` and `corvane help [COMMAND]`.
    const bool helpCommand = positional.value(0) == QLatin1String("help");
    if (parser.isSet(help) || helpCommand) {
        const QString topic = helpCommand ? positional.value(1) : positional.value(0);
        if (topic.isEmpty()) {
            printText(overviewHelp());
            return kExitOk;
        }
        const std::optional<QString> page = commandHelp(topic);
        if (!page) return usageError(QStringLiteral("unknown command \"%1\"; `corvane --help` lists them").arg(topic));
        printText(*page);
        return kExitOk;
    }
    if (parser.isSet(version)) {
        printText(QCoreApplication::applicationName() + QLatin1Char(' ') + QCoreApplication::applicationVersion() +
                  QLatin1Char('\n'));
        return kExitOk;
    }

    if (positional.isEmpty()) return usageError(QStringLiteral("no command given"));
    const QString command = positional.first();
    const Invocation invocation(parser);
    // The wire log runs for the whole command; --trace wins over CORVANE_TRACE.
    const auto traceProblem = parser.isSet(QStringLiteral("trace"))
                                  ? transport::trace::start(parser.value(QStringLiteral("trace")),
                                                            parser.isSet(QStringLiteral("trace-secrets")))
                                  : transport::trace::startFromEnvironment();
    if (traceProblem) return usageError(QStringLiteral("--trace: %1").arg(*traceProblem));

    const std::pair<const char*, std::function<int(const Invocation&)>> commands[] = {
        {"ports", runPorts},   {"discover", runDiscover}, {"lan-set", runLanSet},  {"lan-plan", runLanPlan},
        {"survey", runSurvey}, {"link", runLink},         {"history", runHistory}, {"print-test", runPrintTest},
    };
    for (const auto& [name, run] : commands) {
        if (command != QLatin1String(name)) continue;
        setHelpCommand(command);
        return run(invocation);
    }
    return usageError(QStringLiteral("unknown command \"%1\"").arg(command));
}

}  // namespace corvane::cli
