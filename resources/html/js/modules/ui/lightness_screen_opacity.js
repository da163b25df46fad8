// How dark the lightness spot's surroundings are, in percent.
Kavo.bind({
    setting: "lightness_screen_opacity",
    kind: "slider",
    slot: "lightness_screen_opacity_changed",
    signal: "set_lightness_screen_opacity_slider_value",
    range: [0, 100],
    step: 1,
    format: Kavo.formats.percent,
});
