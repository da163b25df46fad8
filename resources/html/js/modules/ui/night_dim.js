// How much darker the overlay's colour is at night, in percent.
Kavo.bind({
    setting: "night_dim",
    kind: "slider",
    slot: "night_dim_changed",
    signal: "set_night_dim_slider_value",
    range: [0, 100],
    step: 1,
    format: Kavo.formats.percent,
});
