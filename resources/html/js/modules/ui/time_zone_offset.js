// Shift of the sun schedule against the clock; Kavo keeps it in seconds.
Kavo.bind({
    setting: "time_zone_offset",
    preset: "minutes",
    slot: "time_zone_offset_changed",
    signal: "set_time_zone_offset_value",
    range: [-720, 840],
    step: 15,
    format: Kavo.formats.signedHours,
});
