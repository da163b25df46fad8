// How much the overlay covers the screen at night, in percent.
Kavo.bind({
    setting: "night_opacity",
    kind: "slider",
    slot: "night_opacity_changed",
    signal: "set_night_opacity_slider_value",
    range: [0, 100],
    step: 1,
    format: Kavo.formats.percent,
});
