// How much earlier night and day begin at full moon; Kavo keeps it in seconds.
Kavo.bind({
    setting: "full_moon_offset",
    preset: "minutes",
    slot: "full_moon_offset_changed",
    signal: "set_full_moon_offset_value",
    range: [0, 120],
    step: 1,
});
