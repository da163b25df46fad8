// The full-screen colour effect.
Kavo.bind({
    setting: "color_effect",
    kind: "choice",
    slot: "color_effect_changed",
    signal: "set_color_effect_dropdown_value",
    affects: ["color_effect_shown"],
});
