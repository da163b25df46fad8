// The top of the PWM frequency slider, in hertz.
Kavo.bind({
    setting: "pwm_max_frequency",
    kind: "number",
    slot: "pwm_max_frequency_changed",
    signal: "set_pwm_max_frequency_value",
    range: [1, 1000000],
    step: 1,
    affects: ["pwm_frequency"],
});
