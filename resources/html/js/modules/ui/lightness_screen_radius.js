// The lightness spot's size, in percent of the screen.
Kavo.bind({
    setting: "lightness_screen_radius",
    kind: "slider",
    slot: "lightness_screen_radius_changed",
    signal: "set_lightness_screen_radius_slider_value",
    range: [0, 100],
    step: 1,
    format: Kavo.formats.percent,
});
