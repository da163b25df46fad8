// The table of white points the colour temperature follows.
Kavo.bind({
    setting: "color_scheme",
    kind: "choice",
    slot: "color_scheme_changed",
    signal: "set_color_scheme_dropdown_value",
});
