// The clock synchronisation dialog and its steps.
#include "app/tools/ClockSyncDialog.h"

#include "app/res/CommandIds.h"
#include "app/tools/ClockSync.h"
#include "platform/shell/ControlId.h"

#include "platform/device/DeviceClock.h"
#include "platform/screen/ScreenProfile.h"
#include "platform/shell/DeviceKey.h"
#include "platform/shell/MessageBox.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace velmora::app {

using screen::ScaleX;
using screen::ScaleY;

DestinationSpinner::DestinationSpinner(const std::vector<net::Destination>& destinations,
                                       QWidget* parent)
    : QSpinBox(parent), destinations_(destinations) {
    setRange(0, int(destinations_.size()) - 1);
    setValue(0);
    setWrapping(true);
    lineEdit()->setReadOnly(true);
}

QString DestinationSpinner::textFromValue(int value) const {
    return value >= 0 && value < int(destinations_.size())
               ? destinations_[std::size_t(value)].description
               : QString();
}

int DestinationSpinner::valueFromText(const QString& text) const {
    for (std::size_t i = 0; i < destinations_.size(); ++i)
        if (destinations_[i].description == text) return int(i);
    return value();
}

QValidator::State DestinationSpinner::validate(QString&, int&) const {
    return QValidator::Acceptable;
}

shell::MenuBarDescription ClockSyncDialog::clockSyncMenuBar() {
    shell::MenuBarDescription keys;
    keys.leftId = CmdClockSyncStart;
    keys.leftText = QStringLiteral("Đồng bộ");
    return keys;
}

ClockSyncDialog::ClockSyncDialog(QWidget* owner, int timeoutMs)
    : FullScreenDialog(clockSyncMenuBar(), owner, QStringLiteral("Lịch Velmora 3.0")),
      timeoutMs_(timeoutMs) {
    setObjectName(QStringLiteral("ClockSync"));
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(ScaleX(8), ScaleY(8), ScaleX(8), ScaleY(8));
    column->setSpacing(ScaleY(6));
    column->addWidget(shell::withControlId(new QLabel(QStringLiteral("Chọn loại kết nối"), this),
                                           IdcClockSyncCaption));
    destinations_ = shell::withControlId(new DestinationSpinner(net::destinations(), this),
                                         IdcClockSyncDestinations);
    column->addWidget(destinations_);
    status_ = shell::withControlId(new QLabel(kClockSyncPrompt, this), IdcClockSyncStatus);
    status_->setWordWrap(true);
    column->addWidget(status_);
    result_ = shell::withControlId(new QLabel(this), IdcClockSyncResult);
    result_->setWordWrap(true);
    QFont bold = result_->font();
    bold.setBold(true);
    result_->setFont(bold);
    column->addWidget(result_);
    column->addStretch(1);

    connect(&connection_, &net::Connection::statusChanged, this, &ClockSyncDialog::onStatus);
    connect(&query_, &net::TimeQuery::finished, this, &ClockSyncDialog::onTime);
}

QString ClockSyncDialog::status() const {
    return status_->text();
}
QString ClockSyncDialog::result() const {
    return result_->text();
}
QWidget* ClockSyncDialog::control(int id) const {
    return shell::findControl(*this, id);
}

void ClockSyncDialog::synchronise() {
    result_->clear();
    status_->setText(kClockSyncSearching);
    {
        // A connection still held from an earlier attempt is given back first, quietly.
        const QSignalBlocker quiet(&connection_);
        connection_.release();
    }
    const net::TimeServer server = net::timeServer();
    if (!connection_.establish(destinations_->current().id, server.host, server.port)) {
        shell::messageBox(this, connectionRequestFailure(0x80004005u), QStringLiteral("Có lỗi"),
                          shell::MB_OK);
        onStatus(net::StatusConnectionFailed);
    }
}

void ClockSyncDialog::onStatus(uint32_t status) {
    status_->setText(connectionStatusText(status));
    if (status == net::StatusConnected) {
        const net::TimeServer server = net::timeServer();
        query_.start(server.host, server.port, timeoutMs_);
        return;
    }
    if (releasesConnection(status)) {
        const QSignalBlocker quiet(&connection_);
        connection_.release();
        emit finished(false);
    }
}

void ClockSyncDialog::onTime(const net::TimeReply& reply) {
    if (reply.error != net::TimeQueryError::None) {
        status_->setText(kClockSyncQueryFailed);
        emit finished(false);
        return;
    }
    if (!device::setSystemTime(reply.utc)) {
        status_->setText(kClockSyncSetFailed);
        emit finished(false);
        return;
    }
    result_->setText(kClockSyncDone);
    emit finished(true);
}

void ClockSyncDialog::onCommand(int id) {
    switch (id) {
    case CmdClockSyncStart:
        synchronise();
        break;
    case shell::IDOK:
        done(id);
        break;
    default: // the back key does not leave the dialog by itself
        break;
    }
}

void ClockSyncDialog::keyPressEvent(QKeyEvent* event) {
    if (shell::deviceKeyOf(*event) == shell::DeviceKey::Back) return;
    FullScreenDialog::keyPressEvent(event);
}

} // namespace velmora::app
