// Build this window only when it is first opened.
Kavo.bind({
    setting: "optimize_ui_creation",
    kind: "switch",
    slot: "optimize_ui_creation_changed",
    signal: "set_optimize_ui_creation",
});
