// Whether the screen's backlight offers PWM control; the notice shows while it does not.
Kavo.bind({
    setting: "pwm_control_available",
    kind: "visibility",
    signals: { set_pwm_control_status: (current, available) => !!available },
    shownWhen: (available) => available === false,
});
