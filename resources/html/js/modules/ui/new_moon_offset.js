// How much earlier night and day begin at new moon; Kavo keeps it in seconds.
Kavo.bind({
    setting: "new_moon_offset",
    preset: "minutes",
    slot: "new_moon_offset_changed",
    signal: "set_new_moon_offset_value",
    range: [0, 120],
    step: 1,
});
