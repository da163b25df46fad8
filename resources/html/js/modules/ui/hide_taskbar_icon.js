// Hide the window instead of minimising it on close.
Kavo.bind({
    setting: "hide_taskbar_icon",
    kind: "switch",
    slot: "hide_taskbar_icon_changed",
    signal: "set_hide_taskbar_icon",
});
