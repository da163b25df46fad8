// The backlight's PWM frequency in hertz, up to the chosen maximum. Kavo also moves the slider
// to the frequency the screen reports.
Kavo.bind({
    setting: "pwm_frequency",
    kind: "slider",
    slot: "pwm_frequency_changed",
    signal: "set_pwm_frequency_slider_value_ui",
    signals: {
        set_pwm_control_status: (current, available, hertz) => (available ? hertz : current),
    },
    range: (value) => [0, Math.max(1, value("pwm_max_frequency") || 2000)],
    step: 1,
    format: (hertz) => (hertz > 0 ? hertz + " Hz" : "-"),
});
