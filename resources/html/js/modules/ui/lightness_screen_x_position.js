// Where the lightness spot sits across the screen, in percent.
Kavo.bind({
    setting: "lightness_screen_x_position",
    kind: "slider",
    slot: "lightness_screen_x_position_changed",
    signal: "set_lightness_screen_x_position_slider_value",
    range: [0, 100],
    step: 1,
    format: Kavo.formats.percent,
});
