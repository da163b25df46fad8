// Longitude of the typed-in location, in degrees east.
Kavo.bind({
    setting: "longitude",
    kind: "number",
    slot: "longitude_changed",
    signal: "set_longitude_value",
    range: [-180, 180],
    // An unknown coordinate comes as an empty text: an empty field, not 0.
    fromNative: (text) => (text === "" ? "" : Number(text)),
    enabledBy: "use_manual_location",
});
