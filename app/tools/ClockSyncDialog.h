// The clock synchronisation dialog "Đồng bộ giờ": the destinations of the device, "Đồng bộ"
// connecting through the connection manager, asking the time server with the Time Protocol and
// setting the device clock, with a status line for each step.
#pragma once

#include "platform/net/ConnectionManager.h"
#include "platform/net/TimeProtocol.h"
#include "platform/shell/FullScreenDialog.h"

#include <QSpinBox>
#include <vector>

class QLabel;

namespace velmora::app {

// The one-line list with spin arrows that shows one destination's description at a time.
class DestinationSpinner : public QSpinBox {
    Q_OBJECT
  public:
    DestinationSpinner(const std::vector<net::Destination>& destinations, QWidget* parent);
    const net::Destination& current() const { return destinations_[std::size_t(value())]; }

  protected:
    QString textFromValue(int value) const override;
    int valueFromText(const QString& text) const override;
    QValidator::State validate(QString& text, int& pos) const override;

  private:
    std::vector<net::Destination> destinations_;
};

class ClockSyncDialog : public shell::FullScreenDialog {
    Q_OBJECT
  public:
    // Its soft key: "Đồng bộ".
    static shell::MenuBarDescription clockSyncMenuBar();

    // timeoutMs: how long the time server may take to answer.
    explicit ClockSyncDialog(QWidget* owner, int timeoutMs = net::kTimeQueryTimeoutMs);

    // "Đồng bộ": connect, ask the time server, set the clock.
    void synchronise();
    QString status() const;
    QString result() const;
    QWidget* control(int id) const;

  signals:
    // A synchronisation ended: with the clock set, or with a failure in the status line.
    void finished(bool clockSet);

  protected:
    void onCommand(int id) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void onStatus(uint32_t status);
    void onTime(const net::TimeReply& reply);

    int timeoutMs_;
    DestinationSpinner* destinations_ = nullptr;
    QLabel* status_ = nullptr;
    QLabel* result_ = nullptr;
    net::Connection connection_;
    net::TimeQuery query_;
};

} // namespace velmora::app
