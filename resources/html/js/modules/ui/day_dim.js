// How much darker the overlay's colour is by day, in percent.
Kavo.bind({
    setting: "day_dim",
    kind: "slider",
    slot: "day_dim_changed",
    signal: "set_day_dim_slider_value",
    range: [0, 100],
    step: 1,
    format: Kavo.formats.percent,
});
