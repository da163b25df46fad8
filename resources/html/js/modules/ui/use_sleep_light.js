// The sleep period with its own colours.
Kavo.bind({
    setting: "use_sleep_light",
    kind: "switch",
    slot: "use_sleep_light_changed",
    signal: "set_use_sleep_light",
});
