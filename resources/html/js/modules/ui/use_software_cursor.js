// A mouse cursor drawn by software, which follows the screen colours.
Kavo.bind({
    setting: "use_software_cursor",
    kind: "switch",
    slot: "use_software_cursor_changed",
    signal: "set_use_software_cursor",
});
