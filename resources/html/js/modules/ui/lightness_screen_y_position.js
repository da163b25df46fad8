// Where the lightness spot sits down the screen, in percent.
Kavo.bind({
    setting: "lightness_screen_y_position",
    kind: "slider",
    slot: "lightness_screen_y_position_changed",
    signal: "set_lightness_screen_y_position_slider_value",
    range: [0, 100],
    step: 1,
    format: Kavo.formats.percent,
});
