// Colour saturation of the whole screen, in percent.
Kavo.bind({
    setting: "saturation",
    kind: "slider",
    slot: "saturation_changed",
    signal: "set_saturation_slider_value",
    range: [0, 200],
    step: 5,
    defaultValue: 100,
    format: Kavo.formats.percent,
});
