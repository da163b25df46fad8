// Longitude of the typed-in location, in degrees east.
Kavo.bind({
    setting: "longitude",
    kind: "number",
    slot: "longitude_changed",
    signal: "set_longitude_value",
    range: [-180, 180],
    fromNative: (text) => Number(text),
    enabledBy: "use_manual_location",
});
