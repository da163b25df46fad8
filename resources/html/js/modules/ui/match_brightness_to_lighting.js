// Match the brightness to the lighting.
Kavo.bind({
    setting: "match_brightness_to_lighting",
    kind: "switch",
    slot: "match_brightness_to_lighting_changed",
    signal: "set_match_brightness_to_lighting",
});
