// Set the PWM frequency again with every colour update, for screens that forget it.
Kavo.bind({
    setting: "pwm_control_update_continuously",
    kind: "switch",
    slot: "pwm_control_update_continuously_changed",
    signal: "set_pwm_control_update_continuously",
});
