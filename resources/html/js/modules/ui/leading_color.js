// The channel that stays strongest at warm temperatures.
Kavo.bind({
    setting: "leading_color",
    kind: "choice",
    slot: "leading_color_changed",
    signal: "set_leading_color_dropdown_value",
});
