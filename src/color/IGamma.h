#pragma once

#include "color/ChannelCurves.h"
#include "color/ColorRamp.h"

#include <QList>
#include <QObject>

// A device that shows colour temperature and brightness through the monitors' gamma ramps and
// can put back the ramps the monitors had. Monitors are numbered from 1; 0 means all.
class IGamma : public QObject
{
    Q_OBJECT

public:
    explicit IGamma(QObject* parent = nullptr) : QObject(parent) {}

    virtual void init() {}
    // Remembers every monitor's current ramp; 0, or -1 when one cannot be read.
    virtual int save_current_ramps() { return -1; }
    // Loads the identity into every monitor and forgets the remembered ramps; 0 or -1.
    virtual int reset() { return -1; }
    // Loads every monitor's base ramp (remembered or identity); 0 or -1.
    virtual int restore() { return -1; }
    virtual int monitor_count() { return 1; }
    // Shows `settings` on `monitor_number` (0: all); ignored monitors get their base ramp.
    virtual int set_temperature(RampSettings settings, QList<int> ignored, int monitor_number)
    {
        Q_UNUSED(settings);
        Q_UNUSED(ignored);
        Q_UNUSED(monitor_number);
        return -1;
    }

    // Whether the device shows the brightness (a night light without a backlight cannot).
    virtual bool shows_brightness() const { return true; }
    // Whether the device shows gamma ramps, and so the colour scheme, the leading colour and
    // the channel curves (a night light shows only the temperature).
    virtual bool shows_ramps() const { return true; }

    virtual void set_inverted(bool inverted) { m_inverted = inverted; }
    virtual bool is_inverted() { return m_inverted; }
    virtual void set_preserve_gamma(bool preserve) { m_preserve_gamma = preserve; }
    virtual bool is_preserve_gamma() { return m_preserve_gamma; }
    virtual void set_color_scheme(int scheme) { m_ramp.select_scheme(scheme); }
    virtual void set_leading_color(int offset) { m_ramp.set_leading_color(offset); }
    virtual void set_fixer_offset(int offset) { m_fixer_offset = offset; }
    // Curves that act on the picture before the colours (a colour effect, an overlay's layer);
    // the next set_temperature shows them.
    virtual void set_channel_curves(const ChannelCurves& curves) { m_curves = curves; }
    const ChannelCurves& channel_curves() const { return m_curves; }

signals:
    void update_gamma();

protected:
    ColorRamp m_ramp;
    bool m_inverted = false;
    bool m_preserve_gamma = true;
    int m_fixer_offset = 0;
    ChannelCurves m_curves;
};
