// Latitude of the typed-in location, in degrees north.
Kavo.bind({
    setting: "latitude",
    kind: "number",
    slot: "latitude_changed",
    signal: "set_latitude_value",
    range: [-90, 90],
    fromNative: (text) => Number(text),
    enabledBy: "use_manual_location",
});
