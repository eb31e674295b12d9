// The commands of `corvane`. Each takes the parsed command line and gives the
// process exit code (see ExitCode).
#pragma once

#include <QStringList>

#include "cli/invocation.h"

namespace corvane::cli {

// Parses `arguments` (the program name first) and runs the command named.
int runCommandLine(const QStringList& arguments);

int runPorts(const Invocation& invocation);
int runDiscover(const Invocation& invocation);
int runLanSet(const Invocation& invocation);
int runLanPlan(const Invocation& invocation);
int runSurvey(const Invocation& invocation);
int runLink(const Invocation& invocation);
int runHistory(const Invocation& invocation);
int runPrintTest(const Invocation& invocation);
// `link provision`, reached through runLink.
int runLinkProvision(const Invocation& invocation);

}  // namespace corvane::cli
