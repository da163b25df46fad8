// Kavo sets the backlight's PWM frequency.
Kavo.bind({
    setting: "use_pwm_control",
    kind: "switch",
    slot: "use_pwm_control_changed",
    signal: "set_use_pwm_control",
});
