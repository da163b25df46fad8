// The overlay's colour.
Kavo.bind({
    setting: "overlay_color",
    kind: "choice",
    slot: "overlay_color_changed",
    signal: "set_overlay_color_dropdown_value",
});
