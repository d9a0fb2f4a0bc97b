// Drawing the reminder icons.
#include "app/tools/ReminderIcons.h"

#include <QPainter>
#include <QPainterPath>
#include <functional>

namespace velmora::app {

namespace {

void drawAt(QPainter& p, int index, const std::function<void(QPainter&)>& draw) {
    p.save();
    p.translate(index * kReminderIconSize, 0);
    p.setClipRect(0, 0, kReminderIconSize, kReminderIconSize);
    draw(p);
    p.restore();
}

// A red flag on a pole: a public holiday.
void holiday(QPainter& p) {
    p.setPen(QPen(QColor(90, 60, 30), 1.4));
    p.drawLine(QPointF(3.5, 1.5), QPointF(3.5, 15));
    QPainterPath flag;
    flag.moveTo(4, 2);
    flag.cubicTo(7, 0.5, 9, 4, 14, 2.5);
    flag.lineTo(14, 9);
    flag.cubicTo(9, 10.5, 7, 7, 4, 8.5);
    flag.closeSubpath();
    p.setPen(QPen(QColor(150, 0, 0), 0.8));
    p.setBrush(QColor(218, 37, 29));
    p.drawPath(flag);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 205, 0));
    p.drawEllipse(QPointF(8.8, 5.6), 1.6, 1.6);
}

// A red lantern with a gold cap and tassel: a festival.
void festival(QPainter& p) {
    p.setPen(QPen(QColor(120, 70, 0), 1.0));
    p.drawLine(QPointF(8, 0), QPointF(8, 2.5));
    p.setBrush(QColor(230, 170, 20));
    p.drawRect(QRectF(5.5, 2.5, 5, 1.5));
    p.drawRect(QRectF(5.5, 11.5, 5, 1.5));
    p.setPen(QPen(QColor(140, 0, 0), 0.8));
    p.setBrush(QColor(225, 30, 30));
    p.drawEllipse(QRectF(2.5, 3.5, 11, 8.5));
    p.setPen(QPen(QColor(255, 190, 60), 0.7));
    p.drawLine(QPointF(8, 4), QPointF(8, 11.5));
    p.setPen(QPen(QColor(200, 140, 0), 1.0));
    p.drawLine(QPointF(8, 13), QPointF(8, 15.5));
}

// Three incense sticks in a bowl, with a wisp of smoke: a death anniversary.
void anniversary(QPainter& p) {
    p.setPen(QPen(QColor(150, 150, 160), 0.8));
    QPainterPath smoke;
    smoke.moveTo(8, 4);
    smoke.cubicTo(6.5, 3, 9.5, 2, 8, 0.5);
    p.setBrush(Qt::NoBrush);
    p.drawPath(smoke);
    p.setPen(QPen(QColor(120, 50, 20), 1.1));
    for (double x : {5.5, 8.0, 10.5}) p.drawLine(QPointF(8 + (x - 8) * 0.4, 11), QPointF(x, 4.5));
    p.setPen(QPen(QColor(230, 60, 0), 1.3));
    for (double x : {5.5, 8.0, 10.5}) p.drawPoint(QPointF(x, 4.3));
    p.setPen(QPen(QColor(110, 80, 20), 0.8));
    p.setBrush(QColor(200, 150, 50));
    QPainterPath bowl;
    bowl.moveTo(2.5, 10.5);
    bowl.lineTo(13.5, 10.5);
    bowl.cubicTo(13, 14, 11, 15.2, 8, 15.2);
    bowl.cubicTo(5, 15.2, 3, 14, 2.5, 10.5);
    p.drawPath(bowl);
}

// A calendar page with a red header and a dot on a day: an appointment.
void appointment(QPainter& p) {
    p.setPen(QPen(QColor(60, 60, 90), 0.8));
    p.setBrush(QColor(235, 240, 250));
    p.drawRect(QRectF(1.5, 2.5, 13, 12));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(200, 30, 40));
    p.drawRect(QRectF(2, 3, 12, 3));
    p.setBrush(QColor(40, 40, 60));
    p.drawRect(QRectF(4, 1, 1.5, 3));
    p.drawRect(QRectF(10.5, 1, 1.5, 3));
    p.setBrush(QColor(120, 130, 160));
    for (int r = 0; r < 2; ++r)
        for (int c = 0; c < 4; ++c) p.drawRect(QRectF(3 + c * 2.6, 7.5 + r * 3, 1.6, 1.6));
    p.setBrush(QColor(0, 110, 200));
    p.drawEllipse(QPointF(10.6, 11.3), 1.8, 1.8);
}

// A gold bell: the row has an alarm.
void bell(QPainter& p) {
    QPainterPath body;
    body.moveTo(8, 2);
    body.cubicTo(12, 2, 12.5, 6, 12.5, 9);
    body.lineTo(14, 12);
    body.lineTo(2, 12);
    body.lineTo(3.5, 9);
    body.cubicTo(3.5, 6, 4, 2, 8, 2);
    p.setPen(QPen(QColor(150, 100, 0), 0.9));
    p.setBrush(QColor(250, 195, 30));
    p.drawPath(body);
    p.setBrush(QColor(150, 100, 0));
    p.drawEllipse(QPointF(8, 13.3), 1.5, 1.5);
    p.drawEllipse(QPointF(8, 1.5), 1, 1);
}

} // namespace

QImage reminderImageStrip() {
    QImage strip(7 * kReminderIconSize, kReminderIconSize, QImage::Format_RGB32);
    strip.fill(Qt::white);
    strip.setDotsPerMeterX(3780);
    strip.setDotsPerMeterY(3780);
    {
        QPainter p(&strip);
        p.setRenderHint(QPainter::Antialiasing);
        drawAt(p, 1, holiday);
        drawAt(p, 2, festival);
        drawAt(p, 3, anniversary);
        drawAt(p, 4, appointment);
        drawAt(p, kReminderBellImage, bell);
    }
    return strip;
}

} // namespace velmora::app
