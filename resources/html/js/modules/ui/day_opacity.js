// How much the overlay covers the screen by day, in percent.
Kavo.bind({
    setting: "day_opacity",
    kind: "slider",
    slot: "day_opacity_changed",
    signal: "set_day_opacity_slider_value",
    range: [0, 100],
    step: 1,
    format: Kavo.formats.percent,
});
