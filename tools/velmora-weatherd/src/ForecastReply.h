// The reply the Today item reads, composed from one answer of the forecast API.
#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

namespace velmora::weatherd {

// The API request for a place: current conditions, hourly values and daily values for ten days
// in Vietnam's time zone.
QString forecastQuery(double latitude, double longitude);

// The reply for the city `code` from the API's JSON answer: a header line (which the item skips),
// the current conditions (slot code -1), every hour of the current day and the next (slot code =
// the hour), and for each of the ten days a morning line (31 + 1 + weekday, Monday 0; the hours
// 6 to 11) and an afternoon line (41 + 1 + weekday; the hours 12 to 17). Lines end with a line
// feed; descriptions are Vietnamese with spaces. nullopt when the answer is not the API's JSON
// or lacks its current time.
std::optional<QString> composeReply(const QByteArray& apiJson, const QString& code);

} // namespace velmora::weatherd
