// "Test print" in the device lists: a test page to the chosen printer's data
// port (the port it reports, 9100 when it reports none), and a note saying
// where it went or why it did not.
#pragma once

#include <QString>

class QBoxLayout;
class QPushButton;
class QWidget;

namespace corvane::lan {

// The button, added to `row` at `position`.
QPushButton* addTestPrintButton(QWidget& window, QBoxLayout& row, int position);

// Sends the page to `address` on a worker thread and returns at once; the
// page names the printer's `reported` address. The window's test print
// buttons (object names "testPrint…") are disabled until it is done; the
// result is then shown by the message function.
void sendTestPrintFrom(QWidget* parent, const QString& address, const QString& reported, int port, const QString& mac);

}  // namespace corvane::lan
