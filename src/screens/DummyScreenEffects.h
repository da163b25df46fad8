#pragma once

#include "color/ColorMatrix.h"
#include "platform/Win32Types.h"
#include "screens/OverlayWindow.h"
#include "screens/ScreenEffectImage.h"

#include <QPixmap>

class QLabel;
class QTimer;

// The software screen effects: while the user is idle (two quiet seconds), a picture of the
// primary screen with the effect applied covers it; the first key or mouse event takes it away
// at once. It stands in for colour effects that the desktop cannot show live.
class DummyScreenEffects : public OverlayWindow
{
    Q_OBJECT

public:
    DummyScreenEffects();
    ~DummyScreenEffects() override;

    void set_invert(bool invert);
    void set_grey(bool grey);
    // Any other effect as a colour matrix; nothing clears it.
    void set_matrix(std::optional<ColorMatrix> matrix);
    const ScreenEffectImage& effects() const { return m_effects; }

    // The processed picture shown now (null while the desktop shows through).
    const QPixmap& screenshot() const { return m_screenshot; }
    bool is_showing_picture() const { return !m_screenshot.isNull(); }

public slots:
    void update_ui();
    void fast_refresh();
    void key_pressed(DWORD key, DWORD flags);
    void mouse_event(MSLLHOOKSTRUCT* mouseInfo);

private:
    void refresh_watching();
    void capture();
    void clear_picture();

    QLabel* m_label;
    QTimer* m_timer;
    ScreenEffectImage m_effects;
    QPixmap m_screenshot;
    int m_idle_count = 0;
    bool m_watching = false;
};
