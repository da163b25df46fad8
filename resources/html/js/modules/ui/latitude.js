// Latitude of the typed-in location, in degrees north.
Kavo.bind({
    setting: "latitude",
    kind: "number",
    slot: "latitude_changed",
    signal: "set_latitude_value",
    range: [-90, 90],
    // An unknown coordinate comes as an empty text: an empty field, not 0.
    fromNative: (text) => (text === "" ? "" : Number(text)),
    enabledBy: "use_manual_location",
});
