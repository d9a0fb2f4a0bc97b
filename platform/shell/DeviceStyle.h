// The widget style for a screen profile: standard metrics scaled from 96 dpi to the profile's dpi.
#pragma once

#include <QProxyStyle>

namespace velmora::shell {

class DeviceStyle : public QProxyStyle {
    Q_OBJECT
  public:
    explicit DeviceStyle(int dpi);
    int dpi() const { return dpi_; }
    int pixelMetric(PixelMetric metric, const QStyleOption* option = nullptr,
                    const QWidget* widget = nullptr) const override;
    // Arrows (submenus, spin boxes) drawn at the profile's size; Fusion's are fixed at 96 dpi.
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;

  private:
    int dpi_;
};

} // namespace velmora::shell
