// The search window: runs one discovery search with a progress bar and closes
// itself when the search ends. The mode's device list holds the answers.
#pragma once

#include <memory>

#include <QDialog>

#include "lan/discovery_search.h"
#include "lan/every_adapter_search.h"

namespace Ui {
class SearchDialog;
}

namespace corvane::lan {

class SearchDialog : public QDialog {
    Q_OBJECT
public:
    SearchDialog(link::ListMode mode, const QString& localAddress, const QString& broadcastAddress,
                 QWidget* parent = nullptr,
                 const transport::LanEndpoints& endpoints = transport::LanEndpoints::current());
    // One search from each of `adapters` at once.
    SearchDialog(link::ListMode mode, const QList<Adapter>& adapters, QWidget* parent = nullptr,
                 const transport::LanEndpoints& endpoints = transport::LanEndpoints::current());
    ~SearchDialog() override;

    void setTickInterval(int ms);
    // The adapters whose search could not start, each with why (the others
    // still searched).
    QStringList adapterFailures() const;

    // Starts the search, then runs the window until the search ends. A
    // search that cannot start says why and ends cancelled, unshown.
    int exec() override;
    // Cancel, Escape or closing the window: the search stops, what arrived stays.
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    // Starts the search once; false, after the message, when it cannot run.
    bool begin();
    void onTicked(int progress, const QString& statusText);
    void setUp();
    bool isRunning() const;

    std::unique_ptr<Ui::SearchDialog> ui_;
    // One of the two runs.
    std::unique_ptr<DiscoverySearch> search_;
    std::unique_ptr<EveryAdapterSearch> everyAdapter_;
    bool started_ = false;
};

}  // namespace corvane::lan
